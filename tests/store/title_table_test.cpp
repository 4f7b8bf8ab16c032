#include "store/title_table.h"

#include <gtest/gtest.h>

#include "store/content_dir.h"
#include "store/errors.h"
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
    EXPECT_THROW(table.load(ContentDir(dir.path())), RangeError);
    EXPECT_EQ(table.filled(), 120);
    EXPECT_EQ(table.entry(120), "t120");
    EXPECT_EQ(table.entry(1), "t1");
}

TEST(TitleTable, MissingFileIsAFileErrorNamingItAndLeavesTheTableEmpty)
{
    test::FixtureDir dir;
    TitleTable table;
    try {
        table.load(ContentDir(dir.path()));
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("data\\kenor002"), std::string::npos) << e.what();
    }
    EXPECT_EQ(table.filled(), 0);
    EXPECT_EQ(table.entry(1), "");
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
