#include "store/text_lines.h"

#include <algorithm>
#include <string>

#include "store/errors.h"

namespace ovta {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::size_t lineCount(std::string_view text)
{
    std::size_t count = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find(kLineBreak, start);
        ++count;
        if (end == std::string_view::npos)
            break;
        start = end + kLineBreak.size();
    }
    return count;
}

std::string_view lineAt(std::string_view text, std::size_t index)
{
    std::size_t start = 0;
    for (std::size_t i = 0; start < text.size(); ++i) {
        const auto end = text.find(kLineBreak, start);
        const auto length = (end == std::string_view::npos ? text.size() : end) - start;
        if (i == index)
            return text.substr(start, std::min(length, kMaxLineLength));
        if (end == std::string_view::npos)
            break;
        start = end + kLineBreak.size();
    }
    throw RangeError("line " + std::to_string(index) + " is beyond the " +
                     std::to_string(lineCount(text)) + " lines of the text");
}

}  // namespace ovta
