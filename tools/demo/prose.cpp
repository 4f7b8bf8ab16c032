#include "demo/prose.h"

#include <algorithm>

namespace ovta::demo {

namespace {

// Code points in UTF-8 text: every byte that does not continue a sequence.
std::size_t characters(std::string_view s)
{
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

int Prose::below(int n)
{
    if (n <= 0)
        return 0;
    return static_cast<int>(random_.next() % static_cast<std::uint64_t>(n));
}

std::string_view Prose::pick(std::span<const std::string_view> choices)
{
    if (choices.empty())
        return {};
    return choices[static_cast<std::size_t>(below(static_cast<int>(choices.size())))];
}

std::string Prose::fill(std::string_view pattern, const Slots& slots)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
            const auto it = slots.find(pattern[i + 1]);
            if (it != slots.end()) {
                out += it->second;
                i += 2;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string Prose::paragraph(std::span<const std::string_view> pool, int n, const Slots& slots)
{
    if (pool.empty() || n <= 0)
        return {};
    std::vector<std::size_t> chosen(pool.size() - 1);
    for (std::size_t i = 0; i < chosen.size(); ++i)
        chosen[i] = i + 1;
    // A partial shuffle picks the others; sorting them back keeps the
    // pool's order, so that the text reads on from its opening.
    const std::size_t take = std::min<std::size_t>(static_cast<std::size_t>(n - 1), chosen.size());
    for (std::size_t i = 0; i < take; ++i) {
        const auto j = i + static_cast<std::size_t>(below(static_cast<int>(chosen.size() - i)));
        std::swap(chosen[i], chosen[j]);
    }
    chosen.resize(take);
    std::sort(chosen.begin(), chosen.end());
    chosen.insert(chosen.begin(), 0);
    std::string text;
    for (std::size_t i : chosen) {
        if (!text.empty())
            text += ' ';
        text += fill(pool[i], slots);
    }
    return text;
}

std::vector<std::string> Prose::wrap(std::string_view text, int width)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty())
            continue;
        if (!line.empty() &&
            characters(line) + 1 + characters(word) > static_cast<std::size_t>(width)) {
            lines.push_back(line);
            line.clear();
        }
        if (!line.empty())
            line += ' ';
        line += word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace ovta::demo
