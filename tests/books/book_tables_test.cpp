#include "books/book_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace ovta {
namespace {

TEST(BookTables, BooksChosenByNumberReadTheirOwnFiles)
{
    const struct {
        const char* name;
        BookScreen screen;
        int number;
        std::string tree, titles, bodies, groupMap, numbers;
        std::int64_t base;
        std::vector<int> title;
    } cases[] = {
        // frm7 from the section home that sets CurrentBook 6.
        {"frm7 6",
         BookScreen::Frm7,
         6,
         "data\\1kenor51",
         "data\\kenor52",
         "data\\kenor53",
         "",
         "",
         0,
         {54}},
        {"frm7 2",
         BookScreen::Frm7,
         2,
         "data\\1kenor313",
         "data\\kenor314",
         "data\\kenor315",
         "",
         "",
         0,
         {57}},
        {"frm7 17",
         BookScreen::Frm7,
         17,
         "data\\1kenor81",
         "data\\kenor82",
         "data\\kenor83",
         "",
         "",
         0,
         {72}},
        // The group map follows the article number list in frm43's naming.
        {"frm43 1",
         BookScreen::Frm43,
         1,
         "data\\1kenor413",
         "data\\kenor414",
         "",
         "data\\1kenor416",
         "data\\1kenor415",
         4782,
         {1}},
        {"frm43 10",
         BookScreen::Frm43,
         10,
         "data\\1kenor449",
         "data\\kenor450",
         "",
         "data\\1kenor452",
         "data\\1kenor451",
         3906,
         {10}},
        {"frm410 0",
         BookScreen::Frm410,
         0,
         "data\\1kenor454",
         "data\\kenor453",
         "",
         "",
         "",
         0,
         {50, 44}},
        {"frm410 3",
         BookScreen::Frm410,
         3,
         "data\\1kenor460",
         "data\\kenor459",
         "",
         "",
         "",
         8060,
         {50, 53, 47}},
        {"frm410 11",
         BookScreen::Frm410,
         11,
         "data\\1kenor476",
         "data\\kenor475",
         "",
         "",
         "",
         35450,
         {51, 48}},
        // The one-book screens ignore the number.
        {"frm14",
         BookScreen::Frm14,
         99,
         "data\\1kenor117",
         "data\\kenor116",
         "",
         "data\\1kenor111",
         "data\\1kenor110",
         0,
         {101}},
        {"frm64",
         BookScreen::Frm64,
         -4,
         "data\\1kenor614",
         "data\\kenor613",
         "",
         "data\\1kenor616",
         "data\\1kenor615",
         0,
         {100}},
        {"frm63",
         BookScreen::Frm63,
         0,
         "data\\1kenor69",
         "data\\kenor610",
         "data\\kenor611",
         "",
         "",
         0,
         {86}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BookInfo b = bookInfo(c.screen, c.number);
        EXPECT_TRUE(b.exists);
        EXPECT_EQ(b.files.tree, c.tree);
        EXPECT_EQ(b.files.titles, c.titles);
        EXPECT_EQ(b.files.bodies, c.bodies);
        EXPECT_EQ(b.files.groupMap, c.groupMap);
        EXPECT_EQ(b.files.articleNumbers, c.numbers);
        EXPECT_EQ(b.base, c.base);
        EXPECT_EQ(b.titleEntries, c.title);
    }
}

TEST(BookTables, SharedFilesOfTheArticleScreens)
{
    const BookInfo frm14 = bookInfo(BookScreen::Frm14, 0);
    EXPECT_EQ(frm14.files.articleIndex, "data\\1kenor115");
    EXPECT_EQ(frm14.files.articleTitles, "data\\kenor114");
    const BookInfo frm64 = bookInfo(BookScreen::Frm64, 0);
    EXPECT_EQ(frm64.files.articleIndex, "data\\1kenor621");
    EXPECT_EQ(frm64.files.articleTitles, "data\\kenor617");
    for (int book : {1, 7}) {
        const BookInfo b = bookInfo(BookScreen::Frm43, book);
        EXPECT_EQ(b.files.articleIndex, "data\\1kenor47");
        EXPECT_EQ(b.files.articleTitles, "data\\kenor46");
        EXPECT_EQ(b.files.locators, "data\\1kenor44");
        EXPECT_EQ(b.files.articleTexts, "data\\kenor45");
    }
    const BookInfo frm63 = bookInfo(BookScreen::Frm63, 0);
    EXPECT_EQ(frm63.files.segments, "data\\1kenor612");
    EXPECT_EQ(frm63.files.sound, "data1\\kenor01.wav");
    EXPECT_EQ(bookInfo(BookScreen::Frm410, 5).files.locators, "data\\1kenor44");
}

TEST(BookTables, NumbersOutsideATableGiveABookWithoutFiles)
{
    const struct {
        BookScreen screen;
        int number;
    } cases[] = {
        {BookScreen::Frm43, 0},   {BookScreen::Frm43, 11},      {BookScreen::Frm7, 0},
        {BookScreen::Frm7, 18},   {BookScreen::Frm7, -1},       {BookScreen::Frm410, -1},
        {BookScreen::Frm410, 12}, {BookScreen::Frm43, 1 << 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(screenSettings(c.screen).name) + " " + std::to_string(c.number));
        const BookInfo b = bookInfo(c.screen, c.number);
        EXPECT_FALSE(b.exists);
        EXPECT_TRUE(b.files.tree.empty());
        EXPECT_TRUE(b.files.titles.empty());
        EXPECT_TRUE(b.files.articleIndex.empty());
        EXPECT_TRUE(b.files.locators.empty());
        EXPECT_TRUE(b.titleEntries.empty());
    }
}

// A copied row would make two books show the same headings.
TEST(BookTables, NoTwoBooksOfAScreenShareATreeOrTitles)
{
    const struct {
        BookScreen screen;
        int first, last;
    } screens[] = {
        {BookScreen::Frm43, 1, 10}, {BookScreen::Frm7, 1, 17}, {BookScreen::Frm410, 0, 11}};
    std::set<std::string> seen;
    for (const auto& s : screens) {
        for (int n = s.first; n <= s.last; ++n) {
            const BookInfo b = bookInfo(s.screen, n);
            for (const std::string& name : {b.files.tree, b.files.titles, b.files.bodies,
                                            b.files.groupMap, b.files.articleNumbers}) {
                if (!name.empty()) {
                    EXPECT_TRUE(seen.insert(name).second) << name << " again in book " << n;
                }
            }
        }
    }
}

TEST(BookTables, ArticleRunBooksStartWhereTheReferencesSayTheyDo)
{
    for (int n = 0; n <= 11; ++n)
        EXPECT_EQ(bookInfo(BookScreen::Frm410, n).base, kBookBase[static_cast<std::size_t>(n)]);
    EXPECT_EQ(kBookBase[12], 35900);
    EXPECT_EQ(kBookBase[13], 36050);
}

} // namespace
} // namespace ovta
