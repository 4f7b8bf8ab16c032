// One heading's record in a book's tree file. Every layout carries a title
// (offset and length in the title data file) and a level; the rest depends
// on what the screen attaches to a heading.
#pragma once

#include <cstdint>

#include "books/book_tables.h"
#include "store/index_list.h"

namespace ovta {

struct NodeFields {
    std::int32_t titleOffset = 0;
    std::int32_t titleLength = 0;
    std::int32_t level = 0;
    std::int32_t group = 0;        // Articles32: range record group - 1 of the group map
    std::int32_t firstArticle = 0; // Range40
    std::int32_t lastArticle = 0;  // Range40
    std::int32_t bodyOffset = 0;   // Body48, Passages64
    std::int32_t bodyLength = 0;   // Body48, Passages64
    std::int32_t firstSegment = 0; // Passages64
    std::int32_t lastSegment = 0;  // Passages64
};

// Reads node `node` (1-based: record node - 1) of `tree`. Fields the layout
// leaves unused are not converted. Throws ConversionError, quoting the
// field, for a field that is not a number or lies past the list text.
NodeFields readNode(const IndexList& tree, NodeLayout layout, std::int64_t node);

} // namespace ovta
