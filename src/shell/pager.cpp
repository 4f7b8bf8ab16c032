#include "shell/pager.h"

#include <algorithm>

#include "store/text_lines.h"

namespace ovta {

Pager::Pager(Style style, int rows, int& top) : style_(style), rows_(rows), top_(&top) {}

void Pager::setCount(int count)
{
    count_ = count;
    *top_ = 0;
    // The list pager's last top is one short of the largest top it reaches;
    // its moves are written against that, so it stays unfloored.
    last_ = style_ == Style::Text ? std::max(0, count - rows_) : count - rows_ - 1;
}

bool Pager::lineUp()
{
    if (*top_ - 1 < 0)
        return false;
    --*top_;
    return true;
}

bool Pager::lineDown()
{
    const int largest = style_ == Style::Text ? last_ : last_ + 1;
    if (*top_ + 1 > largest)
        return false;
    ++*top_;
    return true;
}

bool Pager::pageUp()
{
    if (style_ == Style::Text ? *top_ == 0 : *top_ <= 0)
        return false;
    *top_ = std::max(0, *top_ - step());
    return true;
}

bool Pager::pageDown()
{
    if (style_ == Style::Text) {
        if (*top_ == last_)
            return false;
        *top_ = std::min(*top_ + step(), last_);
        return true;
    }
    if (*top_ >= last_)
        return false;
    *top_ = std::max(0, std::min(*top_ + step(), last_ + 1));
    return true;
}

std::vector<int> Pager::window() const
{
    std::vector<int> in;
    for (int i = *top_; i < *top_ + rows_ && i < count_; ++i)
        if (i >= 0)
            in.push_back(i);
    return in;
}

std::vector<std::string_view> pagedLines(std::string_view text)
{
    constexpr std::string_view kBreak = "\r\n";
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find(kBreak, start);
        const auto length = (end == std::string_view::npos ? text.size() : end) - start;
        lines.push_back(text.substr(start, std::min(length, kMaxLineLength)));
        if (end == std::string_view::npos)
            break;
        start = end + kBreak.size();
    }
    return lines;
}

std::string textWindow(const Pager& pager, const std::vector<std::string_view>& lines)
{
    std::string shown;
    const int n = static_cast<int>(lines.size());
    const int top = pager.top();
    for (int i = top; i <= top + Pager::TextRows - 1 && i <= n - 1; ++i) {
        if (i < 0)
            continue;
        if (i != top)
            shown += "\r\n  ";
        shown += lines[static_cast<std::size_t>(i)];
    }
    return shown;
}

bool AutoRepeat::press(int code, bool leftButton)
{
    if (!leftButton)
        return false;
    *direction_ = code;
    running_ = true;
    return true;
}

bool AutoRepeat::release(bool leftButton)
{
    if (!leftButton)
        return false;
    running_ = false;
    return true;
}

} // namespace ovta
