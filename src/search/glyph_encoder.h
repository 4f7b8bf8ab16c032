// Turns Unicode Arabic text (UTF-8, logical order) into glyph text: one byte
// per letter shape of the Glyf01 face, joining forms chosen by the
// neighbours, lam-alef ligatures, visual order (first byte leftmost).
#pragma once

#include <string>
#include <string_view>

namespace ovta {

// Throws ConversionError (store/errors.h) naming the character when the
// text holds a character the glyph chart has no byte for.
std::string encodeGlyphText(std::string_view utf8);

}  // namespace ovta
