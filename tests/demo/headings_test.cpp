#include "demo/headings.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "store/content_dir.h"
#include "demo/glyph_lines_support.h"
#include "search/glyph_chart.h"
#include "search/glyph_encoder.h"
#include "store/title_table.h"
#include "support/fixture_dir.h"

namespace ovta::demo {
namespace {

TEST(Headings, TableHoldsEntries1To120InOrderEachWithItsPlace)
{
    const auto table = headingTable();
    ASSERT_EQ(table.size(), 120u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].entry, static_cast<int>(i + 1));
        EXPECT_FALSE(table[i].arabic.empty()) << table[i].entry;
        EXPECT_FALSE(table[i].shownAt.empty()) << table[i].entry;
    }
}

TEST(Headings, FileHas120CrLfLinesOfChartedGlyphs)
{
    const std::string file = titleTableFile();
    bool ok = false;
    const auto lines = test::crlfSplit(file, ok);
    EXPECT_TRUE(ok) << "a line does not end with CR LF or holds a lone break";
    ASSERT_EQ(lines.size(), 120u);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        SCOPED_TRACE(testing::Message() << "entry " << k + 1);
        EXPECT_FALSE(lines[k].empty());
        EXPECT_EQ(lines[k].find('\0'), std::string::npos);
        for (const unsigned char b : lines[k])
            EXPECT_NE(chartEntry(b), nullptr) << "byte " << int(b);
        EXPECT_EQ(lines[k], encodeGlyphText(headingTable()[k].arabic));
    }
}

// The program's own loader gives every screen the heading meant for it.
TEST(Headings, ProgramLoadsEveryEntryAsWritten)
{
    ovta::test::FixtureDir dir;
    dir.write("data\\kenor002", titleTableFile());
    TitleTable table;
    table.load(ContentDir(dir.path()));
    ASSERT_EQ(table.filled(), 120);
    for (const auto& h : headingTable())
        EXPECT_EQ(table.entry(h.entry), encodeGlyphText(h.arabic)) << h.entry;
}

// Headings shown side by side must differ, or the user cannot tell two
// books, lists or chooser entries apart.
TEST(Headings, HeadingsOfOneChooserOrShelfDiffer)
{
    const std::vector<std::pair<const char*, std::vector<int>>> groups = {
        {"frm43 books", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"frm02 headings", {11, 12, 13, 14, 15, 16, 95, 96}},
        {"frm03 chooser", {17, 18, 19, 83, 20, 21, 22, 23}},
        {"frm13 chooser", {32, 33, 34, 35, 36}},
        {"frm46 chooser", {37, 38, 39, 40, 41, 42, 84, 43}},
        {"frm65 chooser", {32, 89, 90, 91, 92, 93}},
        {"frm83 chooser", {37, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82}},
        {"frm7 books", {24, 25, 26, 27, 28, 54, 55, 56, 57, 58, 59, 60, 65, 66, 67, 68, 72}},
        {"frm410 and frm42 parts", {44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 85}},
        {"frm33 headings", {61, 62, 63, 64, 97, 71}},
        {"frm05 headings", {98, 99}},
        {"single-book titles", {86, 100, 101}},
    };
    for (const auto& [name, entries] : groups) {
        std::set<std::string_view> seen;
        for (const int k : entries)
            EXPECT_TRUE(seen.insert(headingTable()[static_cast<std::size_t>(k - 1)].arabic).second)
                << name << ": entry " << k << " repeats another";
    }
}

} // namespace
} // namespace ovta::demo
