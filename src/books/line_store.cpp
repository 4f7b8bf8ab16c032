#include "books/line_store.h"

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

void LineStore::wrap(std::string_view paragraph)
{
    if (!width_ || limit_ <= 0 || paragraph.empty()) {
        lines_.emplace_back(paragraph);
        return;
    }
    std::string_view rest = paragraph;
    while (!rest.empty()) {
        if (fits(rest)) {
            lines_.emplace_back(rest);
            return;
        }
        // The last blank that ends a word whose line still fits.
        std::size_t best = std::string_view::npos;
        for (std::size_t blank = rest.find(' '); blank != std::string_view::npos;
             blank = rest.find(' ', blank + 1)) {
            if (blank == 0 || rest[blank - 1] == ' ')
                continue;
            if (!fits(rest.substr(0, blank)))
                break;
            best = blank;
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
    // The longest start of `rest` that fits, by halving; one character at
    // least, so that every line takes something.
    std::size_t lo = 1;
    std::size_t hi = rest.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo + 1) / 2;
        if (fits(rest.substr(0, mid)))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

} // namespace ovta
