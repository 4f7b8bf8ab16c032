// The documents of the search inside the texts: every entry of the text
// catalogue, its glyph text turned into Unicode.
#pragma once

#include <functional>

#include "search/fulltext_index.h"
#include "store/content_dir.h"

namespace ovta {

// Hands each document to `add` while it returns true. Faults of the content
// (a missing or damaged file) leave that part out; the rest is collected.
void collectFullTextDocuments(const ContentDir& dir, const std::function<bool(Document)>& add);

// One catalogue entry as a document: its title, and its headings and texts
// in order, a blank line between two.
Document documentOf(const TextEntry& entry);

} // namespace ovta
