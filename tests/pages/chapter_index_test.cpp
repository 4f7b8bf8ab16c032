// The page viewer's chapter lists: zones with strict edges, first pages,
// lists that are short or damaged, and the names of the page pictures.
#include "pages/chapter_index.h"

#include <gtest/gtest.h>

#include "pages/page_fixture.h"
#include "store/errors.h"
#include "store/index_list.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::firstPageFields;
using test::zoneRecords;

ChapterIndex gridIndex()
{
    ChapterIndex index;
    index.readZones(IndexList::fromBytes("zones", zoneRecords(test::gridZones())));
    index.readFirstPages(IndexList::fromBytes("pages", firstPageFields(test::spreadFirstPages())));
    return index;
}

TEST(ChapterIndex, ZoneEdgesBelongToNoZone)
{
    const ChapterIndex index = gridIndex();
    // Chapter 1 lies at 514..640 x 20..39; chapter 2 below it, chapter 24
    // to its left. Shared edges belong to neither.
    struct Case {
        int x, y, chapter;
    } cases[] = {
        {515, 21, 1},
        {639, 38, 1},
        {577, 30, 1}, // inside, one pixel off each edge
        {514, 30, 0},
        {640, 30, 0},
        {577, 20, 0}, // on the left, right and top edges
        {577, 39, 0}, // the edge chapters 1 and 2 share
        {577, 40, 2},
        {513, 30, 24},
        {388, 30, 0}, // next one down; next column; its left edge
        {100, 19, 0},
        {100, 500, 0},
        {-5, -5, 0}, // above the grid, below it, off the picture
        {77, 20 + 19 * 21 + 5, 114},
        {77, 20 + 19 * 22 + 5, 0}, // the last zone; no 115th
    };
    for (const Case& c : cases)
        EXPECT_EQ(index.zoneAt(c.x, c.y), c.chapter) << c.x << "," << c.y;
}

TEST(ChapterIndex, FirstZoneInOrderWinsWhereZonesOverlap)
{
    ChapterIndex index;
    std::vector<ZoneRect> zones(ChapterIndex::kChapters, ZoneRect{});
    zones[4] = {0, 0, 100, 100};
    zones[2] = {50, 50, 200, 200};
    index.readZones(IndexList::fromBytes("zones", zoneRecords(zones)));
    index.readFirstPages(IndexList::fromBytes("pages", firstPageFields(std::vector<int>(114, 1))));
    EXPECT_EQ(index.zoneAt(60, 60), 3);
    EXPECT_EQ(index.zoneAt(10, 10), 5);
    EXPECT_EQ(index.zone(3), (ZoneRect{50, 50, 200, 200}));
    // An empty or inverted rectangle holds nothing.
    EXPECT_EQ(index.zoneAt(0, 0), 0);
}

TEST(ChapterIndex, ReadsBothListsFromTheContentDirectory)
{
    test::FixtureDir dir;
    dir.write(ChapterIndex::kZoneList, zoneRecords(test::gridZones()) + "\r\n");
    dir.write(ChapterIndex::kFirstPageList, firstPageFields(test::spreadFirstPages()));
    ChapterIndex index;
    index.load(ContentDir(dir.path()));
    EXPECT_EQ(index.count(), 114);
    EXPECT_EQ(index.firstPage(1), 1);
    EXPECT_EQ(index.firstPage(100), 397);
    EXPECT_EQ(index.firstPage(114), 593);
    EXPECT_EQ(index.zone(114), (ZoneRect{10, 419, 136, 438}));
    EXPECT_EQ(index.firstPage(0), 0) << "outside 1..114: nothing";
    EXPECT_EQ(index.firstPage(115), 0);
    EXPECT_EQ(index.zone(115), ZoneRect{});
}

// A list cut short keeps the chapters before the cut; only chapters both
// lists describe can be found, and the failure names the list.
TEST(ChapterIndex, ShortOrDamagedListsKeepTheChaptersBeforeTheFault)
{
    const std::string zones = zoneRecords(test::gridZones());
    const std::string pages = firstPageFields(test::spreadFirstPages());
    struct Case {
        const char* what;
        std::string zoneBytes;
        std::string pageBytes;
        bool conversion; // else a file error
        int count;
        const char* named;
    } cases[] = {
        {"zones cut inside record 41", zones.substr(0, 32 * 40 + 20), pages, true, 40,
         "\"data\\1kenor67\": field"},
        {"first pages end after 7 fields", zones, pages.substr(0, 8 * 7), true, 7,
         "\"data\\1kenor68\": field"},
        {"a letter in chapter 3's first page", zones,
         pages.substr(0, 16) + "00000x05" + pages.substr(24), true, 2, "\"data\\1kenor68\""},
        {"a line break inside the zone records",
         zones.substr(0, 32 * 5) + "\r\n" + zones.substr(32 * 5), pages, true, 5,
         "\"data\\1kenor67\""},
        {"no zone list", "", pages, false, 0, "\"data\\1kenor67\": cannot be opened"},
    };
    for (const Case& c : cases) {
        test::FixtureDir dir;
        if (!c.zoneBytes.empty())
            dir.write(ChapterIndex::kZoneList, c.zoneBytes);
        dir.write(ChapterIndex::kFirstPageList, c.pageBytes);
        ChapterIndex index;
        try {
            index.load(ContentDir(dir.path()));
            ADD_FAILURE() << c.what << ": no error";
        } catch (const ConversionError& e) {
            EXPECT_TRUE(c.conversion) << c.what << ": " << e.what();
            EXPECT_EQ(std::string(e.what()).rfind(c.named, 0), 0u) << c.what << ": " << e.what();
        } catch (const FileError& e) {
            EXPECT_FALSE(c.conversion) << c.what << ": " << e.what();
            EXPECT_EQ(std::string(e.what()).rfind(c.named, 0), 0u) << c.what << ": " << e.what();
        }
        EXPECT_EQ(index.count(), c.count) << c.what;
        const int inLast = c.count == 0 ? 0 : c.count;
        if (c.count > 0) {
            const ZoneRect z = index.zone(inLast);
            EXPECT_EQ(index.zoneAt(z.left + 1, z.top + 1), inLast) << c.what;
        }
        const ZoneRect beyond = test::gridZones()[static_cast<std::size_t>(c.count)];
        EXPECT_EQ(index.zoneAt(beyond.left + 1, beyond.top + 1), 0)
            << c.what << ": a chapter past the fault cannot be opened";
    }
}

TEST(ChapterIndex, LoadingAgainForgetsTheChaptersOfTheLastLoad)
{
    test::FixtureDir dir;
    dir.write(ChapterIndex::kZoneList, zoneRecords(test::gridZones()));
    dir.write(ChapterIndex::kFirstPageList, firstPageFields(test::spreadFirstPages()));
    ChapterIndex index;
    index.load(ContentDir(dir.path()));
    test::FixtureDir empty;
    EXPECT_THROW(index.load(ContentDir(empty.path())), FileError);
    EXPECT_EQ(index.count(), 0);
    EXPECT_EQ(index.zoneAt(577, 30), 0);
}

TEST(ChapterIndex, PagePicturesHaveThreeDigitNames)
{
    struct Case {
        int page;
        const char* name;
    } cases[] = {
        {1, "data1\\page001.bmp"},
        {45, "data1\\page045.bmp"},
        {99, "data1\\page099.bmp"},
        {100, "data1\\page100.bmp"},
        {603, "data1\\page603.bmp"},
        {0, "data1\\page000.bmp"},
        {1001, "data1\\page1001.bmp"},
        {-7, "data1\\page-007.bmp"},
        {-2147483647 - 1, "data1\\page-2147483648.bmp"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pagePictureName(c.page), c.name) << c.page;
}

} // namespace
} // namespace ovta
