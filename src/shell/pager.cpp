#include "shell/pager.h"

#include <algorithm>

#include "store/text_lines.h"

namespace ovta {

Pager::Pager(Style style, int rows, int& top)
    : style_(style), rows_(rows), lastBase_(style == Style::List ? rows + 1 : rows),
      step_(rows - 1), top_(&top)
{
}

Pager::Pager(int rows, int lastBase, int step)
    : style_(Style::Text), rows_(rows), lastBase_(lastBase), step_(step), top_(&ownTop_)
{
}

Pager::Pager(const Pager& other)
    : style_(other.style_), rows_(other.rows_), lastBase_(other.lastBase_), step_(other.step_),
      ownTop_(other.ownTop_), top_(other.top_ == &other.ownTop_ ? &ownTop_ : other.top_),
      count_(other.count_), last_(other.last_)
{
}

Pager& Pager::operator=(const Pager& other)
{
    if (this == &other)
        return *this;
    style_ = other.style_;
    rows_ = other.rows_;
    lastBase_ = other.lastBase_;
    step_ = other.step_;
    ownTop_ = other.ownTop_;
    top_ = other.top_ == &other.ownTop_ ? &ownTop_ : other.top_;
    count_ = other.count_;
    last_ = other.last_;
    return *this;
}

void Pager::setCount(int count)
{
    count_ = std::max(0, count);
    *top_ = 0;
    // The list pager's last top is one short of the largest top it reaches;
    // its moves are written against that, so it stays unfloored.
    last_ = style_ == Style::Text ? std::max(0, count_ - lastBase_) : count_ - lastBase_;
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
    if (style_ == Style::List ? *top_ >= last_ : *top_ > last_)
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
