// Building the files of the tree books: outlines of headings written as
// indented text, body texts, and the article runs of the books whose
// headings list articles (the group map and the article number list).
// The tree files themselves are records of 8-character fields, written
// with fields() of reading_files.h in each book's own layout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ovta::demo {

// One heading of a book, in pre-order.
struct OutlineNode {
    int level = 1;
    std::string title; // Unicode Arabic
    char mark = 0;     // the outline's mark after the title, 0 for none
};
using Outline = std::vector<OutlineNode>;

// One heading per line, two leading blanks for each level below the first.
// A line may end in " |x": x (one character) marks the heading for the
// book's own use (an empty body, a long one, standard sub-headings...).
// Blank lines are skipped. Throws RangeError for a line indented by an odd
// number of blanks, for a first heading below level 1 and for a heading
// more than one level below the one before it.
Outline parseOutline(std::string_view text);

// The deepest level of an outline (0 for an empty one).
int outlineDepth(const Outline& outline);

// A data file of multi-line texts: each add appends the lines as glyph text,
// every line followed by CR LF, and gives the text's (offset, length).
// No lines give (0, 0).
class TextData {
public:
    std::pair<std::int64_t, std::int64_t> add(const std::vector<std::string>& lines);
    // Bytes already in glyph text, appended as they stand.
    std::pair<std::int64_t, std::int64_t> addGlyphs(std::string_view glyphs);
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// The article runs of a book: the article number list (one 8-character
// article number per position) and the group map (per group, the first and
// last position of its run).
class ArticleRuns {
public:
    // `padding` placeholder numbers (article 1) stand at the first positions
    // and belong to no run: frm64 ignores a run that starts at position 0.
    explicit ArticleRuns(int padding = 0);

    // A new run of the articles; returns its group (1-based), 0 for none.
    int add(const std::vector<int>& articles);
    // A group over positions already listed, first..last inclusive (a
    // heading that lists everything its sub-headings list).
    int addSpan(int first, int last);

    // The position the next listed article will take.
    int nextPosition() const { return positions_; }

    const std::string& numberList() const { return numbers_; }
    const std::string& groupMap() const { return groups_; }
    int groupCount() const { return groupCount_; }

private:
    std::string numbers_;
    std::string groups_;
    int positions_ = 0;
    int groupCount_ = 0;
};

// Standard sub-headings of a heading: each pattern with {P} replaced by the
// heading's title, one level below it.
std::vector<OutlineNode> subHeadings(const OutlineNode& parent,
                                     const std::vector<std::string_view>& patterns);

// The outline with the sub-headings of `patterns` put right after every
// heading marked `mark`, ahead of the sub-headings written under it.
Outline withSubHeadings(const Outline& outline, char mark,
                        const std::vector<std::string_view>& patterns);

// True when the node after `i` is one level below it: the heading shows
// the icon of a heading with sub-headings.
bool opensChildren(const Outline& outline, std::size_t i);

} // namespace ovta::demo
