#include "books/caption_wrap.h"

namespace ovta {

CaptionSplit splitCaption(std::string_view text, const TextWidth& width, int limit)
{
    std::string_view rest = text;
    while (width(rest) >= limit) {
        const auto blank = rest.find(' ');
        if (blank == std::string_view::npos ||
            rest.find_first_not_of(' ', blank + 1) == std::string_view::npos)
            break;
        rest.remove_prefix(blank + 1);
    }
    return {std::string(text.substr(0, text.size() - rest.size())), std::string(rest)};
}

std::string wrapPathCaption(std::string_view caption, const TextWidth& width, int limit)
{
    if (!width || width(caption) <= limit)
        return std::string(caption);
    const CaptionSplit split = splitCaption(caption, width, limit);
    if (split.moved.empty())
        return std::string(caption);
    return split.rest + "\r\n" + split.moved;
}

std::vector<std::string> wrapQuestionTitle(std::string_view title, const TextWidth& width,
                                           int limit)
{
    std::vector<std::string> lines;
    std::string left(title);
    while (width && width(left) > limit) {
        CaptionSplit split = splitCaption(left, width, limit);
        // Nothing could move: the words left are all one, too wide as it is.
        if (split.moved.empty())
            break;
        lines.push_back(std::move(split.rest));
        left = std::move(split.moved);
    }
    lines.push_back(std::move(left));
    return lines;
}

} // namespace ovta
