#include "search/glyph_encoder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "store/errors.h"
#include "search/glyph_chart.h"
#include "support/byte_string.h"

namespace ovta {
namespace {

using test::bytes;

std::string utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

struct Case {
    const char* text;
    std::string glyphs; // visual order, leftmost first
};

TEST(GlyphEncoder, ShapesAndReordersWords)
{
    const Case cases[] = {
        {"", ""},
        {"ب", bytes({0x4A})},
        {"ا", bytes({0x41})},
        {"ء", bytes({0x8E})},
        {"ة", bytes({0xB8})},
        // Right-joining letters never join the letter after them.
        {"دار", bytes({0x6E, 0x41, 0x6A})},
        {"كتاب", bytes({0x4A, 0x42, 0x54, 0x9F})},
        {"محمد", bytes({0x6B, 0xAA, 0x64, 0xAB})},
        {"في", bytes({0xC8, 0x97})},
        {"مكة", bytes({0xB9, 0xF1, 0xAB})},
        {"حياة", bytes({0xB8, 0x42, 0xBC, 0x65})},
        {"مؤمن", bytes({0xAD, 0xAB, 0xC6, 0xAB})},
        {"سئل", bytes({0xA5, 0xC3, 0x77})},
        {"آمن", bytes({0xAD, 0xAB, 0x43})},
        {"شيء", bytes({0x8E, 0xC8, 0x7B})},
        {"الله", bytes({0xB3, 0xA6, 0xA7, 0x41})},
        // Lam-alef: joined when the lam joins the letter before it.
        {"لا", bytes({0xBF})},
        {"سلام", bytes({0xA8, 0xC0, 0x77})},
        {"الإسلام", bytes({0xA8, 0xC0, 0x77, 0xDE, 0x41})},
        {"بلأ", bytes({0xDD, 0x4D})},
        {"لأ", bytes({0xC1})},
        {"بلآ", bytes({0xDC, 0x4D})},
        {"لآ", bytes({0xC2})},
        {"بلإ", bytes({0xDF, 0x4D})},
        {"لإ", bytes({0xDE})},
        {"لالا", bytes({0xBF, 0xBF})},
        // A lam that meets no alef stays a letter.
        {"لى", bytes({0xBB, 0xA7})},
        // Tatweel joins on both sides.
        {"هـ", bytes({0xC9, 0xB7})},
        {"بـب", bytes({0x4B, 0xC9, 0x4D})},
        // Harakat are dropped and do not break a join or a ligature.
        {"بِسْمِ", bytes({0xA9, 0x76, 0x4D})},
        {"لَا", bytes({0xBF})},
        {"سَلَّمٰ", bytes({0xA9, 0xA6, 0x77})},
        // Words are reversed as a whole.
        {"دار كتاب", bytes({0x4A, 0x42, 0x54, 0x9F, 0x20, 0x6E, 0x41, 0x6A})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeGlyphText(c.text), c.glyphs) << c.text;
}

TEST(GlyphEncoder, KeepsNumbersLeftToRightAndMirrorsBrackets)
{
    const Case cases[] = {
        {"سنة 1414", bytes({0x31, 0x34, 0x31, 0x34, 0x20, 0xB9, 0xAE, 0x77})},
        {"سنة ١٤١٤", bytes({0x31, 0x34, 0x31, 0x34, 0x20, 0xB9, 0xAE, 0x77})},
        {"12 و 34", bytes({0x33, 0x34, 0x20, 0xB0, 0x20, 0x31, 0x32})},
        // A separator between two digits belongs to the number...
        {"3/4", bytes({0x33, 0x2F, 0x34})},
        {"ب 2.5", bytes({0x32, 0x2E, 0x35, 0x20, 0x4A})},
        {"1,000", bytes({0x31, 0x2C, 0x30, 0x30, 0x30})},
        // ...one beside a single number does not.
        {"5.", bytes({0x2E, 0x35})},
        {"ب،1", bytes({0x31, 0x2C, 0x4A})},
        {"(كتاب)", bytes({0x28, 0x4A, 0x42, 0x54, 0x9F, 0x29})},
        {"[ب]", bytes({0xFA, 0x4A, 0xFB})},
        {"{ب}", bytes({0xFC, 0x4A, 0xFD})},
        {"«نص»", bytes({0x5E, 0x7D, 0xAF, 0x5F})},
        {"(12)", bytes({0x28, 0x31, 0x32, 0x29})},
        {"ما؟", bytes({0x3F, 0x42, 0xAB})},
        {"ما?", bytes({0x3F, 0x42, 0xAB})},
        {"أ، ب", bytes({0x4A, 0x20, 0x2C, 0x45})},
        {"50٪", bytes({0x60, 0x35, 0x30})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeGlyphText(c.text), c.glyphs) << c.text;
}

TEST(GlyphEncoder, ReordersEachLineOnItsOwnAndKeepsTheBreaks)
{
    const Case cases[] = {
        {"دار\r\nكتاب", bytes({0x6E, 0x41, 0x6A, 0x0D, 0x0A, 0x4A, 0x42, 0x54, 0x9F})},
        {"ب\nت\rث", bytes({0x4A, 0x0A, 0x52, 0x0D, 0x56})},
        {"\r\n\r\n", "\r\n\r\n"},
        {"بب\r\n", bytes({0x4B, 0x4D, 0x0D, 0x0A})},
        // A letter does not join across a line break.
        {"ب\r\nب", bytes({0x4A, 0x0D, 0x0A, 0x4A})},
        {"1\r\n2", bytes({0x31, 0x0D, 0x0A, 0x32})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeGlyphText(c.text), c.glyphs) << c.text;
}

TEST(GlyphEncoder, RefusesCharactersWithoutAGlyphNamingThem)
{
    const std::pair<const char*, const char*> cases[] = {
        {"abc", "U+0061"},
        {"ب\tت", "U+0009"},
        {"ٱلله", "U+0671"},
        {"بب\r\nبx", "U+0078"},
        {"\xF0\x9F\x98\x80", "U+1F600"},
    };
    for (const auto& [text, name] : cases) {
        try {
            encodeGlyphText(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const ConversionError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
}

TEST(GlyphEncoder, RefusesDamagedUtf8)
{
    const std::string cases[] = {
        "\xD8",             // cut short
        "\xD8\xA8\xD8",     // cut short after a letter
        "\xC0\xAF",         // overlong
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // beyond U+10FFFF
        "\x80",             // stray continuation byte
        "\xFF",
        std::string("\xD8\x00", 2),
    };
    for (const auto& text : cases)
        EXPECT_THROW(encodeGlyphText(text), ConversionError) << quoteBytes(text);
}

// For every shape in the chart, a word that needs it: the letter before beh,
// between behs, after beh, or alone (a bracket alone comes out mirrored).
TEST(GlyphEncoder, ReachesEveryShapeInTheChart)
{
    const std::string beh = utf8(U'\u0628');
    const auto behFinal = static_cast<char>(*glyphByte(U'\u0628', GlyphForm::Final));
    const auto behInitial = static_cast<char>(*glyphByte(U'\u0628', GlyphForm::Initial));
    std::set<std::uint8_t> reached;
    for (const auto& e : glyphChart()) {
        if (!e.drawn)
            continue;
        SCOPED_TRACE(std::string(e.note) + " " + std::string(formName(e.form)));
        const std::string self = utf8(e.letter) + (e.alef ? utf8(e.alef) : std::string());
        const std::string b(1, static_cast<char>(e.byte));
        std::string out;
        switch (e.form) {
        case GlyphForm::Isolated:
            out = encodeGlyphText(self);
            EXPECT_EQ(out.size(), 1U);
            break;
        case GlyphForm::Initial:
            out = encodeGlyphText(self + beh);
            EXPECT_EQ(out, behFinal + b);
            break;
        case GlyphForm::Medial:
            out = encodeGlyphText(beh + self + beh);
            EXPECT_EQ(out, behFinal + b + behInitial);
            break;
        case GlyphForm::Final:
            out = encodeGlyphText(beh + self);
            EXPECT_EQ(out, b + behInitial);
            break;
        }
        for (char c : out)
            reached.insert(static_cast<std::uint8_t>(c));
    }
    for (const auto& e : glyphChart()) {
        if (e.drawn) {
            EXPECT_TRUE(reached.count(e.byte))
                << "never written: " << e.note << " " << formName(e.form);
        }
    }
}

bool joinsLeft(const GlyphChartEntry& e)
{
    return e.form == GlyphForm::Initial || e.form == GlyphForm::Medial;
}

bool joinsRight(const GlyphChartEntry& e)
{
    return e.form == GlyphForm::Final || e.form == GlyphForm::Medial;
}

// Reading encoded text back through the chart gives the letters again, and
// every glyph that reaches out to a neighbour meets one reaching back.
TEST(GlyphEncoder, ReadsBackThroughTheChartWithMatchingJoins)
{
    const char* texts[] = {
        "بسم الله الرحمن الرحيم",
        "الفقه والتاريخ والعقيدة والسيرة والفرق",
        "قال رسول الله صلى الله عليه وسلم",
        "ظهر غيث عظيم، ضحى شيء خفي؟",
        "سئل مؤذن آخر إمام لأنه لإسلام",
        "ثلاثة أطفال طيبون كذلك",
        "هـ ـبـ",
        "صفحة ٣٤ من ١٢",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const std::string glyphs = encodeGlyphText(text);
        std::u32string letters;
        for (auto it = glyphs.rbegin(); it != glyphs.rend(); ++it) {
            const auto* e = chartEntry(static_cast<std::uint8_t>(*it));
            ASSERT_NE(e, nullptr);
            letters += e->letter;
            if (e->alef)
                letters += e->alef;
        }
        // Digits are read back in logical order: turn each run back.
        std::u32string logical;
        for (std::size_t i = 0; i < letters.size();) {
            std::size_t end = i;
            while (end < letters.size() && letters[end] >= U'\u0660' && letters[end] <= U'\u0669')
                ++end;
            if (end == i) {
                logical += letters[i++];
                continue;
            }
            logical.append(letters.rbegin() + static_cast<std::ptrdiff_t>(letters.size() - end),
                           letters.rbegin() + static_cast<std::ptrdiff_t>(letters.size() - i));
            i = end;
        }
        std::string back;
        for (char32_t c : logical)
            back += utf8(c);
        EXPECT_EQ(back, text);

        for (std::size_t i = 0; i + 1 < glyphs.size(); ++i) {
            const auto& left = *chartEntry(static_cast<std::uint8_t>(glyphs[i]));
            const auto& right = *chartEntry(static_cast<std::uint8_t>(glyphs[i + 1]));
            if (left.letter == U'\u0640' || right.letter == U'\u0640')
                continue; // tatweel has one shape, joined on both sides wherever it stands
            EXPECT_EQ(joinsRight(left), joinsLeft(right))
                << "between glyphs " << i << " and " << i + 1 << ": " << left.note << " / "
                << right.note;
        }
    }
}

} // namespace
} // namespace ovta
