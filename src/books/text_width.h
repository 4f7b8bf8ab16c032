// The width in pixels of a glyph text in some control's font. The screens
// pass one measured with the control's real font; the model only compares.
#pragma once

#include <functional>
#include <string_view>

namespace ovta {

using TextWidth = std::function<int(std::string_view)>;

} // namespace ovta
