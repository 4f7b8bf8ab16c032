// Finding typed glyph text among a list's titles: byte for byte, no folding
// of case or shape, the first title from a start index on that holds it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovta {

// The text without the bytes of value 0x20 or below at either end.
std::string_view trimSearchText(std::string_view text);

// The index of the first title at or after `start` that holds `needle` as a
// substring. A negative start counts as 0; a start past the last title, or
// an empty needle, finds nothing.
std::optional<std::size_t> findTitle(const std::vector<std::string>& titles,
                                     std::string_view needle, std::int64_t start);

} // namespace ovta
