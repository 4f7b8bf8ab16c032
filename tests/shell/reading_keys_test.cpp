#include "shell/reading_keys.h"

#include <gtest/gtest.h>

#include "shell/pager.h"

namespace ovta {
namespace {

TEST(ReadingKeys, NamesTheMovesOfTheReadingKeysOnly)
{
    const struct {
        int key;
        KeyMove move;
    } cases[] = {{38, KeyMove::Up},    {40, KeyMove::Down},   {37, KeyMove::Left},
                 {39, KeyMove::Right}, {33, KeyMove::PageUp}, {34, KeyMove::PageDown},
                 {36, KeyMove::Home},  {35, KeyMove::End},    {13, KeyMove::Enter},
                 {27, KeyMove::None},  {9, KeyMove::None},    {'C', KeyMove::None},
                 {0, KeyMove::None}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadingKeys::move(c.key), c.move) << c.key;
}

// Home and End page to the window each pager stops at by its own rules:
// the text pager at N - 9, the list pager at N - R, the pane pager at its
// own last top.
TEST(ReadingKeys, HomeAndEndStopWhereEachPagerStops)
{
    int listTop = 0;
    int textTop = 0;
    const struct {
        const char* name;
        Pager pager;
        int count;
        int end;
    } cases[] = {
        {"text", Pager::text(textTop), 30, 21},
        {"short text", Pager::text(textTop), 4, 0},
        {"list", Pager::list(9, listTop), 30, 21},
        {"open list", Pager::openList(9, listTop), 30, 22},
        {"pane", Pager::pane(9, 6, 5), 30, 24},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.name);
        c.pager.setCount(c.count);
        EXPECT_FALSE(ReadingKeys::page(c.pager, KeyMove::Home)) << "already at the top";
        EXPECT_EQ(ReadingKeys::page(c.pager, KeyMove::End), c.end != 0);
        EXPECT_EQ(c.pager.top(), c.end);
        EXPECT_FALSE(ReadingKeys::page(c.pager, KeyMove::End)) << "already at the end";
        EXPECT_EQ(c.pager.top(), c.end);
        EXPECT_EQ(ReadingKeys::page(c.pager, KeyMove::Home), c.end != 0);
        EXPECT_EQ(c.pager.top(), 0);
    }
}

TEST(ReadingKeys, LinesAndPagesMoveAsTheArrowsDo)
{
    int top = 0;
    Pager keys = Pager::text(top);
    int arrowTop = 0;
    Pager arrows = Pager::text(arrowTop);
    keys.setCount(25);
    arrows.setCount(25);
    const KeyMove moves[] = {KeyMove::Down, KeyMove::PageDown, KeyMove::PageDown, KeyMove::Down,
                             KeyMove::Up,   KeyMove::PageUp,   KeyMove::PageUp,   KeyMove::Up};
    for (KeyMove m : moves) {
        bool moved = false;
        switch (m) {
        case KeyMove::Up: moved = arrows.lineUp(); break;
        case KeyMove::Down: moved = arrows.lineDown(); break;
        case KeyMove::PageUp: moved = arrows.pageUp(); break;
        default: moved = arrows.pageDown(); break;
        }
        EXPECT_EQ(ReadingKeys::page(keys, m), moved);
        EXPECT_EQ(keys.top(), arrows.top());
    }
    EXPECT_FALSE(ReadingKeys::page(keys, KeyMove::Left));
    EXPECT_FALSE(ReadingKeys::page(keys, KeyMove::Enter));
}

TEST(ReadingKeys, SelectionStaysInsideTheList)
{
    const struct {
        int current, count;
        KeyMove move;
        int expected;
    } cases[] = {
        {-1, 5, KeyMove::Down, 0},   {-1, 5, KeyMove::Up, 0},       {-1, 5, KeyMove::PageDown, 0},
        {-1, 5, KeyMove::End, 4},    {2, 5, KeyMove::Up, 1},        {0, 5, KeyMove::Up, 0},
        {4, 5, KeyMove::Down, 4},    {1, 20, KeyMove::PageDown, 8}, {17, 20, KeyMove::PageDown, 19},
        {5, 20, KeyMove::PageUp, 0}, {9, 20, KeyMove::Home, 0},     {9, 20, KeyMove::End, 19},
        {3, 5, KeyMove::Left, 3},    {3, 5, KeyMove::Enter, 3},     {9, 5, KeyMove::Down, 0},
        {0, 0, KeyMove::Down, -1},   {-1, 0, KeyMove::End, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadingKeys::select(c.current, c.count, c.move, 7), c.expected)
            << c.current << " of " << c.count << " move " << static_cast<int>(c.move);
    EXPECT_EQ(ReadingKeys::select(3, 10, KeyMove::PageDown, 0), 4)
        << "a page is one entry at least";
}

} // namespace
} // namespace ovta
