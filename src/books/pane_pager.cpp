#include "books/pane_pager.h"

#include <algorithm>

namespace ovta {

void PanePager::setCount(int count)
{
    count_ = std::max(0, count);
    top_ = 0;
    last_ = std::max(0, count_ - lastBase_);
}

void PanePager::reset()
{
    count_ = 0;
    top_ = 0;
    last_ = 0;
}

bool PanePager::lineUp()
{
    if (top_ - 1 < 0)
        return false;
    --top_;
    return true;
}

bool PanePager::lineDown()
{
    if (top_ + 1 > last_)
        return false;
    ++top_;
    return true;
}

bool PanePager::pageUp()
{
    if (top_ == 0)
        return false;
    top_ = std::max(0, top_ - step_);
    return true;
}

bool PanePager::pageDown()
{
    if (top_ == last_)
        return false;
    top_ = std::min(top_ + step_, last_);
    return true;
}

std::vector<int> PanePager::window() const
{
    std::vector<int> in;
    for (int i = top_; i < top_ + rows_ && i < count_; ++i)
        in.push_back(i);
    return in;
}

} // namespace ovta
