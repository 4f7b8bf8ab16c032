// Full-text search over the articles and books: every document's text is
// kept twice, as given (logical-order Unicode) and folded for matching, and
// a query is folded the same way and looked for in all folded texts at once.
//
// Folding makes a word match however it was written down: the joining
// shapes are gone already (documents and queries are plain letters), and
// folding drops the short vowels and tatweel, takes the alef with hamza or
// madda as a bare alef, Arabic-Indic digits as ASCII ones, ASCII letters in
// lower case, and any run of blanks and line ends as one blank.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/glyph_decoder.h"
#include "shell/text_catalogue.h"

namespace ovta {

// A heading inside a document's text, from `offset` (UTF-16 units) on; in a
// book, its node (a heading without a title still starts its own part).
struct DocumentHeading {
    std::size_t offset = 0;
    std::string heading; // UTF-8
    int node = 0;
};

struct Document {
    std::string title; // UTF-8
    std::string text;  // UTF-8, logical order
    TextPlace place;   // where Enter on a hit opens it
    std::vector<DocumentHeading> headings; // in text order; may be empty

    // The heading the text stands under at `offset`; empty before the first.
    const std::string& headingAt(std::size_t offset) const;
    // Where a hit at `offset` opens: the document's place, at the book
    // heading the text stands under.
    TextPlace placeAt(std::size_t offset) const;
};

struct FullTextHit {
    std::size_t document = 0;
    std::size_t offset = 0; // in the document's text, in UTF-16 units
    std::size_t length = 0; // of the matched span there, in UTF-16 units
    std::string context;    // UTF-8: the span with some words either side
};

class FullTextIndex {
public:
    // Adds a document; its number is the count of documents before it.
    void add(Document document);

    std::size_t size() const { return documents_.size(); }
    const Document& document(std::size_t number) const { return documents_[number]; }
    // Characters held for matching (a figure for benchmarks).
    std::size_t foldedLength() const { return folded_.size(); }

    // Every place where the folded query occurs, in document order, at most
    // `limit` of them; `more` is set when there were more. A query that
    // folds to nothing finds nothing.
    std::vector<FullTextHit> find(std::string_view utf8Query, std::size_t limit,
                                  bool* more = nullptr) const;

    // Characters of context kept on each side of a hit.
    static constexpr std::size_t ContextChars = 40;

private:
    struct Entry {
        std::size_t foldedStart; // in folded_
        std::u16string text;     // the document's text in UTF-16
        // original offset of every 64th folded character of this document
        std::vector<std::uint32_t> marks;
    };

    std::size_t originalOffset(const Entry& entry, std::size_t foldedOffset) const;
    std::string contextOf(const Entry& entry, std::size_t start, std::size_t end) const;

    std::vector<Document> documents_;
    std::vector<Entry> entries_;
    // All folded texts, each followed by a separator no query can hold.
    std::u16string folded_;
};

// The folding above, on UTF-16 text (the dialog folds what it shows the
// same way); exposed for tests.
std::u16string foldForSearch(std::u16string_view text);

std::u16string utf8ToUtf16(std::string_view utf8);

} // namespace ovta
