#include "search/title_search.h"

namespace ovta {
namespace {

bool blank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

} // namespace

std::string_view trimSearchText(std::string_view text)
{
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::size_t> findTitle(const std::vector<std::string>& titles,
                                     std::string_view needle, std::int64_t start)
{
    if (needle.empty())
        return std::nullopt;
    for (auto i = static_cast<std::size_t>(start < 0 ? 0 : start); i < titles.size(); ++i)
        if (titles[i].find(needle) != std::string::npos)
            return i;
    return std::nullopt;
}

} // namespace ovta
