// The page viewer's demo content: the zone list matches the index table
// and is what the viewer reads, the first pages are odd and rising from 1
// to 603, and the run-length bitmaps of the pages are byte for byte what
// the format prescribes.
#include <gtest/gtest.h>

#include <stdexcept>

#include "demo/page_bitmap.h"
#include "demo/page_lists.h"
#include "demo/page_zones.h"
#include "pages/chapter_index.h"
#include "store/index_list.h"

namespace ovta {
namespace {

ChapterIndex demoChapters()
{
    const auto files = demo::pageListFiles();
    EXPECT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, ChapterIndex::kZoneList);
    EXPECT_EQ(files[1].name, ChapterIndex::kFirstPageList);
    ChapterIndex index;
    index.readZones(IndexList::fromBytes(files[0].name, files[0].bytes));
    index.readFirstPages(IndexList::fromBytes(files[1].name, files[1].bytes));
    return index;
}

TEST(PageDemo, TheZoneListIsTheIndexPicturesTable)
{
    const ChapterIndex index = demoChapters();
    ASSERT_EQ(index.count(), 114);
    for (int k = 1; k <= 114; ++k) {
        const demo::PageZone z = demo::pageZone(k);
        EXPECT_EQ(index.zone(k), (ZoneRect{z.left, z.top, z.right, z.bottom})) << k;
        // Inside the 640x465 picture, the hover frame's width, no overlap.
        EXPECT_GE(z.left, 0);
        EXPECT_LE(z.right, 640);
        EXPECT_GE(z.top, 0);
        EXPECT_LE(z.bottom, 465);
        EXPECT_EQ(z.right - z.left, 126) << k;
        EXPECT_EQ(index.zoneAt((z.left + z.right) / 2, (z.top + z.bottom) / 2), k);
    }
    EXPECT_EQ(demo::pageZone(1).right, 635) << "chapter 1 at the top right";
    EXPECT_EQ(demo::pageZone(24).left, demo::pageZone(1).left - 126) << "the next column leftwards";
}

TEST(PageDemo, FirstPagesAreOddAndRiseFromOneTo603)
{
    const ChapterIndex index = demoChapters();
    EXPECT_EQ(index.firstPage(1), 1);
    EXPECT_EQ(index.firstPage(114), 603);
    for (int k = 1; k <= 114; ++k) {
        const int page = index.firstPage(k);
        EXPECT_EQ(page % 2, 1) << k;
        EXPECT_GE(page, 1);
        EXPECT_LE(page, 603);
        if (k > 1 && k <= 112) {
            EXPECT_GT(page, index.firstPage(k - 1)) << k;
        }
        EXPECT_EQ(demo::chapterOfPage(page), k >= 112 ? 114 : k) << k;
    }
    EXPECT_GT(index.firstPage(2) - index.firstPage(1), index.firstPage(111) - index.firstPage(110))
        << "long chapters first, short ones last";
    EXPECT_EQ(demo::chapterOfPage(601), 111);
}

TEST(PageDemo, RunLengthBitmapBytes)
{
    // 5x2: the top row 1 1 1 2 3, the bottom row four 4s and a 0. Rows go
    // bottom first; 1 1 1 is a run, and 2 3, too short a stretch to write
    // as is, two runs of one.
    demo::IndexedPicture picture{
        5, 2, {0x000000, 0x112233, 0xFF0000, 0x00FF00, 0x0000FF}, {1, 1, 1, 2, 3, 4, 4, 4, 4, 0}};
    const std::string bytes = demo::rle8Bitmap(picture);
    const std::string data("\x04\x04\x01\x00\x00\x00"          // bottom: 4x4, 1x0, end of line
                           "\x03\x01\x01\x02\x01\x03\x00\x01", // top: 3x1, 1x2, 1x3, end
                           14);
    ASSERT_EQ(bytes.size(), 14u + 40 + 5 * 4 + data.size());
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    auto u32 = [&bytes](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
    };
    EXPECT_EQ(u32(2), bytes.size()) << "file size";
    EXPECT_EQ(u32(10), 14u + 40 + 20) << "pixel data offset";
    EXPECT_EQ(u32(18), 5u);
    EXPECT_EQ(u32(22), 2u);
    EXPECT_EQ(u32(28) & 0xFFFF, 8u) << "bits per pixel";
    EXPECT_EQ(u32(30), 1u) << "BI_RLE8";
    EXPECT_EQ(u32(34), data.size());
    EXPECT_EQ(u32(46), 5u) << "colours used";
    EXPECT_EQ(bytes.substr(54 + 4, 4), std::string("\x33\x22\x11\x00", 4)) << "palette as B G R 0";
    EXPECT_EQ(bytes.substr(74), data);

    // A stretch of three or more differing pixels goes as an absolute run.
    demo::IndexedPicture literal{7, 1, {0, 1, 2, 3}, {0, 1, 2, 3, 0, 1, 1}};
    EXPECT_EQ(demo::rle8Bitmap(literal).substr(14 + 40 + 16),
              std::string("\x00\x05\x00\x01\x02\x03\x00\x00\x02\x01\x00\x01", 12));
    // Runs longer than 255 are split.
    demo::IndexedPicture wide{300, 1, {0, 1}, std::vector<std::uint8_t>(300, 1)};
    EXPECT_EQ(demo::rle8Bitmap(wide).substr(14 + 40 + 8),
              std::string("\xFF\x01\x2D\x01\x00\x01", 6));
}

TEST(PageDemo, RunLengthBitmapRefusesPicturesThatDoNotFit)
{
    const demo::IndexedPicture bad[] = {
        {0, 1, {0}, {}},
        {2, 1, {0}, {0}},
        {2, 1, {0}, {0, 1}},
        {1, 1, {}, {0}},
        {1, 1, std::vector<std::uint32_t>(257, 0), {0}},
    };
    for (const auto& picture : bad)
        EXPECT_THROW(demo::rle8Bitmap(picture), std::invalid_argument);
}

} // namespace
} // namespace ovta
