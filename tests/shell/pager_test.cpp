#include "shell/pager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ovta {
namespace {

enum Move { Up, Down, PgUp, PgDown };

bool apply(Pager& p, Move m)
{
    switch (m) {
    case Up: return p.lineUp();
    case Down: return p.lineDown();
    case PgUp: return p.pageUp();
    case PgDown: return p.pageDown();
    }
    return false;
}

// Each case: content, a start top, moves, and the top after each move
// (a move that "does nothing" repeats the previous top).
struct MoveCase {
    const char* name;
    bool text;
    int rows;
    int count;
    int start;
    std::vector<Move> moves;
    std::vector<int> tops;
};

TEST(Pager, MovesStopWhereTheirRulesSay)
{
    const std::vector<MoveCase> cases = {
        // Text pager: L = max(0, N - 9).
        {"text, 9 lines: nothing moves", true, 9, 9, 0, {Down, PgDown, Up, PgUp}, {0, 0, 0, 0}},
        {"text, 5 lines", true, 9, 5, 0, {Down, PgDown}, {0, 0}},
        {"text, 10 lines: line down", true, 9, 10, 0, {Down, Down, Up, Up}, {1, 1, 0, 0}},
        {"text, 10 lines: page down lands on 1", true, 9, 10, 0, {PgDown, PgDown, PgUp}, {1, 1, 0}},
        {"text, 30 lines down", true, 9, 30, 0, {PgDown, PgDown, PgDown, PgDown}, {8, 16, 21, 21}},
        {"text, 30 lines up", true, 9, 30, 21, {PgUp, PgUp, PgUp, PgUp}, {13, 5, 0, 0}},
        {"text, 30 lines line down stops at L", true, 9, 30, 20, {Down, Down}, {21, 21}},
        // List pager: L = N - R - 1, largest top L + 1.
        {"list of 9, nine rows", false, 9, 9, 0, {Down, PgDown, Up, PgUp}, {0, 0, 0, 0}},
        {"list of 4, nine rows", false, 9, 4, 0, {Down, PgDown}, {0, 0}},
        {"list of 25 pages", false, 9, 25, 0, {PgDown, PgDown, PgDown}, {8, 16, 16}},
        {"list of 25 line down stops at 16", false, 9, 25, 15, {Down, Down}, {16, 16}},
        {"list of 25 pages up", false, 9, 25, 16, {PgUp, PgUp, PgUp}, {8, 0, 0}},
        {"list of 10: one line", false, 9, 10, 0, {Down, Down, PgDown}, {1, 1, 1}},
        // Page down from a top below L goes at most to L + 1.
        {"list of 12 page down", false, 9, 12, 0, {PgDown, PgDown}, {3, 3}},
        // Seven rows, step 6: L = N - 8.
        {"seven rows of 20", false, 7, 20, 0, {PgDown, PgDown, PgDown, Down}, {6, 12, 12, 13}},
        // A top the letter index put past the end may come back up.
        {"list above its end", false, 9, 25, 40, {PgDown, Up, PgUp}, {40, 39, 31}},
        // A negative top (only the search dialog could set one) stays put
        // on page up, and page down raises it to 0 at most.
        {"list, negative top", false, 9, 25, -5, {PgUp, PgDown}, {-5, 3}},
        {"short list, negative top", false, 9, 4, -3, {PgDown, Down, Up}, {-3, -3, -3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int top = -99;
        Pager p = c.text ? Pager::text(top) : Pager::list(c.rows, top);
        p.setCount(c.count);
        EXPECT_EQ(top, 0) << "new content starts at the top";
        p.setTop(c.start);
        int before = c.start;
        for (std::size_t i = 0; i < c.moves.size(); ++i) {
            const bool moved = apply(p, c.moves[i]);
            EXPECT_EQ(top, c.tops[i]) << "after move " << i;
            // A move either does nothing or asks for a redraw.
            if (!moved) {
                EXPECT_EQ(top, before) << "move " << i;
            }
            before = top;
        }
    }
}

TEST(Pager, LastTopOfBothStyles)
{
    const struct {
        bool text;
        int rows, count, last;
    } cases[] = {
        {true, 9, 0, 0},    {true, 9, 9, 0},    {true, 9, 10, 1},  {true, 9, 30, 21},
        {false, 9, 0, -10}, {false, 9, 4, -6},  {false, 9, 9, -1}, {false, 9, 25, 15},
        {false, 7, 3, -5},  {false, 7, 20, 12},
    };
    for (const auto& c : cases) {
        int top = 0;
        Pager p = c.text ? Pager::text(top) : Pager::list(c.rows, top);
        p.setCount(c.count);
        EXPECT_EQ(p.last(), c.last) << c.text << " " << c.rows << " " << c.count;
    }
}

TEST(Pager, ShortListKeepsEveryEntryInViewAndNoMoveAsksForARedraw)
{
    int top = 0;
    Pager p = Pager::list(9, top);
    p.setCount(4);
    EXPECT_FALSE(p.lineDown());
    EXPECT_FALSE(p.lineUp());
    EXPECT_FALSE(p.pageDown());
    EXPECT_FALSE(p.pageUp());
    EXPECT_EQ(p.window(), (std::vector<int>{0, 1, 2, 3}));
}

TEST(Pager, WindowHoldsTheEntriesInsideTheList)
{
    int top = 0;
    Pager p = Pager::list(9, top);
    p.setCount(25);
    p.setTop(16);
    EXPECT_EQ(p.window(), (std::vector<int>{16, 17, 18, 19, 20, 21, 22, 23, 24}));
    p.setTop(20); // only the letter index goes this far
    EXPECT_EQ(p.window(), (std::vector<int>{20, 21, 22, 23, 24}));
    p.setTop(-2);
    EXPECT_EQ(p.window(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    p.setTop(30);
    EXPECT_TRUE(p.window().empty());
}

TEST(Pager, TheTopIsTheCallersVariable)
{
    int listTop = 7;
    Pager p = Pager::list(9, listTop);
    p.setCount(40);
    EXPECT_EQ(listTop, 0);
    listTop = 12; // as the search dialog does
    EXPECT_TRUE(p.lineDown());
    EXPECT_EQ(listTop, 13);
}

std::string lines(int n, bool endsWithBreak)
{
    std::string text;
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            text += "\r\n";
        text += "L" + std::to_string(i);
    }
    if (endsWithBreak)
        text += "\r\n";
    return text;
}

TEST(TextWindow, FirstLinePlainTheOthersIndentedByTwoSpaces)
{
    const std::string text = lines(12, false);
    const auto all = pagedLines(text);
    ASSERT_EQ(all.size(), 12u);
    int top = 0;
    Pager p = Pager::text(top);
    p.setCount(static_cast<int>(all.size()));
    EXPECT_EQ(textWindow(p, all),
              "L0\r\n  L1\r\n  L2\r\n  L3\r\n  L4\r\n  L5\r\n  L6\r\n  L7\r\n  L8");
    ASSERT_TRUE(p.pageDown());
    EXPECT_EQ(top, 3);
    EXPECT_EQ(textWindow(p, all),
              "L3\r\n  L4\r\n  L5\r\n  L6\r\n  L7\r\n  L8\r\n  L9\r\n  L10\r\n  L11");
}

TEST(TextWindow, TrailingBreakAddsNoEmptyLastLine)
{
    const std::string text = lines(10, true);
    const auto all = pagedLines(text);
    ASSERT_EQ(all.size(), 10u);
    int top = 0;
    Pager p = Pager::text(top);
    p.setCount(static_cast<int>(all.size()));
    ASSERT_TRUE(p.pageDown());
    EXPECT_EQ(top, 1);
    const std::string shown = textWindow(p, all);
    EXPECT_EQ(shown.substr(shown.size() - 5), "\n  L9") << "the last window ends with line 9";
}

TEST(TextWindow, ShortAndEmptyTexts)
{
    int top = 0;
    Pager p = Pager::text(top);
    const std::string five = lines(5, true);
    const auto all = pagedLines(five);
    p.setCount(static_cast<int>(all.size()));
    EXPECT_EQ(textWindow(p, all), "L0\r\n  L1\r\n  L2\r\n  L3\r\n  L4");
    EXPECT_TRUE(pagedLines("").empty());
    p.setCount(0);
    EXPECT_EQ(textWindow(p, {}), "");
    // Empty lines between sub-sections stay as lines of their own.
    EXPECT_EQ(pagedLines("\r\n\r\na"), (std::vector<std::string_view>{"", "", "a"}));
}

TEST(TextWindow, LongLinesAreCutTo4096Characters)
{
    const std::string text = "a\r\n" + std::string(5000, 'x') + "\r\nb";
    const auto all = pagedLines(text);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].size(), 4096u);
    EXPECT_EQ(all[2], "b");
}

TEST(AutoRepeat, OnlyTheLeftButtonStartsAndStopsIt)
{
    int direction = 0;
    AutoRepeat r(direction);
    EXPECT_FALSE(r.press(2, false)) << "right button";
    EXPECT_FALSE(r.running());
    EXPECT_EQ(direction, 0);
    EXPECT_EQ(r.tick(), 0);

    EXPECT_TRUE(r.press(2, true));
    EXPECT_TRUE(r.running());
    EXPECT_EQ(r.tick(), 2);
    EXPECT_FALSE(r.release(false)) << "a right release does not stop it";
    EXPECT_TRUE(r.running());
    EXPECT_TRUE(r.release(true));
    EXPECT_FALSE(r.running());
    EXPECT_EQ(direction, 2) << "the direction outlives the release";
    EXPECT_EQ(r.tick(), 0);
}

TEST(AutoRepeat, BackgroundMoveResetsTheSharedDirection)
{
    int keyPosition = 5; // one topic list keeps both in one variable
    AutoRepeat r(keyPosition);
    r.press(1, true);
    EXPECT_EQ(keyPosition, 1);
    r.backgroundMove();
    EXPECT_EQ(keyPosition, 0);
    EXPECT_EQ(r.tick(), 0) << "a tick with no direction does nothing";
}

// Holding line down for a second: ten ticks, then the click of the release.
TEST(AutoRepeat, HoldingMovesOneLinePerTickAndOneForTheRelease)
{
    const std::string text = lines(60, false);
    const auto all = pagedLines(text);
    int top = 0, direction = 0;
    Pager p = Pager::text(top);
    p.setCount(static_cast<int>(all.size()));
    AutoRepeat r(direction);
    r.press(2, true);
    EXPECT_EQ(top, 0) << "the press itself does not move";
    for (int t = 0; t < 10; ++t)
        if (r.tick() == 2)
            p.lineDown();
    r.release(true);
    p.lineDown(); // the click that ends the press
    EXPECT_EQ(top, 11);
}

} // namespace
} // namespace ovta
