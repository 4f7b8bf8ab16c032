// Small byte strings for tests: glyph text and file bytes written as numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace ovta::test {

// The bytes given, in order, as a string (glyph text, a record's bytes).
inline std::string bytes(std::initializer_list<int> list)
{
    std::string s;
    for (int b : list)
        s += static_cast<char>(b);
    return s;
}

// The little-endian 32-bit number at `at` (a RIFF chunk's size, a rate).
inline std::uint32_t le32(const std::string& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

} // namespace ovta::test
