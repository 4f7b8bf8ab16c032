// Building small content files in tests: index-list records of 8-character
// fields, and a titles data file with the locators of what it holds.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace ovta::test {

// Fields right-aligned in 8 characters, zero-padded, one after the other.
inline std::string fields(std::initializer_list<long long> values)
{
    std::string out;
    for (long long v : values) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%08lld", v);
        out += buf;
    }
    return out;
}

// A data file built text by text; each add returns the text's (offset, length).
class DataBuilder {
public:
    std::pair<long long, long long> add(const std::string& text)
    {
        const auto at = static_cast<long long>(bytes.size());
        bytes += text;
        return {at, static_cast<long long>(text.size())};
    }
    std::string bytes;
};

} // namespace ovta::test
