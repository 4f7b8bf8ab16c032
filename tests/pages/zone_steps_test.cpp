// The keys over the index picture's zones: arrows go to the nearest zone
// that way, Home and End to the ends, whatever the zones' edges hold.
#include "pages/zone_steps.h"

#include <gtest/gtest.h>

#include "pages/page_fixture.h"
#include "store/index_list.h"

namespace ovta {
namespace {

template <class F> bool throws(F&& f)
{
    try {
        f();
    } catch (...) {
        return true;
    }
    return false;
}

ChapterIndex index(const std::vector<ZoneRect>& zones)
{
    std::vector<int> pages;
    for (std::size_t k = 0; k < zones.size(); ++k)
        pages.push_back(1 + 2 * static_cast<int>(k));
    // Lists shorter than the full index keep what they hold and throw.
    ChapterIndex chapters;
    EXPECT_EQ(zones.size() < ChapterIndex::kChapters, throws([&] {
                  chapters.readZones(IndexList::fromBytes("zones", test::zoneRecords(zones)));
              }));
    EXPECT_EQ(zones.size() < ChapterIndex::kChapters, throws([&] {
                  chapters.readFirstPages(
                      IndexList::fromBytes("pages", test::firstPageFields(pages)));
              }));
    return chapters;
}

// The grid of the demo index: five columns of 23 from the right edge,
// chapter 1 at the top right, chapter 24 to its left.
TEST(ZoneSteps, ArrowsGoToTheNeighbourThatWayOnTheGrid)
{
    const ChapterIndex grid = index(test::gridZones());
    const struct {
        int from;
        KeyMove move;
        int to;
    } cases[] = {
        {1, KeyMove::Down, 2},     {2, KeyMove::Up, 1},       {1, KeyMove::Up, 1},
        {23, KeyMove::Down, 23},   {1, KeyMove::Left, 24},    {24, KeyMove::Right, 1},
        {1, KeyMove::Right, 1},    {30, KeyMove::Left, 53},   {100, KeyMove::Left, 100},
        {114, KeyMove::Left, 114}, {114, KeyMove::Down, 114}, {114, KeyMove::Right, 91},
        {0, KeyMove::Down, 1},     {0, KeyMove::Left, 1},     {7, KeyMove::Home, 1},
        {7, KeyMove::End, 114},    {7, KeyMove::Enter, 7},    {7, KeyMove::PageDown, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZoneSteps::next(grid, c.from, c.move), c.to)
            << c.from << " move " << static_cast<int>(c.move);
}

TEST(ZoneSteps, AZoneStraightThatWayWinsOverANearerOneAside)
{
    // 1 in the middle; 2 far above it; 3 just above but well to the side.
    const ChapterIndex chapters =
        index({{300, 300, 400, 320}, {300, 100, 400, 120}, {520, 270, 620, 290}});
    EXPECT_EQ(ZoneSteps::next(chapters, 1, KeyMove::Up), 2);
    EXPECT_EQ(ZoneSteps::next(chapters, 1, KeyMove::Right), 3);
}

TEST(ZoneSteps, EdgesAsLargeAsTheNumbersGoAndNoZonesAtAll)
{
    const ChapterIndex wide = index({{0, 0, 10, 10}, {20, -9999999, 99999999, 9999999}});
    EXPECT_EQ(ZoneSteps::next(wide, 1, KeyMove::Right), 2);
    EXPECT_EQ(ZoneSteps::next(wide, 2, KeyMove::Left), 1);
    const ChapterIndex none;
    EXPECT_EQ(ZoneSteps::next(none, 0, KeyMove::Down), 0);
    EXPECT_EQ(ZoneSteps::next(none, 0, KeyMove::End), 0);
}

} // namespace
} // namespace ovta
