// An off-screen, read-only multi-line box that word-wraps what it is given
// at its width: the text's own CR LF line breaks stay, and a line too wide
// is broken after the last blank that lets its words fit (the blanks stay
// at the end of the line, where they take no room). A word wider than the
// box on its own is broken inside, after as many characters as fit (at
// least one), as a word-wrapping edit box does. The book panes page over
// these lines; the question screen lists them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "books/text_width.h"

namespace ovta {

class LineStore {
public:
    // Measures in the box's font and its width in pixels. Without a width
    // function or a positive width, the lines are the text's own lines.
    void setMeasure(TextWidth width, int limit);

    // Replaces the text and wraps it. A text ending with CR LF has no empty
    // last line, and the empty text has none at all.
    void setText(std::string_view text);
    void clear();

    const std::string& text() const { return text_; }
    const std::vector<std::string>& lines() const { return lines_; }
    int count() const { return static_cast<int>(lines_.size()); }

private:
    bool fits(std::string_view s) const;
    bool fitsStart(std::string_view rest, std::size_t length, std::size_t fitting) const;
    void wrap(std::string_view paragraph);
    std::size_t breakInside(std::string_view rest) const;

    TextWidth width_;
    int limit_ = 0;
    std::string text_;
    std::vector<std::string> lines_;
};

} // namespace ovta
