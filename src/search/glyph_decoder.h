// Turns glyph text (Glyf01 bytes, visual order, one byte per letter shape)
// back into Unicode Arabic in logical order: the inverse of the encoder.
// Each byte gives the character the glyph chart says it draws (a lam-alef
// ligature gives lam then alef), the line is read right to left with number
// runs kept left to right, and paired brackets drawn mirrored are turned
// back. Line breaks (CR, LF) are kept as they are.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ovta {

// Stands for a byte that draws nothing in the chart (U+FFFD).
inline constexpr char16_t kUnchartedGlyph = u'\uFFFD';

// Never throws: a byte outside the chart becomes kUnchartedGlyph, so damaged
// text still reads. Every character of the chart is in the Basic
// Multilingual Plane, so each decoded character is one UTF-16 unit.
std::u16string decodeGlyphText(std::string_view glyphBytes);

// The same text as UTF-8.
std::string decodeGlyphTextUtf8(std::string_view glyphBytes);

// The offset of the first byte that draws nothing (CR and LF excepted), or
// std::string_view::npos when every byte is charted.
std::size_t firstUnchartedGlyph(std::string_view glyphBytes);

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace ovta
