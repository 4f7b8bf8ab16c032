// The about screen's credit lines pass upwards through five slots: every
// tick the window of five lines starts one line further down the list, the
// lower slots run empty near its end, and after the last line has reached
// the top slot the list starts again at line 0.
#pragma once

#include <array>
#include <cstddef>

namespace ovta {

class CreditScroller {
public:
    static constexpr int Slots = 5;
    static constexpr int Empty = -1;

    // A list of `lineCount` lines, before the first tick.
    void reset(std::size_t lineCount);

    // One tick: the line each slot shows now (Empty for a cleared slot).
    std::array<int, Slots> tick();

    int top() const { return top_; }
    std::size_t lineCount() const { return count_; }

private:
    std::size_t count_ = 0;
    int top_ = -1;
};

}  // namespace ovta
