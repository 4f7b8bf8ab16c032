#include "books/line_store.h"

#include <algorithm>
#include <utility>

namespace ovta {

void LineStore::setMeasure(TextWidth width, int limit)
{
    width_ = std::move(width);
    limit_ = limit;
    setText(std::string(text_));
}

void LineStore::setText(std::string_view text)
{
    text_ = std::string(text);
    lines_.clear();
    constexpr std::string_view kBreak = "\r\n";
    const std::string_view all = text_;
    std::size_t start = 0;
    while (start < all.size()) {
        const auto end = all.find(kBreak, start);
        wrap(all.substr(start, (end == std::string_view::npos ? all.size() : end) - start));
        if (end == std::string_view::npos)
            break;
        start = end + kBreak.size();
    }
}

void LineStore::clear()
{
    text_.clear();
    lines_.clear();
}

bool LineStore::fits(std::string_view s) const
{
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return width_(s) <= limit_;
}

bool LineStore::fitsStart(std::string_view rest, std::size_t length, std::size_t fitting) const
{
    // A word end far beyond the last start that fitted (a very long word)
    // is approached by doubling, so that it costs about a line to refuse.
    for (std::size_t probe = std::max<std::size_t>(2 * fitting, 64); probe < length; probe *= 2)
        if (!fits(rest.substr(0, probe)))
            return false;
    return fits(rest.substr(0, length));
}

void LineStore::wrap(std::string_view paragraph)
{
    if (!width_ || limit_ <= 0 || paragraph.empty()) {
        lines_.emplace_back(paragraph);
        return;
    }
    std::string_view rest = paragraph;
    while (!rest.empty()) {
        // Word ends, left to right, and the end of the paragraph: the last
        // one whose line fits. Only the words of one line are measured, so
        // a long paragraph costs in proportion to its length.
        std::size_t best = std::string_view::npos;
        std::size_t fitting = 0;
        for (std::size_t end = 0; end < rest.size();) {
            const auto blank = rest.find(' ', end + 1);
            end = blank == std::string_view::npos ? rest.size() : blank;
            if (rest[end - 1] == ' ')
                continue;
            if (!fitsStart(rest, end, fitting))
                break;
            best = fitting = end;
        }
        std::size_t cut = 0;
        if (best != std::string_view::npos) {
            cut = best;
            while (cut < rest.size() && rest[cut] == ' ')
                ++cut;
        } else {
            cut = breakInside(rest);
        }
        lines_.emplace_back(rest.substr(0, cut));
        rest.remove_prefix(cut);
    }
}

std::size_t LineStore::breakInside(std::string_view rest) const
{
    // The longest start of `rest` that fits: doubling to bracket it, then
    // halving, so only about a line's worth is ever measured. One character
    // at least, so that every line takes something.
    const std::size_t n = rest.size();
    std::size_t lo = 1;
    std::size_t hi = 2;
    while (hi <= n && fits(rest.substr(0, hi))) {
        lo = hi;
        hi *= 2;
    }
    std::size_t top = std::min(hi - 1, n);
    while (lo < top) {
        const std::size_t mid = lo + (top - lo + 1) / 2;
        if (fits(rest.substr(0, mid)))
            lo = mid;
        else
            top = mid - 1;
    }
    return lo;
}

} // namespace ovta
