#include "search/glyph_decoder.h"

#include <gtest/gtest.h>

#include <string>

#include "search/glyph_chart.h"
#include "search/glyph_encoder.h"
#include "store/errors.h"
#include "support/byte_string.h"

namespace ovta {
namespace {

using test::bytes;

struct Case {
    const char* name;
    std::string glyphs;   // visual order, leftmost first
    const char* expected; // logical order, UTF-8
};

// Glyph text read back, and the reading encoded again gives the same bytes.
TEST(GlyphDecoder, ReadsHardCasesBackInLogicalOrder)
{
    const Case cases[] = {
        {"empty", "", ""},
        {"one letter", bytes({0x4A}), "ب"},
        {"joined word", bytes({0x4A, 0x42, 0x54, 0x9F}), "كتاب"},
        {"two words", bytes({0x4A, 0x42, 0x54, 0x9F, 0x20, 0x6E, 0x41, 0x6A}), "دار كتاب"},
        // Lam-alef: one glyph, two letters, lam first; all four alefs, both shapes.
        {"lam-alef alone", bytes({0xBF}), "لا"},
        {"lam-alef joined", bytes({0xA8, 0xC0, 0x77}), "سلام"},
        {"lam-alef hamza below", bytes({0xA8, 0xC0, 0x77, 0xDE, 0x41}), "الإسلام"},
        {"lam-alef hamza above", bytes({0xDD, 0x4D}), "بلأ"},
        {"lam-alef madda", bytes({0xC2}), "لآ"},
        {"lam-alef madda joined", bytes({0xDC, 0x4D}), "بلآ"},
        {"lam-alef twice", bytes({0xBF, 0xBF}), "لالا"},
        {"lam before alef maksura", bytes({0xBB, 0xA7}), "لى"},
        {"allah", bytes({0xB3, 0xA6, 0xA7, 0x41}), "الله"},
        // Teh marbuta: its own isolated shape, and joined.
        {"teh marbuta alone", bytes({0xB8, 0x42, 0xBC, 0x65}), "حياة"},
        {"teh marbuta joined", bytes({0xB9, 0xF1, 0xAB}), "مكة"},
        {"hamza and tatweel", bytes({0x8E, 0xC8, 0x7B, 0x20, 0xC9, 0xB7}), "هـ شيء"},
        // Digits come back as Arabic-Indic digits, in reading order.
        {"number after word", bytes({0x31, 0x34, 0x31, 0x34, 0x20, 0xB9, 0xAE, 0x77}),
         "سنة ١٤١٤"},
        {"two numbers", bytes({0x33, 0x34, 0x20, 0xB0, 0x20, 0x31, 0x32}), "١٢ و ٣٤"},
        {"fraction", bytes({0x33, 0x2F, 0x34}), "٣/٤"},
        {"decimal", bytes({0x32, 0x2E, 0x35, 0x20, 0x4A}), "ب ٢.٥"},
        {"thousands", bytes({0x31, 0x2C, 0x30, 0x30, 0x30}), "١،٠٠٠"},
        {"date", bytes({0x31, 0x39, 0x39, 0x30, 0x2F, 0x35, 0x2F, 0x31, 0x32}), "١٩٩٠/٥/١٢"},
        {"full stop after number", bytes({0x2E, 0x35}), "٥."},
        {"comma before number", bytes({0x31, 0x2C, 0x4A}), "ب،١"},
        {"number at both ends", bytes({0x37, 0x20, 0x4A, 0x20, 0x38, 0x39}), "٨٩ ب ٧"},
        // Punctuation and brackets among the letters: brackets drawn
        // mirrored are read as the ones written.
        {"parentheses", bytes({0x28, 0x4A, 0x42, 0x54, 0x9F, 0x29}), "(كتاب)"},
        {"square brackets", bytes({0xFA, 0x4A, 0xFB}), "[ب]"},
        {"curly brackets", bytes({0xFC, 0x4A, 0xFD}), "{ب}"},
        {"guillemets", bytes({0x5E, 0x7D, 0xAF, 0x5F}), "«نص»"},
        {"number in parentheses", bytes({0x28, 0x31, 0x32, 0x29}), "(١٢)"},
        {"question mark", bytes({0x3F, 0x42, 0xAB}), "ما؟"},
        {"arabic comma", bytes({0x4A, 0x20, 0x2C, 0x45}), "أ، ب"},
        {"percent", bytes({0x60, 0x35, 0x30}), "٥٠٪"},
        {"signs", bytes({0x2B, 0x20, 0x3D, 0x20, 0x2D, 0x20, 0x2A, 0x21}), "!* - = +"},
        // Each line on its own, the breaks kept.
        {"crlf lines", bytes({0x6E, 0x41, 0x6A, 0x0D, 0x0A, 0x4A, 0x42, 0x54, 0x9F}),
         "دار\r\nكتاب"},
        {"lone breaks", bytes({0x4A, 0x0A, 0x52, 0x0D, 0x56}), "ب\nت\rث"},
        {"numbers on two lines", bytes({0x31, 0x0D, 0x0A, 0x32}), "١\r\n٢"},
        {"trailing break", bytes({0x4B, 0x4D, 0x0D, 0x0A}), "بب\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeGlyphTextUtf8(c.glyphs), c.expected);
        EXPECT_EQ(encodeGlyphText(c.expected), c.glyphs);
    }
}

// What the encoder folds together comes back in one form: ASCII digits,
// comma, semicolon and question mark as the Arabic ones, harakat gone.
TEST(GlyphDecoder, GivesTheDrawnFormOfFoldedCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"سنة 1414", "سنة ١٤١٤"},
        {"أ, ب; ج?", "أ، ب؛ ج؟"},
        {"بِسْمِ اللَّهِ", "بسم الله"},
        {"2.5 و 3/4", "٢.٥ و ٣/٤"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(decodeGlyphTextUtf8(encodeGlyphText(text)), expected) << text;
}

// Byte 94 is charted twice; it draws feh, so it reads as feh.
TEST(GlyphDecoder, ReadsByte94AsFeh)
{
    EXPECT_EQ(decodeGlyphTextUtf8(bytes({0x94})), "ف");
    EXPECT_EQ(decodeGlyphTextUtf8(bytes({0xB8})), "ة");
}

TEST(GlyphDecoder, EveryDrawnGlyphReadsAsItsCharacter)
{
    for (const auto& e : glyphChart()) {
        if (!e.drawn)
            continue;
        const std::u16string text = decodeGlyphText(std::string(1, static_cast<char>(e.byte)));
        ASSERT_EQ(text.size(), e.alef ? 2U : 1U) << e.note;
        const bool bracket = std::u16string_view(u"()[]{}<>\u00AB\u00BB").find(
                                 static_cast<char16_t>(e.letter)) != std::u16string_view::npos;
        if (!bracket) {
            EXPECT_EQ(text[0], static_cast<char16_t>(e.letter)) << e.note;
        }
        if (e.alef) {
            EXPECT_EQ(text[1], static_cast<char16_t>(e.alef)) << e.note;
        }
    }
}

// Damaged text still reads: a byte outside the chart stands as U+FFFD in its
// place, and is found by its offset.
TEST(GlyphDecoder, MarksUnchartedBytesInPlace)
{
    const struct {
        std::string glyphs;
        std::u16string expected;
        std::size_t first;
    } cases[] = {
        {bytes({0x4A, 0x00, 0x52}), u"\u062A\uFFFD\u0628", 1},
        {bytes({0x09}), u"\uFFFD", 0},
        {bytes({0x4A, 0x0D, 0x0A, 0xFF}), u"\u0628\r\n\uFFFD", 3},
        {bytes({0x31, 0x01, 0x32}), u"\u0662\uFFFD\u0661", 1},
        {bytes({0x4A, 0x0D, 0x0A}), u"\u0628\r\n", std::string_view::npos},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeGlyphText(c.glyphs), c.expected) << quoteBytes(c.glyphs);
        EXPECT_EQ(firstUnchartedGlyph(c.glyphs), c.first) << quoteBytes(c.glyphs);
    }
}

// Every byte value, alone and in runs, decodes without a fault and to one
// character per byte (two for a lam-alef).
TEST(GlyphDecoder, DecodesAnyBytes)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::size_t lamAlefs = 0;
    for (int b = 0; b < 256; ++b) {
        const auto* e = chartEntry(static_cast<std::uint8_t>(b));
        lamAlefs += e && e->alef ? 1 : 0;
    }
    EXPECT_EQ(decodeGlyphText(all).size(), 256 + lamAlefs);
}

TEST(GlyphDecoder, Utf16ToUtf8)
{
    EXPECT_EQ(utf16ToUtf8(u"a\u0628\u2026"), "a\xD8\xA8\xE2\x80\xA6");
    EXPECT_EQ(utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

} // namespace
} // namespace ovta
