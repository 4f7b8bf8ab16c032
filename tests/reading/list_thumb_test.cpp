#include "reading/list_thumb.h"

#include <gtest/gtest.h>

#include "reading/letter_index.h"

namespace ovta {
namespace {

TEST(LetterIndex, JumpTablesOfTheTwoSets)
{
    const struct {
        int book, tag, entry;
    } cases[] = {
        {1, 1, 1},  {1, 2, 103},  {1, 17, 0},   {1, 18, 363}, {1, 28, 790}, {2, 1, 1},  {2, 2, 151},
        {2, 17, 0}, {2, 25, 589}, {2, 28, 639}, {3, 2, 0},    {1, 0, 0},    {1, 29, 0}, {2, -4, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(letterEntry(c.book, c.tag), c.entry) << c.book << " " << c.tag;
}

TEST(LetterIndex, EachSetStartsItsLettersInOrder)
{
    for (int book : {1, 2}) {
        int previous = 0;
        for (int tag = 1; tag <= kLetterCount; ++tag) {
            const int e = letterEntry(book, tag);
            if (e == 0)
                continue;
            EXPECT_GT(e, previous) << book << " " << tag;
            previous = e;
        }
    }
}

TEST(ListThumb, EntriesPerPixel)
{
    const struct {
        int count, book, perPixel;
    } cases[] = {
        {800, 1, 4},
        {650, 2, 3},
        {1001, 1, 5},
        {200, 1, 1},
        {399, 2, 1},
        // Below 200 entries N div 200 is 0: counted as 1.
        {199, 1, 1},
        {0, 2, 1},
        // The third set always takes two.
        {800, 3, 2},
        {5, 3, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListThumb(c.count, c.book).entriesPerPixel(), c.perPixel)
            << c.count << " " << c.book;
}

TEST(ListThumb, ThumbFollowsTheTop)
{
    const struct {
        int count, book, top, thumb;
    } cases[] = {
        {800, 1, 0, 76},
        {800, 1, 100, 101},
        {800, 1, 791, 273},
        // Past the track's end the thumb stays at Y1.
        {800, 1, 802, 276},
        {800, 1, 5000, 276},
        // A short list of set 1 moves the thumb one pixel per entry.
        {120, 1, 30, 106},
        {120, 1, 111, 187},
        // Set 3: two entries a pixel, and Y1 from the last top on.
        {300, 3, 100, 126},
        {300, 3, 289, 220},
        {300, 3, 290, 276},
        {300, 3, 291, 276},
    };
    for (const auto& c : cases) {
        const ListThumb thumb(c.count, c.book);
        EXPECT_EQ(thumb.thumbTop(c.top, c.count - 10), c.thumb)
            << c.count << " " << c.book << " " << c.top;
    }
}

TEST(ListThumb, DragSetsTheTopAndAStepFollows)
{
    const ListThumb thumb(800, 1); // 4 a pixel, L = 790
    const struct {
        int y;
        ListThumb::Drag drag;
    } cases[] = {
        {276, {276, 790, +1}}, {300, {276, 790, +1}}, {76, {76, 1, -1}},    {10, {76, 1, -1}},
        {77, {-1, 4, +1}},     {176, {-1, 400, +1}},  {275, {-1, 791, +1}},
    };
    for (const auto& c : cases) {
        const auto d = thumb.drag(c.y, 790);
        EXPECT_EQ(d.thumbTop, c.drag.thumbTop) << c.y;
        EXPECT_EQ(d.top, c.drag.top) << c.y;
        EXPECT_EQ(d.step, c.drag.step) << c.y;
    }
    // Lowered to L + 1.
    EXPECT_EQ(ListThumb(800, 1).drag(275, 500).top, 501);
}

} // namespace
} // namespace ovta
