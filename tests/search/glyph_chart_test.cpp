#include "search/glyph_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace ovta {
namespace {

// The shaping engine's form tables and glyph classes, written out here on
// their own so that a slip in the chart cannot hide behind itself.
const std::vector<std::uint8_t> kInitial4 = {0xC4, 0x4D, 0x55, 0x59, 0x5D, 0x65, 0x69, 0x77,
                                             0x7B, 0xE6, 0x83, 0x84, 0x88, 0xEE, 0x93, 0x97,
                                             0x9B, 0x9F, 0xA7, 0xAB, 0xAF, 0xB7, 0xBD};
const std::vector<std::uint8_t> kMedial4 = {0xC3, 0x4C, 0x54, 0x58, 0x5C, 0x64, 0x68, 0x76,
                                            0x7A, 0x7E, 0x82, 0x85, 0x89, 0xED, 0x92, 0x96,
                                            0x9A, 0xF1, 0xA6, 0xAA, 0xAE, 0xB4, 0xBC};
const std::vector<std::uint8_t> kFinal4 = {0xEA, 0x4B, 0x53, 0x57, 0x5B, 0x63, 0x67, 0x75,
                                           0x79, 0x7D, 0xE8, 0x86, 0x8A, 0xE9, 0x91, 0x95,
                                           0x99, 0xCF, 0xA5, 0xA9, 0xAD, 0xB3, 0xC8};
const std::vector<std::uint8_t> kIsolated4 = {0xEB, 0x4A, 0x52, 0x56, 0x5A, 0x62, 0x66, 0x74,
                                              0x78, 0x7C, 0xE7, 0x87, 0x8B, 0x8C, 0xEF, 0x94,
                                              0x98, 0xCE, 0xA4, 0xA8, 0xAC, 0xB2, 0xC7};
const std::vector<std::uint8_t> kJoined2 = {0x44, 0x46, 0xC6, 0x48, 0x42, 0xB9,
                                            0x6B, 0x6D, 0x6F, 0x71, 0xB1, 0xBB};
const std::vector<std::uint8_t> kIsolated2 = {0x43, 0x45, 0xC5, 0x47, 0x41, 0x94,
                                              0x6A, 0x6C, 0x6E, 0x70, 0xB0, 0xBA};
const std::vector<std::uint8_t> kLamAlefJoined = {0xDF, 0xC0, 0xDD, 0xDC};
const std::vector<std::uint8_t> kLamAlefIsolated = {0xDE, 0xBF, 0xC1, 0xC2};

const std::vector<char32_t> kFourFormLetters = {
    U'\u0626', U'\u0628', U'\u062A', U'\u062B', U'\u062C', U'\u062D', U'\u062E', U'\u0633',
    U'\u0634', U'\u0635', U'\u0636', U'\u0637', U'\u0638', U'\u0639', U'\u063A', U'\u0641',
    U'\u0642', U'\u0643', U'\u0644', U'\u0645', U'\u0646', U'\u0647', U'\u064A'};
const std::vector<char32_t> kTwoFormLetters = {U'\u0622', U'\u0623', U'\u0624', U'\u0625',
                                               U'\u0627', U'\u0629', U'\u062F', U'\u0630',
                                               U'\u0631', U'\u0632', U'\u0648', U'\u0649'};
// Alefs of the lam-alef tables, position by position.
const std::vector<char32_t> kLamAlefAlefs = {U'\u0625', U'\u0627', U'\u0623', U'\u0622'};

std::set<std::uint8_t> range(int first, int last)
{
    std::set<std::uint8_t> s;
    for (int b = first; b <= last; ++b)
        s.insert(static_cast<std::uint8_t>(b));
    return s;
}

std::set<std::uint8_t> nonJoiningGlyphs()
{
    auto s = range(0x01, 0x3F);
    s.insert({0x5E, 0x5F, 0x60, 0x61, 0x8E, 0xBE, 0xD0, 0xE3, 0xE5, 0xFA, 0xFB, 0xFC, 0xFD});
    return s;
}

const std::set<std::uint8_t> kDualJoiningGlyphs = {
    0x4A, 0x4B, 0x4C, 0x4D, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B, 0x5C, 0x5D,
    0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x69, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x7C,
    0x7D, 0x7E, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x91, 0x92, 0x93,
    0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0x9B, 0x9F, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA,
    0xAB, 0xAC, 0xAD, 0xAE, 0xAF, 0xB2, 0xB3, 0xB4, 0xB7, 0xBC, 0xBD, 0xC3, 0xC4, 0xC7, 0xC8, 0xC9,
    0xCE, 0xCF, 0xE6, 0xE7, 0xE8, 0xE9, 0xEB, 0xED, 0xEE, 0xEF, 0xF1};
const std::set<std::uint8_t> kRightJoiningGlyphs = {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48,
                                                    0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F, 0x70, 0x71,
                                                    0xB0, 0xB1, 0xB8, 0xB9, 0xBA, 0xBB, 0xC5, 0xC6};

// Any entry, drawn or alias, that carries the byte at the given form-table place.
const GlyphChartEntry* tableEntry(std::uint8_t byte, GlyphForm form, int position)
{
    for (const auto& e : glyphChart())
        if (e.byte == byte && e.form == form && e.position == position)
            return &e;
    return nullptr;
}

struct FormTable {
    const char* name;
    const std::vector<std::uint8_t>* bytes;
    GlyphForm form;
    const std::vector<char32_t>* letters;
};

TEST(GlyphChart, HoldsEveryFormTableAtItsPlaceWithItsLetter)
{
    const FormTable tables[] = {
        {"Initial4", &kInitial4, GlyphForm::Initial, &kFourFormLetters},
        {"Medial4", &kMedial4, GlyphForm::Medial, &kFourFormLetters},
        {"Final4", &kFinal4, GlyphForm::Final, &kFourFormLetters},
        {"Isolated4", &kIsolated4, GlyphForm::Isolated, &kFourFormLetters},
        {"Joined2", &kJoined2, GlyphForm::Final, &kTwoFormLetters},
        {"Isolated2", &kIsolated2, GlyphForm::Isolated, &kTwoFormLetters},
    };
    for (const auto& table : tables) {
        for (std::size_t i = 0; i < table.bytes->size(); ++i) {
            const auto byte = (*table.bytes)[i];
            SCOPED_TRACE(std::string(table.name) + " position " + std::to_string(i + 1));
            const auto* e = tableEntry(byte, table.form, static_cast<int>(i + 1));
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(e->letter, (*table.letters)[i]);
            EXPECT_EQ(e->alef, 0U);
        }
    }
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE("lam-alef position " + std::to_string(i + 1));
        const auto* joined = tableEntry(kLamAlefJoined[i], GlyphForm::Final, int(i + 1));
        const auto* alone = tableEntry(kLamAlefIsolated[i], GlyphForm::Isolated, int(i + 1));
        ASSERT_NE(joined, nullptr);
        ASSERT_NE(alone, nullptr);
        EXPECT_EQ(joined->letter, U'\u0644');
        EXPECT_EQ(joined->alef, kLamAlefAlefs[i]);
        EXPECT_EQ(alone->alef, kLamAlefAlefs[i]);
        EXPECT_EQ(lamAlefByte(kLamAlefAlefs[i], GlyphForm::Final), kLamAlefJoined[i]);
        EXPECT_EQ(lamAlefByte(kLamAlefAlefs[i], GlyphForm::Isolated), kLamAlefIsolated[i]);
    }
}

TEST(GlyphChart, FindsEachLetterShapeByItsTableByte)
{
    const std::pair<const std::vector<std::uint8_t>*, GlyphForm> four[] = {
        {&kInitial4, GlyphForm::Initial},
        {&kMedial4, GlyphForm::Medial},
        {&kFinal4, GlyphForm::Final},
        {&kIsolated4, GlyphForm::Isolated}};
    for (const auto& [bytes, form] : four)
        for (std::size_t i = 0; i < bytes->size(); ++i)
            EXPECT_EQ(glyphByte(kFourFormLetters[i], form), (*bytes)[i])
                << "four-form letter " << i + 1 << " " << formName(form);
    for (std::size_t i = 0; i < kTwoFormLetters.size(); ++i) {
        EXPECT_EQ(glyphByte(kTwoFormLetters[i], GlyphForm::Final), kJoined2[i]) << i + 1;
        if (kTwoFormLetters[i] != U'\u0629') {
            EXPECT_EQ(glyphByte(kTwoFormLetters[i], GlyphForm::Isolated), kIsolated2[i]) << i + 1;
        }
        EXPECT_FALSE(glyphByte(kTwoFormLetters[i], GlyphForm::Initial)) << i + 1;
    }
}

TEST(GlyphChart, SharedByte94DrawsFehAndTehMarbutaHasItsOwnIsolatedShape)
{
    const auto* drawn = chartEntry(0x94);
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->letter, U'\u0641');
    EXPECT_EQ(drawn->form, GlyphForm::Isolated);
    EXPECT_EQ(glyphByte(U'\u0629', GlyphForm::Isolated), 0xB8);
    const auto* own = chartEntry(0xB8);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->letter, U'\u0629');
    EXPECT_EQ(own->form, GlyphForm::Isolated);
}

TEST(GlyphChart, EachDrawnEntryIsWhatItsByteDrawsAndWhatItsShapeLooksUp)
{
    std::set<std::uint8_t> drawnBytes;
    for (const auto& e : glyphChart()) {
        SCOPED_TRACE("byte " + std::to_string(e.byte) + " " + std::string(e.note));
        if (!e.drawn) {
            // An alias points at a byte that draws something else.
            ASSERT_NE(chartEntry(e.byte), nullptr);
            EXPECT_NE(chartEntry(e.byte), &e);
            continue;
        }
        EXPECT_TRUE(drawnBytes.insert(e.byte).second);
        EXPECT_EQ(chartEntry(e.byte), &e);
        EXPECT_FALSE(e.note.empty());
        const auto looked = e.alef != 0 ? lamAlefByte(e.alef, e.form) : glyphByte(e.letter, e.form);
        EXPECT_EQ(looked, e.byte);
    }
    for (int b = 0; b < 256; ++b) {
        if (!drawnBytes.count(static_cast<std::uint8_t>(b))) {
            EXPECT_EQ(chartEntry(static_cast<std::uint8_t>(b)), nullptr) << b;
        }
    }
}

// A charted byte must keep the joining class the shaping engine gives it, or
// typed text and stored text would join differently.
TEST(GlyphChart, ChartedBytesKeepTheirEngineGlyphClass)
{
    const auto nonJoining = nonJoiningGlyphs();
    const std::set<std::uint8_t> lamAlef = {0xBF, 0xC0, 0xC1, 0xC2, 0xDC, 0xDD, 0xDE, 0xDF};
    // In the form tables but in no class.
    const std::set<std::uint8_t> unclassed = {0x68, 0xEA};
    for (const auto& e : glyphChart()) {
        if (!e.drawn)
            continue;
        SCOPED_TRACE("byte " + std::to_string(e.byte) + " " + std::string(e.note));
        if (unclassed.count(e.byte)) {
            EXPECT_EQ(joiningOf(e.letter), Joining::Dual);
        } else if (lamAlef.count(e.byte)) {
            EXPECT_EQ(e.letter, U'\u0644');
            EXPECT_NE(e.alef, 0U);
        } else if (kDualJoiningGlyphs.count(e.byte)) {
            EXPECT_TRUE(joiningOf(e.letter) == Joining::Dual ||
                        joiningOf(e.letter) == Joining::Causing);
        } else if (kRightJoiningGlyphs.count(e.byte)) {
            EXPECT_EQ(joiningOf(e.letter), Joining::Right);
        } else {
            EXPECT_TRUE(nonJoining.count(e.byte));
            EXPECT_EQ(joiningOf(e.letter), Joining::None);
            EXPECT_EQ(e.form, GlyphForm::Isolated);
        }
    }
}

TEST(GlyphChart, GivesSignsTheirBytes)
{
    const std::pair<char32_t, std::uint8_t> cases[] = {
        {U' ', 0x20},      {U'\u0660', 0x30}, {U'\u0669', 0x39}, {U'0', 0x30},
        {U'9', 0x39},      {U'\u060C', 0x2C}, {U',', 0x2C},      {U'\u061F', 0x3F},
        {U'?', 0x3F},      {U'\u061B', 0x3B}, {U'(', 0x28},      {U')', 0x29},
        {U'\u0621', 0x8E}, {U'\u00AB', 0x5E}, {U'\u00BB', 0x5F}, {U'\u0640', 0xC9},
    };
    for (const auto& [c, byte] : cases) {
        const auto form = c == U'\u0640' ? GlyphForm::Medial : GlyphForm::Isolated;
        EXPECT_EQ(glyphByte(c, form), byte) << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_EQ(chartEntry(0x30)->letter, U'\u0660'); // the Arabic-Indic digit is drawn
}

TEST(GlyphChart, TellsHowEachCharacterJoins)
{
    const std::pair<char32_t, Joining> cases[] = {
        {U'\u0628', Joining::Dual},    {U'\u0644', Joining::Dual},  {U'\u0626', Joining::Dual},
        {U'\u0627', Joining::Right},   {U'\u0629', Joining::Right}, {U'\u0649', Joining::Right},
        {U'\u0640', Joining::Causing}, {U'\u0621', Joining::None},  {U' ', Joining::None},
        {U'1', Joining::None},         {U'A', Joining::None},       {U'\u0671', Joining::None},
    };
    for (const auto& [c, joining] : cases)
        EXPECT_EQ(joiningOf(c), joining) << std::hex << static_cast<unsigned>(c);
    EXPECT_FALSE(inGlyphChart(U'A'));
    EXPECT_FALSE(inGlyphChart(U'\u064E'));
    EXPECT_TRUE(inGlyphChart(U'\u0629'));
}

} // namespace
} // namespace ovta
