#include "store/title_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "store/content_dir.h"
#include "store/errors.h"
#include "support/fifo_stand_in.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

std::string lines(int count, const char* breakText = "\r\n")
{
    std::string text;
    for (int k = 1; k <= count; ++k)
        text += "t" + std::to_string(k) + breakText;
    return text;
}

TEST(TitleTable, FillsEntriesFromLinesAndLeavesTheRestEmpty)
{
    struct Case {
        const char* name;
        std::string bytes;
        int filled;
    } cases[] = {
        {"three lines", lines(3), 3},
        {"exactly 120", lines(120), 120},
        {"LF breaks", lines(5, "\n"), 5},
        {"CR breaks", lines(5, "\r"), 5},
        {"no final break", "t1\r\nt2", 2},
        {"empty file", "", 0},
    };
    for (const auto& c : cases) {
        test::FixtureDir dir;
        dir.write("data\\kenor002", c.bytes);
        TitleTable table;
        table.load(ContentDir(dir.path()));
        EXPECT_EQ(table.filled(), c.filled) << c.name;
        for (int k = 1; k <= c.filled; ++k)
            EXPECT_EQ(table.entry(k), "t" + std::to_string(k)) << c.name << " entry " << k;
        for (int k = c.filled + 1; k <= TitleTable::Size; ++k)
            EXPECT_EQ(table.entry(k), "") << c.name << " entry " << k;
    }
}

TEST(TitleTable, EmptyLinesKeepTheirPlace)
{
    test::FixtureDir dir;
    dir.write("data/kenor002", "a\r\n\r\nc\r\n");
    TitleTable table;
    table.load(ContentDir(dir.path()));
    EXPECT_EQ(table.entry(1), "a");
    EXPECT_EQ(table.entry(2), "");
    EXPECT_EQ(table.entry(3), "c");
    EXPECT_EQ(table.filled(), 3);
}

TEST(TitleTable, GlyphBytesAreKeptExactly)
{
    const std::string glyphs("\x41\xC0\xFF\x94 \x20\x01", 7);
    test::FixtureDir dir;
    dir.write("DATA/KENOR002", glyphs + "\r\n");
    TitleTable table;
    table.load(ContentDir(dir.path()));
    EXPECT_EQ(table.entry(1), glyphs);
}

TEST(TitleTable, LineAfterTheLastEntryIsARangeErrorKeepingTheTable)
{
    test::FixtureDir dir;
    dir.write("data\\kenor002", lines(121));
    TitleTable table;
    try {
        table.load(ContentDir(dir.path()));
        ADD_FAILURE() << "no error";
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(), "\"data\\kenor002\": has more than 120 lines");
    }
    EXPECT_EQ(table.filled(), 120);
    EXPECT_EQ(table.entry(120), "t120");
    EXPECT_EQ(table.entry(1), "t1");
}

TEST(TitleTable, FileThatCannotBeOpenedIsAFileErrorNamingItAndLeavesTheTableEmpty)
{
    test::FixtureDir good;
    good.write("data/kenor002", lines(3));
    for (const char* standIn : {"a pipe", "nothing", "a directory"}) {
        SCOPED_TRACE(standIn);
        test::FixtureDir dir;
        std::unique_ptr<test::FifoStandIn> fifo;
        if (standIn == std::string("a directory"))
            std::filesystem::create_directories(dir.path() / "data/kenor002");
        if (standIn == std::string("a pipe"))
            fifo = std::make_unique<test::FifoStandIn>(dir.path() / "data/kenor002");
        TitleTable table;
        table.load(ContentDir(good.path()));
        try {
            table.load(ContentDir(dir.path()));
            ADD_FAILURE() << "no error";
        } catch (const FileError& e) {
            EXPECT_STREQ(e.what(), "\"data\\kenor002\": cannot be opened");
        }
        EXPECT_EQ(table.filled(), 0);
        EXPECT_EQ(table.entry(1), "");
        if (fifo) {
            EXPECT_EQ(fifo->opens(), 0) << "the pipe must not even be opened";
        }
    }
}

TEST(TitleTable, EntriesOutsideTheTableAreEmpty)
{
    TitleTable table;
    EXPECT_EQ(table.entry(0), "");
    EXPECT_EQ(table.entry(121), "");
    EXPECT_EQ(table.entry(-5), "");
}

}  // namespace
}  // namespace ovta
