// The about screen's credit scroller: five slots over a list of lines.
#include "sections/credit_scroller.h"

#include <gtest/gtest.h>

namespace ovta {
namespace {

using Shown = std::array<int, CreditScroller::Slots>;
constexpr int E = CreditScroller::Empty;

TEST(CreditScroller, SevenLinesPassThroughTheTopSlotAndWrap)
{
    CreditScroller s;
    s.reset(7);
    const Shown expected[] = {
        {0, 1, 2, 3, 4}, {1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}, {3, 4, 5, 6, E},
        {4, 5, 6, E, E}, {5, 6, E, E, E}, {6, E, E, E, E}, {0, 1, 2, 3, 4},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(s.tick(), expected[i]) << "tick " << i + 1;
        EXPECT_EQ(s.top(), expected[i][0]);
    }
}

TEST(CreditScroller, ShortAndEmptyLists)
{
    CreditScroller two;
    two.reset(2);
    EXPECT_EQ(two.tick(), (Shown{0, 1, E, E, E}));
    EXPECT_EQ(two.tick(), (Shown{1, E, E, E, E}));
    EXPECT_EQ(two.tick(), (Shown{0, 1, E, E, E}));

    CreditScroller none;
    none.reset(0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(none.tick(), (Shown{E, E, E, E, E})) << "every tick clears all slots";
}

TEST(CreditScroller, ResetStartsOverBeforeTheFirstLine)
{
    CreditScroller s;
    s.reset(10);
    s.tick();
    s.tick();
    s.reset(10);
    EXPECT_EQ(s.top(), -1);
    EXPECT_EQ(s.tick()[0], 0);
}

}  // namespace
}  // namespace ovta
