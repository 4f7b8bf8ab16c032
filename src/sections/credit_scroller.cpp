#include "sections/credit_scroller.h"

namespace ovta {

void CreditScroller::reset(std::size_t lineCount)
{
    count_ = lineCount;
    top_ = -1;
}

std::array<int, CreditScroller::Slots> CreditScroller::tick()
{
    ++top_;
    // Also guards an empty list, whose top would otherwise climb for ever.
    if (top_ < 0 || static_cast<std::size_t>(top_) >= count_)
        top_ = 0;
    std::array<int, Slots> shown;
    shown.fill(Empty);
    int slot = 0;
    for (int line = top_; line < top_ + Slots; ++line)
        if (static_cast<std::size_t>(line) < count_)
            shown[static_cast<std::size_t>(slot++)] = line;
    return shown;
}

}  // namespace ovta
