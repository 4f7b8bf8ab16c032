// Reading UTF-8 one code point at a time, for the encoder (which refuses
// malformed text) and the full-text index (which reads through it).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace ovta {

struct Utf8Char {
    char32_t value;
    std::size_t length; // bytes
};

// The code point at byte `at`, or nothing for a malformed sequence: a
// stray continuation byte, an overlong form, a surrogate, a value past
// U+10FFFF or a sequence cut short.
std::optional<Utf8Char> readUtf8(std::string_view text, std::size_t at);

} // namespace ovta
