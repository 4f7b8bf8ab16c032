#include "books/passages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reading/content_records.h"
#include "store/errors.h"

namespace ovta {
namespace {

using test::fields;

// Segments 1..count, segment s from 1000 s to 1000 s + 500.
IndexList segments(int count)
{
    std::string list;
    for (int s = 1; s <= count; ++s)
        list += fields({1000 * s, 1000 * s + 500});
    return IndexList::fromBytes("data\\1kenor612", list);
}

TEST(Passages, ANodesSegmentsBecomeNumberedItems)
{
    Passages p;
    p.fill(segments(5), 2, 4, "W", "caption");
    EXPECT_EQ(p.items(), (std::vector<std::string>{"1 W", "2 W", "3 W"}));
    EXPECT_EQ(p.passages(), (std::vector<Passage>{{2000, 2500}, {3000, 3500}, {4000, 4500}}));
    EXPECT_EQ(p.text(), "caption");
    EXPECT_EQ(p.name(), "caption");

    EXPECT_EQ(p.pick(1), (Passage{3000, 3500}));
    EXPECT_EQ(p.text(), "2 W");
    EXPECT_EQ(p.name(), "2 W");
    EXPECT_THROW(p.pick(3), RangeError);
    EXPECT_THROW(p.pick(-1), RangeError);

    p.setText("typed");
    EXPECT_EQ(p.name(), "typed");
}

TEST(Passages, NodesWithoutPassagesEmptyTheChooser)
{
    const struct {
        const char* name;
        int first, last;
    } cases[] = {{"first 0", 0, 3}, {"last before first", 3, 2}, {"both 0", 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Passages p;
        p.fill(segments(5), 1, 2, "W", "old");
        p.fill(segments(5), c.first, c.last, "W", "new");
        EXPECT_TRUE(p.items().empty());
        EXPECT_EQ(p.text(), "");
        EXPECT_EQ(p.name(), "");
    }
}

TEST(Passages, AFourteenthPassageIsARangeErrorKeepingThirteen)
{
    Passages p;
    EXPECT_NO_THROW(p.fill(segments(20), 1, 13, "W", "c"));
    EXPECT_EQ(p.items().size(), 13u);
    try {
        p.fill(segments(20), 3, 16, "W", "c");
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("holds 13 entries; segment 16 of index list data\\1kenor612"),
                  std::string::npos)
            << text;
    }
    EXPECT_EQ(p.items().size(), 13u);
    EXPECT_EQ(p.items().back(), "13 W");
    EXPECT_EQ(p.passages().back(), (Passage{15000, 15500}));
    EXPECT_EQ(p.text(), "c");
}

TEST(Passages, SegmentsOutsideTheListStopTheFilling)
{
    Passages p;
    EXPECT_THROW(p.fill(segments(3), 2, 5, "W", "c"), ConversionError);
    EXPECT_EQ(p.items().size(), 2u);
    EXPECT_THROW(p.fill(segments(3), -1, 1, "W", "c"), ConversionError);
    EXPECT_TRUE(p.items().empty());
}

TEST(Passages, ClearingItemsKeepsTheText)
{
    Passages p;
    p.fill(segments(3), 1, 3, "W", "c");
    p.clearItems();
    EXPECT_TRUE(p.items().empty());
    EXPECT_EQ(p.text(), "c");
    EXPECT_THROW(p.pick(0), RangeError);
    p.clearText();
    EXPECT_EQ(p.text(), "");
    EXPECT_EQ(p.name(), "");
}

} // namespace
} // namespace ovta
