// The four moves of the page viewer's button bar: pages by two, chapter
// jumps, the exact stops at pages 1 and 603 and chapters 1 and 114, and
// how the chapter follows the page.
#include "pages/page_position.h"

#include <gtest/gtest.h>

#include "pages/chapter_index.h"
#include "pages/page_fixture.h"
#include "store/index_list.h"

namespace ovta {
namespace {

ChapterIndex chaptersStartingAt(const std::vector<int>& firstPages)
{
    ChapterIndex index;
    index.readZones(IndexList::fromBytes("zones", test::zoneRecords(test::gridZones())));
    index.readFirstPages(IndexList::fromBytes("pages", test::firstPageFields(firstPages)));
    return index;
}

enum Move { NextPage, PreviousPage, NextChapter, PreviousChapter };

bool move(PagePosition& at, const ChapterIndex& chapters, Move m)
{
    switch (m) {
    case NextPage: return at.nextPage(chapters);
    case PreviousPage: return at.previousPage(chapters);
    case NextChapter: return at.nextChapter(chapters);
    case PreviousChapter: return at.previousChapter(chapters);
    }
    return false;
}

const char* name(Move m)
{
    static const char* names[] = {"next page", "previous page", "next chapter", "previous chapter"};
    return names[m];
}

struct Step {
    Move move;
    bool moved;
    int page, chapter; // after the move
};

struct Walk {
    const char* what;
    int open; // the chapter opened first
    std::vector<Step> steps;
};

void walk(const ChapterIndex& chapters, const Walk& w)
{
    PagePosition at;
    at.openChapter(chapters, w.open);
    int i = 0;
    for (const Step& s : w.steps) {
        EXPECT_EQ(move(at, chapters, s.move), s.moved)
            << w.what << ", step " << i << ": " << name(s.move);
        EXPECT_EQ(at.page(), s.page) << w.what << ", step " << i << ": " << name(s.move);
        EXPECT_EQ(at.chapter(), s.chapter) << w.what << ", step " << i << ": " << name(s.move);
        ++i;
    }
}

TEST(PagePosition, StartsOnPageOneOfChapterOne)
{
    PagePosition at;
    at.openChapter(chaptersStartingAt(test::spreadFirstPages()), 7);
    at.reset();
    EXPECT_EQ(at.page(), 1);
    EXPECT_EQ(at.chapter(), 1);
}

// Chapters 1..100 start at 1, 5, ..., 397; 101..114 at 411, 425, ..., 593.
TEST(PagePosition, MovesAndTheirExactStops)
{
    const ChapterIndex chapters = chaptersStartingAt(test::spreadFirstPages());
    const Walk walks[] = {
        {"opening a chapter shows its first page", 10, {}},
        {"paging over a chapter's end",
         1,
         {{NextPage, true, 3, 1},
          {NextPage, true, 5, 2},
          {NextChapter, true, 9, 3},
          {PreviousPage, true, 7, 2},
          {PreviousChapter, true, 1, 1}}},
        {"paging back from a chapter's first page",
         3,
         {{PreviousPage, true, 7, 2}, {PreviousChapter, true, 1, 1}}},
        {"page 1 and chapter 1 stop the backward moves",
         1,
         {{PreviousPage, false, 1, 1}, {PreviousChapter, false, 1, 1}}},
        {"chapter 1 stops the previous chapter off page 1",
         1,
         {{NextPage, true, 3, 1}, {PreviousChapter, false, 3, 1}, {PreviousPage, true, 1, 1}}},
        {"chapter 114 stops the next chapter",
         114,
         {{NextChapter, false, 593, 114},
          {NextPage, true, 595, 114},
          {PreviousChapter, true, 579, 113}}},
        {"page 603 stops the next moves",
         114,
         {{NextPage, true, 595, 114},
          {NextPage, true, 597, 114},
          {NextPage, true, 599, 114},
          {NextPage, true, 601, 114},
          {NextPage, true, 603, 114},
          {NextPage, false, 603, 114},
          {NextChapter, false, 603, 114},
          {PreviousPage, true, 601, 114}}},
        {"back over the long chapters into the short ones",
         101,
         {{PreviousPage, true, 409, 100},
          {PreviousPage, true, 407, 100},
          {PreviousPage, true, 405, 100},
          {PreviousChapter, true, 393, 99}}},
    };
    for (const Walk& w : walks) {
        PagePosition at;
        at.openChapter(chapters, w.open);
        EXPECT_EQ(at.page(), chapters.firstPage(w.open)) << w.what;
        EXPECT_EQ(at.chapter(), w.open) << w.what;
        walk(chapters, w);
    }
}

// Chapters that begin on one page: the chapter follows the page over all
// of them, forward and back, so the chapter jumps that follow go on from
// the chapter really shown.
TEST(PagePosition, ChaptersSharingAFirstPagePassAsOne)
{
    std::vector<int> pages = test::spreadFirstPages();
    pages[2] = 9; // chapters 3, 4 and 5 all begin on page 9; 6 on 21
    pages[3] = 9;
    pages[4] = 9;
    const ChapterIndex chapters = chaptersStartingAt(pages);
    walk(chapters, {"forward onto the shared page",
                    2,
                    {{NextPage, true, 7, 2},
                     {NextPage, true, 9, 5},
                     {NextChapter, true, 21, 6},
                     {PreviousChapter, true, 9, 5},
                     {PreviousPage, true, 7, 2},
                     {PreviousChapter, true, 1, 1}}});
    // The three last chapters on the last page, as a closing page holds
    // several short ones.
    pages = test::spreadFirstPages();
    pages[110] = 599;
    pages[111] = 603;
    pages[112] = 603;
    pages[113] = 603;
    const ChapterIndex closing = chaptersStartingAt(pages);
    walk(closing, {"onto the last page",
                   111,
                   {{NextPage, true, 601, 111},
                    {NextPage, true, 603, 114},
                    {NextChapter, false, 603, 114},
                    {PreviousPage, true, 601, 111}}});
}

// First pages that are not odd numbers of 1..603 (damaged content): no
// move steps past either end, and no move leaves the chapters described.
TEST(PagePosition, OddContentNeverRunsOffTheEnds)
{
    std::vector<int> pages = test::spreadFirstPages();
    pages[0] = 2;        // chapter 1 on an even page
    pages[1] = 604;      // chapter 2 past the last page
    pages[2] = 99999999; // the largest 8-character field
    pages[3] = -9;
    const ChapterIndex chapters = chaptersStartingAt(pages);
    const Walk walks[] = {
        {"an even first page stops short of 0",
         1,
         {{PreviousPage, false, 2, 1}, {PreviousChapter, false, 2, 1}, {NextPage, true, 4, 1}}},
        {"a page past 603 goes no further",
         2,
         {{NextPage, false, 604, 2}, {NextChapter, false, 604, 2}, {PreviousPage, true, 602, 1}}},
        {"the largest field goes no further", 3, {{NextPage, false, 99999999, 3}}},
        {"a negative first page",
         4,
         {{PreviousPage, false, -9, 4}, {PreviousChapter, false, -9, 4}, {NextPage, true, -7, 4}}},
    };
    for (const Walk& w : walks)
        walk(chapters, w);
    // Chapter 1 starting after page 1: paging back to page 1 keeps chapter 1.
    pages = test::spreadFirstPages();
    pages[0] = 5;
    pages[1] = 9;
    walk(
        chaptersStartingAt(pages),
        {"before chapter 1",
         1,
         {{PreviousPage, true, 3, 1}, {PreviousPage, true, 1, 1}, {PreviousChapter, false, 1, 1}}});
}

// With lists cut short, the last chapter described plays chapter 114's part.
TEST(PagePosition, ShortListsEndAtTheLastChapterDescribed)
{
    ChapterIndex chapters;
    chapters.readZones(IndexList::fromBytes("zones", test::zoneRecords(test::gridZones())));
    EXPECT_ANY_THROW(
        chapters.readFirstPages(IndexList::fromBytes("pages", test::firstPageFields({1, 5, 9}))));
    walk(chapters, {"three chapters",
                    3,
                    {{NextChapter, false, 9, 3},
                     {NextPage, true, 11, 3},
                     {NextPage, true, 13, 3},
                     {PreviousChapter, true, 5, 2}}});
}

} // namespace
} // namespace ovta

namespace ovta {
namespace {

// The chapter a page lies in: the last one that begins at or before it.
int chapterOf(const ChapterIndex& chapters, int page)
{
    int chapter = 1;
    while (chapter < chapters.count() && chapters.firstPage(chapter + 1) <= page)
        ++chapter;
    return chapter;
}

// From every chapter, paging to the last page and back to the first: after
// every page step the chapter is the one the page lies in, and the page
// never leaves 1..603.
TEST(PagePosition, AfterEveryPageStepTheChapterIsThePages)
{
    std::vector<int> shared = test::spreadFirstPages();
    for (int k : {10, 11, 12})
        shared[static_cast<std::size_t>(k)] = shared[9]; // chapters 10..13 begin on one page
    shared[50] = shared[49];                             // and 50, 51 on another
    for (int k = 110; k < 114; ++k)
        shared[static_cast<std::size_t>(k)] = 603;
    for (const auto& firstPages : {test::spreadFirstPages(), shared}) {
        const ChapterIndex chapters = chaptersStartingAt(firstPages);
        for (int open = 1; open <= 114; ++open) {
            PagePosition at;
            at.openChapter(chapters, open);
            while (at.nextPage(chapters)) {
                ASSERT_LE(at.page(), 603);
                ASSERT_EQ(at.chapter(), chapterOf(chapters, at.page())) << "forward from " << open;
            }
            EXPECT_EQ(at.page(), 603);
            while (at.previousPage(chapters)) {
                ASSERT_GE(at.page(), 1);
                ASSERT_EQ(at.chapter(), chapterOf(chapters, at.page())) << "back from " << open;
            }
            EXPECT_EQ(at.page(), 1);
            EXPECT_EQ(at.chapter(), 1);
        }
    }
}

} // namespace
} // namespace ovta
