// The line structure of a text cut from a data file: lines separated by
// CR LF (a lone CR or LF belongs to its line). A text ending with CR LF has
// no empty last line, and the empty text has no lines at all.
#pragma once

#include <cstddef>
#include <string_view>

namespace ovta {

// Longest line shown; a longer one is cut to this many characters when fetched.
inline constexpr std::size_t kMaxLineLength = 4096;

// Number of lines of `text`: its CR LF pairs, plus one for a last line that
// does not end with CR LF.
std::size_t lineCount(std::string_view text);

// Line `index` (0-based) without its CR LF, cut to kMaxLineLength characters.
// Throws RangeError for an index at or beyond lineCount(text).
std::string_view lineAt(std::string_view text, std::size_t index);

}  // namespace ovta
