#include "store/data_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "store/errors.h"
#include "support/fifo_stand_in.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::FixtureDir;
constexpr auto kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// 0..4 "hello", 5..6 CR LF, 7..11 "world", 12 a zero byte, 13..16 "tail".
const std::string kArticles("hello\r\nworld\0tail", 17);

TEST(DataFile, CutsTextsByOffsetAndLength)
{
    struct Case {
        std::int64_t offset;
        std::int64_t length;
        std::string text;
    };
    const std::vector<Case> cases = {
        {0, 0, ""},
        {0, 5, "hello"},
        {0, 7, "hello\r\n"},
        {7, 5, "world"},
        {3, 6, "lo\r\nwo"},
        {7, 10, "world"},  // the zero byte ends the text
        {12, 5, ""},
        {13, 4, "tail"},
        {13, 100, "tail"},  // past the end: what is there
        {16, 1, "l"},
        {17, 1, ""},
        {1000, 5, ""},
        {-1, 5, ""},
        {kInt64Max, 1, ""},
        {0, kInt32Max, "hello\r\nworld"},
        {13, kInt64Max, "tail"},
    };
    FixtureDir content;
    content.write("data/kenor09", kArticles);
    const auto file = DataFile::open(ContentDir(content.path()), "data\\kenor09");
    ASSERT_TRUE(file.valid());
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " length " << c.length);
        EXPECT_EQ(file.read(c.offset, c.length), c.text);
    }
}

TEST(DataFile, HugeLengthFromDamagedContentReservesOnlyWhatTheFileHolds)
{
    FixtureDir content;
    content.write("data/kenor09", kArticles);
    const auto file = DataFile::open(ContentDir(content.path()), "data\\kenor09");
    // A buffer sized by the length would keep its capacity after the cut.
    const auto text = file.read(13, kInt32Max);
    EXPECT_EQ(text, "tail");
    EXPECT_LT(text.capacity(), 4096u);
}

TEST(DataFile, TextsKeepNoMoreMemoryThanTheirBytesWhateverLengthIsAsked)
{
    // Thousands of titles are kept for a screen's life: one that asks for the
    // rest of a large file must not hold a buffer that size after the cut.
    const std::string filler(1024 * 1024, 'f');
    const std::string longText(150 * 1024, 'x');
    FixtureDir content;
    content.write("data/kenor02", std::string("short", 5) + '\0' + filler + '\0' + longText + '\0' +
                                      filler + '\0' + "to the end");
    const auto file = DataFile::open(ContentDir(content.path()), "data\\kenor02");
    const std::int64_t longAt = 5 + 1 + static_cast<std::int64_t>(filler.size()) + 1;
    const std::int64_t endAt =
        longAt + static_cast<std::int64_t>(longText.size() + 1 + filler.size() + 1);
    struct Case {
        std::int64_t offset;
        std::int64_t length;
        std::string text;
    };
    const std::vector<Case> cases = {
        {0, kInt32Max, "short"},
        {0, kInt64Max, "short"},
        {longAt, kInt32Max, longText},
        {endAt, kInt32Max, "to the end"},
        {longAt + 10, 100, std::string(100, 'x')},
    };
    const std::size_t smallest = std::string().capacity();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " length " << c.length);
        const auto text = file.read(c.offset, c.length);
        EXPECT_EQ(text, c.text);
        EXPECT_LE(text.capacity(), std::max(text.size(), smallest));
    }
}

TEST(DataFile, NegativeLengthIsARangeErrorNamingTheFile)
{
    FixtureDir content;
    content.write("data/kenor09", kArticles);
    const ContentDir dir(content.path());
    for (const char* name : {"data\\kenor09", "data\\missing"}) {
        SCOPED_TRACE(name);
        const auto file = DataFile::open(dir, name);
        try {
            file.read(0, -1);
            ADD_FAILURE() << "no error";
        } catch (const RangeError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "\"" + std::string(name) + "\": negative text length -1");
        }
    }
}

TEST(DataFile, FailedOpenGivesAnInvalidHandleThatReadsNothing)
{
    FixtureDir content;
    FixtureDir outside;
    outside.write("secret", "secret");
    content.write("data/kenor09", kArticles);
    std::filesystem::create_directories(content.path() / "data/adir");
    std::filesystem::create_symlink(outside.path() / "secret", content.path() / "data/link");
    const test::FifoStandIn fifo(content.path() / "data/fifo");
    const ContentDir dir(content.path());
    // A FIFO must neither block the open nor be read.
    for (const char* name :
         {"data\\missing", "data\\adir", "data\\link", "data\\fifo", "..\\secret", ""}) {
        SCOPED_TRACE(name);
        const auto file = DataFile::open(dir, name);
        EXPECT_FALSE(file.valid());
        EXPECT_EQ(file.name(), name);
        EXPECT_EQ(file.read(0, 6), "");
    }
    EXPECT_EQ(fifo.opens(), 0);
    EXPECT_FALSE(DataFile().valid());
    EXPECT_EQ(DataFile().read(0, 5), "");
}

TEST(DataFile, OpensByCaseInsensitiveName)
{
    FixtureDir content;
    content.write("Data/KENOR09", kArticles);
    const auto file = DataFile::open(ContentDir(content.path()), "data\\kenor09");
    ASSERT_TRUE(file.valid());
    EXPECT_EQ(file.read(7, 5), "world");
}

TEST(DataFile, MovesItsHandle)
{
    FixtureDir content;
    content.write("data/a", "first");
    content.write("data/b", "second");
    const ContentDir dir(content.path());
    auto a = DataFile::open(dir, "data\\a");
    DataFile moved(std::move(a));
    EXPECT_FALSE(a.valid());
    EXPECT_EQ(a.read(0, 5), "");
    EXPECT_EQ(moved.read(0, 5), "first");
    moved = DataFile::open(dir, "data\\b");
    EXPECT_EQ(moved.name(), "data\\b");
    EXPECT_EQ(moved.read(0, 6), "second");
    EXPECT_EQ(moved.read(0, 6), "second");
}

TEST(DataFile, SeesTheFileAsItIsAtEachRead)
{
    // The file is shared: bytes written after the open are read through the same handle.
    FixtureDir content;
    const auto path = content.write("data/kenor09", "abc");
    const auto file = DataFile::open(ContentDir(content.path()), "data\\kenor09");
    EXPECT_EQ(file.read(0, 10), "abc");
    std::ofstream(path, std::ios::binary | std::ios::app) << "def";
    EXPECT_EQ(file.read(0, 10), "abcdef");
}

}  // namespace
}  // namespace ovta
