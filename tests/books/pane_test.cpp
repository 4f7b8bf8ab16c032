#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "books/body_window.h"
#include "books/book_tables.h"
#include "books/line_store.h"
#include "books/pane_pager.h"

namespace ovta {
namespace {

int tenEach(std::string_view s)
{
    return 10 * static_cast<int>(s.size());
}

// Lines "l0", "l1", ... joined by CR LF.
std::string textOf(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += (i ? "\r\n" : "") + std::string("l") + std::to_string(i);
    return text;
}

PanePager pagerOf(BookScreen screen)
{
    const ScreenSettings& s = screenSettings(screen);
    return PanePager(s.paneRows, s.paneLastBase, s.paneStep);
}

TEST(PanePager, EachScreenStopsAndPagesByItsOwnWindow)
{
    enum Move { Down, Up, LineDown, LineUp };
    const struct {
        const char* name;
        BookScreen screen;
        int count;
        int last;
        Move move;
        std::vector<int> tops; // after each move until nothing happens
    } cases[] = {
        {"articles, 6", BookScreen::Frm14, 6, 0, Down, {}},
        {"articles, 14, page down", BookScreen::Frm14, 14, 8, Down, {5, 8}},
        {"articles, 14, line down", BookScreen::Frm64, 14, 8, LineDown, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"body frm7, 20", BookScreen::Frm7, 20, 12, Down, {7, 12}},
        {"body frm63, 8", BookScreen::Frm63, 8, 0, LineDown, {}},
        {"run frm410, 20", BookScreen::Frm410, 20, 14, Down, {5, 10, 14}},
        {"run frm410, 6", BookScreen::Frm410, 6, 0, Down, {}},
        {"run frm410, 7", BookScreen::Frm410, 7, 1, LineDown, {1}},
        {"empty", BookScreen::Frm7, 0, 0, LineDown, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PanePager p = pagerOf(c.screen);
        p.setCount(c.count);
        EXPECT_EQ(p.last(), c.last);
        std::vector<int> tops;
        auto move = [&] {
            switch (c.move) {
            case Down: return p.pageDown();
            case Up: return p.pageUp();
            case LineDown: return p.lineDown();
            case LineUp: return p.lineUp();
            }
            return false;
        };
        while (move())
            tops.push_back(p.top());
        EXPECT_EQ(tops, c.tops);
        EXPECT_FALSE(p.lineDown());
    }
}

TEST(PanePager, PagingBackFromTheEndAndResetting)
{
    PanePager p = pagerOf(BookScreen::Frm14);
    p.setCount(14);
    while (p.pageDown()) {
    }
    ASSERT_EQ(p.top(), 8);
    std::vector<int> tops;
    while (p.pageUp())
        tops.push_back(p.top());
    EXPECT_EQ(tops, (std::vector<int>{3, 0}));
    EXPECT_FALSE(p.lineUp());
    p.lineDown();
    p.reset();
    EXPECT_EQ(p.count(), 0);
    EXPECT_EQ(p.top(), 0);
    EXPECT_EQ(p.last(), 0);
    EXPECT_TRUE(p.window().empty());
}

TEST(BodyWindow, ShowsTheTopLineThenFramedLines)
{
    const ScreenSettings& s = screenSettings(BookScreen::Frm7);
    BodyWindow w(s.paneRows, s.paneLastBase, s.paneStep);
    w.setText(textOf(20));
    EXPECT_EQ(w.shown(), "l0\r\n l1 \r\n l2 \r\n l3 \r\n l4 \r\n l5 \r\n l6 \r\n l7 ");
    w.pageDown();
    w.pageDown();
    ASSERT_EQ(w.pager().top(), 12);
    EXPECT_EQ(w.shown(), "l12\r\n l13 \r\n l14 \r\n l15 \r\n l16 \r\n l17 \r\n l18 \r\n l19 ");
}

TEST(BodyWindow, ArticleRunShowsSixLinesAtItsLastTop)
{
    const ScreenSettings& s = screenSettings(BookScreen::Frm410);
    BodyWindow w(s.paneRows, s.paneLastBase, s.paneStep);
    w.setText(textOf(20));
    EXPECT_EQ(w.pager().window().size(), 9u);
    while (w.pageDown()) {
    }
    EXPECT_EQ(w.pager().top(), 14);
    EXPECT_EQ(w.shown(), "l14\r\n l15 \r\n l16 \r\n l17 \r\n l18 \r\n l19 ");
}

TEST(BodyWindow, TrailingBreakGivesNoEmptyLineAndResetEmpties)
{
    const ScreenSettings& s = screenSettings(BookScreen::Frm63);
    BodyWindow w(s.paneRows, s.paneLastBase, s.paneStep);
    w.setText("a\r\nb\r\n");
    EXPECT_EQ(w.pager().count(), 2);
    EXPECT_EQ(w.shown(), "a\r\n b ");
    w.reset();
    EXPECT_EQ(w.shown(), "");
    EXPECT_EQ(w.pager().count(), 0);
    EXPECT_EQ(w.store().text(), "");
}

TEST(LineStore, WrapsAtBlanksAndKeepsTheTextsOwnBreaks)
{
    const struct {
        const char* name;
        std::string text;
        int limit;
        std::vector<std::string> lines;
    } cases[] = {
        {"empty", "", 100, {}},
        {"fits", "aa bb", 50, {"aa bb"}},
        {"own breaks kept", "aa\r\nbb", 100, {"aa", "bb"}},
        {"trailing break", "aa\r\n", 100, {"aa"}},
        {"empty line inside", "aa\r\n\r\nbb", 100, {"aa", "", "bb"}},
        {"lone LF belongs to its line", "aa\nbb", 100, {"aa\nbb"}},
        // The blank at the break stays on the line, where it takes no room.
        {"wrapped at a blank", "aa bb cc", 50, {"aa bb ", "cc"}},
        {"wrapped twice", "aa bb cc", 40, {"aa ", "bb ", "cc"}},
        {"blank hangs past the edge", "aaaaa bb", 50, {"aaaaa ", "bb"}},
        {"blanks run together", "aa   bb cc", 40, {"aa   ", "bb ", "cc"}},
        {"each line filled", "a b c d e f", 30, {"a b ", "c d ", "e f"}},
        // A word wider than the box is broken inside it.
        {"long word", "abcdefgh", 30, {"abc", "def", "gh"}},
        {"long word after a short one", "ab cdefgh", 30, {"ab ", "cde", "fgh"}},
        {"narrower than one character", "abc", 5, {"a", "b", "c"}},
        {"only blanks", "     ", 20, {"     "}},
        {"blanks before a long word", "  abcdef", 30, {"  a", "bcd", "ef"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LineStore store;
        store.setMeasure(tenEach, c.limit);
        store.setText(c.text);
        EXPECT_EQ(store.lines(), c.lines);
        EXPECT_EQ(store.count(), static_cast<int>(c.lines.size()));
    }
}

// A damaged locator can hand the box megabytes; wrapping must stay in
// proportion to the text, not measure the rest of it for every line.
TEST(LineStore, MeasuresAboutALineForEachLine)
{
    for (const std::string word : {"ab ", "abcdefghijklmnopqrstuvwxyz"}) {
        SCOPED_TRACE(word);
        std::string text;
        while (text.size() < 200000)
            text += word;
        std::size_t measured = 0;
        LineStore store;
        store.setMeasure(
            [&measured](std::string_view s) {
                measured += s.size();
                return 10 * static_cast<int>(s.size());
            },
            300);
        store.setText(text);
        EXPECT_GT(store.count(), 6000);
        EXPECT_LT(measured, 50 * text.size());
    }
}

TEST(LineStore, WithoutAMeasureTheLinesAreTheTextsOwn)
{
    LineStore store;
    store.setText("a very long line indeed\r\nb");
    EXPECT_EQ(store.lines(), (std::vector<std::string>{"a very long line indeed", "b"}));
    // A measure given later wraps the text held.
    store.setMeasure(tenEach, 100);
    EXPECT_EQ(store.lines(), (std::vector<std::string>{"a very ", "long line ", "indeed", "b"}));
    store.setMeasure(tenEach, 0);
    EXPECT_EQ(store.count(), 2);
}

} // namespace
} // namespace ovta
