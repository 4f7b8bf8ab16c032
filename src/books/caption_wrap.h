// Wrapping a caption that is too wide for its label, by moving whole words
// (each with the blank that ends it) off the start of the text. The glyph
// text is in visual order, so the start of the text is its left end: the
// part that stays is the right part, which a right-to-left reader reads first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "books/text_width.h"

namespace ovta {

// Splits `text` into the words moved off its start (`moved`) and what is
// left (`rest`): words move one by one until the rest is narrower than
// `limit`. A word is moved only when another word is left after it, so the
// move ends when the rest is down to one word (with any blanks around it),
// which is then left as wide as it is.
struct CaptionSplit {
    std::string moved;
    std::string rest;
};
CaptionSplit splitCaption(std::string_view text, const TextWidth& width, int limit);

// The path caption of a book screen: unchanged when it is at most `limit`
// wide; otherwise the rest, CR LF and the moved words, so the deepest
// headings of the path, which stand first, go to the second line.
std::string wrapPathCaption(std::string_view caption, const TextWidth& width, int limit);

// The lines of a question title, right part first: a title at most `limit`
// wide is one line; otherwise the rest is a line and the moved words are
// wrapped the same way, until they fit. A word wider than the limit stays
// whole on a line of its own.
std::vector<std::string> wrapQuestionTitle(std::string_view title, const TextWidth& width,
                                           int limit);

} // namespace ovta
