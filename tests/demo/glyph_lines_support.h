// Splitting a generated glyph-text file back into its lines, for the tests
// of the demo content files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ovta::demo::test {

// The lines of a file in which every line ends with CR LF. Sets `ok` to false
// when the file does not end with CR LF or a line holds a lone CR or LF.
inline std::vector<std::string> crlfSplit(std::string_view bytes, bool& ok)
{
    std::vector<std::string> lines;
    ok = bytes.empty() || bytes.ends_with("\r\n");
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find("\r\n", at);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = bytes.substr(at, end - at);
        if (line.find_first_of("\r\n") != std::string_view::npos)
            ok = false;
        lines.emplace_back(line);
        at = end + 2;
    }
    return lines;
}

} // namespace ovta::demo::test
