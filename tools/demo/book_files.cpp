#include "demo/book_files.h"

#include <algorithm>

#include "demo/prose.h"
#include "demo/reading_files.h"
#include "store/errors.h"

namespace ovta::demo {

Outline parseOutline(std::string_view text)
{
    Outline out;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        const std::size_t indent = line.find_first_not_of(' ');
        if (indent == std::string_view::npos)
            continue;
        if (indent % 2 != 0)
            throw RangeError("Outline line indented by an odd number of blanks: " +
                             quoteBytes(line));
        line.remove_prefix(indent);
        OutlineNode node;
        node.level = static_cast<int>(indent / 2) + 1;
        if (line.size() >= 3 && line[line.size() - 3] == ' ' && line[line.size() - 2] == '|') {
            node.mark = line.back();
            line.remove_suffix(3);
        }
        node.title = std::string(line);
        const int before = out.empty() ? 0 : out.back().level;
        if (node.level > before + 1)
            throw RangeError("Outline heading more than one level below the one before: " +
                             quoteBytes(line));
        out.push_back(std::move(node));
    }
    return out;
}

int outlineDepth(const Outline& outline)
{
    int depth = 0;
    for (const auto& n : outline)
        depth = std::max(depth, n.level);
    return depth;
}

std::pair<std::int64_t, std::int64_t> TextData::add(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return {0, 0};
    std::string glyphs;
    for (const auto& line : lines)
        glyphs += glyphLine(line) + "\r\n";
    return addGlyphs(glyphs);
}

std::pair<std::int64_t, std::int64_t> TextData::addGlyphs(std::string_view glyphs)
{
    if (glyphs.empty())
        return {0, 0};
    const auto at = static_cast<std::int64_t>(bytes_.size());
    bytes_ += glyphs;
    return {at, static_cast<std::int64_t>(glyphs.size())};
}

ArticleRuns::ArticleRuns(int padding)
{
    for (int i = 0; i < padding; ++i) {
        numbers_ += fields({1});
        ++positions_;
    }
}

int ArticleRuns::add(const std::vector<int>& articles)
{
    if (articles.empty())
        return 0;
    const int first = positions_;
    for (const int a : articles)
        numbers_ += fields({a});
    positions_ += static_cast<int>(articles.size());
    return addSpan(first, positions_ - 1);
}

int ArticleRuns::addSpan(int first, int last)
{
    groups_ += fields({first, last});
    return ++groupCount_;
}

std::vector<OutlineNode> subHeadings(const OutlineNode& parent,
                                     const std::vector<std::string_view>& patterns)
{
    std::vector<OutlineNode> out;
    for (const auto pattern : patterns)
        out.push_back({parent.level + 1, Prose::fill(pattern, {{'P', parent.title}}), 0});
    return out;
}

Outline withSubHeadings(const Outline& outline, char mark,
                        const std::vector<std::string_view>& patterns)
{
    Outline out;
    for (const auto& node : outline) {
        out.push_back(node);
        if (node.mark == mark)
            for (auto& sub : subHeadings(node, patterns))
                out.push_back(std::move(sub));
    }
    return out;
}

bool opensChildren(const Outline& outline, std::size_t i)
{
    return i + 1 < outline.size() && outline[i + 1].level == outline[i].level + 1;
}

} // namespace ovta::demo
