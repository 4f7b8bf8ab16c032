// The demo's letter tables: every key's letter has the shapes the shaping
// tables expect, and typing a word letter by letter gives the glyph text the
// encoder makes of it, so that what a user types matches the titles.
#include "demo/search_letters.h"

#include <gtest/gtest.h>

#include <set>

#include "store/index_list.h"
#include "search/glyph_encoder.h"
#include "search/shaping_engine.h"
#include "search/shaping_tables.h"

namespace ovta::demo {
namespace {

using shaping::Table;

LetterTables demoTables()
{
    return LetterTables::fromLists(IndexList::fromBytes("data\\13.txt", keyLetterFile()),
                                   IndexList::fromBytes("data\\1c2.txt", formRangeFile()),
                                   IndexList::fromBytes("data\\1c1.txt", formGlyphFile()));
}

bool samePlace(const LetterForms& f, std::initializer_list<Table> tables)
{
    std::set<int> places;
    int i = 0;
    for (Table t : tables) {
        const auto at = shaping::positionIn(t, f.glyphs[static_cast<std::size_t>(i++)]);
        if (!at)
            return false;
        places.insert(*at);
    }
    return places.size() == 1;
}

TEST(SearchLetters, EveryLetterHasShapesOfTheMatchingFormTables)
{
    const LetterTables tables = demoTables();
    const auto letters = searchLetters();
    for (std::size_t n = 1; n <= letters.size(); ++n) {
        const SearchLetter& l = letters[n - 1];
        const LetterForms f = tables.formsOf(static_cast<int>(n));
        ASSERT_EQ(f.count, l.forms) << l.keys;
        for (char key : l.keys)
            EXPECT_EQ(tables.letterOf(key), static_cast<int>(n)) << key;
        if (f.count == 4) {
            EXPECT_TRUE(
                samePlace(f, {Table::Initial4, Table::Medial4, Table::Final4, Table::Isolated4}))
                << l.keys;
        } else if (f.count == 2 && l.alef) {
            EXPECT_TRUE(samePlace(f, {Table::LamAlefJoined, Table::LamAlefIsolated})) << l.keys;
        } else if (f.count == 2 && f.glyphs[1] == 0xB8) {
            // Teh marbuta: joined B9 from its table, isolated B8, the shape
            // titles hold (its place in Isolated2, 94, draws feh).
            EXPECT_EQ(f.glyphs[0], 0xB9);
            EXPECT_TRUE(shaping::isRightJoining(0xB8));
        } else if (f.count == 2) {
            EXPECT_TRUE(samePlace(f, {Table::Joined2, Table::Isolated2})) << l.keys;
        } else {
            EXPECT_TRUE(shaping::isNonJoining(f.glyphs[0])) << l.keys;
        }
    }
}

TEST(SearchLetters, TheKeysTheRetypingNeeds)
{
    const LetterTables tables = demoTables();
    const struct {
        char key;
        std::uint8_t joined;
    } cases[] = {{'h', 0x42}, {'H', 0x46}, {'N', 0x44}, {'Y', 0x48}, {'g', 0xA6}};
    for (const auto& c : cases) {
        const LetterForms f = tables.formsOf(tables.letterOf(c.key));
        const std::uint8_t joined = f.count == 4 ? f.glyphs[1] : f.glyphs[0];
        EXPECT_EQ(joined, c.joined) << c.key;
    }
    // Latin letters the layout gives no Arabic letter type nothing.
    for (char key : std::string("ACDEFIJMOQRSUVWXZ"))
        EXPECT_EQ(tables.formsOf(tables.letterOf(key)).count, 0) << key;
}

TEST(SearchLetters, TypingAWordGivesTheEncodedTitleText)
{
    const struct {
        const char* keys; // in reading order
        const char* word;
    } cases[] = {
        {"l]vsm", "مدرسة"},
        {"hgpdhm", "الحياة"},
        {"fzv", "بئر"},
        {"sghl", "سلام"},
        {"b Ygi Ygh hggi", "لا إله إلا الله"},
        {"hgNfhx", "الآباء"},
        {"lsc,gdm", "مسؤولية"},
        {"hgtri", "الفقه"},
        {"ugn", "على"},
        {"hg]u,m hgNgdm", "الدعوة الآلية"},
    };
    for (const auto& c : cases) {
        ShapingEngine e(demoTables());
        for (const char* k = c.keys; *k; ++k)
            e.character(static_cast<unsigned char>(*k));
        EXPECT_EQ(e.text(), encodeGlyphText(c.word)) << c.keys;
        EXPECT_EQ(e.caret(), 0u) << c.keys;
    }
}

TEST(SearchLetters, FilesAreSingleLinesOfEightCharacterFields)
{
    for (const std::string& file : {keyLetterFile(), formRangeFile(), formGlyphFile()}) {
        ASSERT_GE(file.size(), 2u);
        EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
        EXPECT_EQ((file.size() - 2) % 8, 0u);
        EXPECT_EQ(file.find_first_of("\r\n"), file.size() - 2);
    }
    EXPECT_EQ(keyLetterFile().size(), 127u * 8 + 2);
}

} // namespace
} // namespace ovta::demo
