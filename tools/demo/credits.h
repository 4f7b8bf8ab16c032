// The credit lines of "data\kenor001" that the about screen scrolls through
// five at a time, one line further every tick, wrapping to the first line.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ovta::demo {

// Unicode Arabic, logical order; an empty line is a gap between groups.
std::span<const std::string_view> creditLines();

// The file's bytes: each line as glyph text, CR LF after each.
std::string creditsFile();

} // namespace ovta::demo
