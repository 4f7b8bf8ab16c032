#include "search/glyph_chart.h"

#include <array>

namespace ovta {
namespace {

constexpr GlyphChartEntry letter(std::uint8_t byte, char32_t c, GlyphForm form,
                                 std::uint8_t position, std::string_view note)
{
    return {byte, c, 0, form, position, true, note};
}

constexpr GlyphChartEntry alias(std::uint8_t byte, char32_t c, GlyphForm form,
                                std::uint8_t position, std::string_view note)
{
    return {byte, c, 0, form, position, false, note};
}

constexpr GlyphChartEntry lamAlef(std::uint8_t byte, char32_t alef, GlyphForm form,
                                  std::uint8_t position, std::string_view note)
{
    return {byte, U'\u0644', alef, form, position, true, note};
}

constexpr GlyphChartEntry sign(std::uint8_t byte, char32_t c, std::string_view note)
{
    return {byte, c, 0, GlyphForm::Isolated, 0, true, note};
}

constexpr GlyphChartEntry signAlias(std::uint8_t byte, char32_t c, std::string_view note)
{
    return {byte, c, 0, GlyphForm::Isolated, 0, false, note};
}

// Rows are grouped as the shaping engine classifies glyphs: the four-form
// letters (position = place in the Initial4/Medial4/Final4/Isolated4 tables,
// which run in Unicode order with lam at 19), the two-form letters (Joined2 and
// Isolated2, also Unicode order), the lam-alef ligatures (LamAlefJoined and
// LamAlefIsolated), then the one joining-causing sign and the signs that join
// nothing.
//
// Byte 94 is in two form tables, as feh isolated and as teh marbuta isolated.
// Feh comes first in the engine's classification, so 94 draws feh, and teh
// marbuta's place in the Isolated2 table is only an alias. Its own drawn
// isolated shape is B8, next to its joined B9 as waw and alef maksura have
// theirs, and in the right-joining class as a two-form shape should be:
// encoded text uses B8, so that words ending in a lone teh marbuta (after
// alef, dal, reh, waw...) do not read as ending in feh.
constexpr GlyphChartEntry kChart[] = {
    // Four-form letters.
    letter(0xC4, U'\u0626', GlyphForm::Initial, 1, "yeh with hamza above"),
    letter(0xC3, U'\u0626', GlyphForm::Medial, 1, "yeh with hamza above"),
    letter(0xEA, U'\u0626', GlyphForm::Final, 1, "yeh with hamza above"),
    letter(0xEB, U'\u0626', GlyphForm::Isolated, 1, "yeh with hamza above"),
    letter(0x4D, U'\u0628', GlyphForm::Initial, 2, "beh"),
    letter(0x4C, U'\u0628', GlyphForm::Medial, 2, "beh"),
    letter(0x4B, U'\u0628', GlyphForm::Final, 2, "beh"),
    letter(0x4A, U'\u0628', GlyphForm::Isolated, 2, "beh"),
    letter(0x55, U'\u062A', GlyphForm::Initial, 3, "teh"),
    letter(0x54, U'\u062A', GlyphForm::Medial, 3, "teh"),
    letter(0x53, U'\u062A', GlyphForm::Final, 3, "teh"),
    letter(0x52, U'\u062A', GlyphForm::Isolated, 3, "teh"),
    letter(0x59, U'\u062B', GlyphForm::Initial, 4, "theh"),
    letter(0x58, U'\u062B', GlyphForm::Medial, 4, "theh"),
    letter(0x57, U'\u062B', GlyphForm::Final, 4, "theh"),
    letter(0x56, U'\u062B', GlyphForm::Isolated, 4, "theh"),
    letter(0x5D, U'\u062C', GlyphForm::Initial, 5, "jeem"),
    letter(0x5C, U'\u062C', GlyphForm::Medial, 5, "jeem"),
    letter(0x5B, U'\u062C', GlyphForm::Final, 5, "jeem"),
    letter(0x5A, U'\u062C', GlyphForm::Isolated, 5, "jeem"),
    letter(0x65, U'\u062D', GlyphForm::Initial, 6, "hah"),
    letter(0x64, U'\u062D', GlyphForm::Medial, 6, "hah"),
    letter(0x63, U'\u062D', GlyphForm::Final, 6, "hah"),
    letter(0x62, U'\u062D', GlyphForm::Isolated, 6, "hah"),
    letter(0x69, U'\u062E', GlyphForm::Initial, 7, "khah"),
    letter(0x68, U'\u062E', GlyphForm::Medial, 7, "khah"),
    letter(0x67, U'\u062E', GlyphForm::Final, 7, "khah"),
    letter(0x66, U'\u062E', GlyphForm::Isolated, 7, "khah"),
    letter(0x77, U'\u0633', GlyphForm::Initial, 8, "seen"),
    letter(0x76, U'\u0633', GlyphForm::Medial, 8, "seen"),
    letter(0x75, U'\u0633', GlyphForm::Final, 8, "seen"),
    letter(0x74, U'\u0633', GlyphForm::Isolated, 8, "seen"),
    letter(0x7B, U'\u0634', GlyphForm::Initial, 9, "sheen"),
    letter(0x7A, U'\u0634', GlyphForm::Medial, 9, "sheen"),
    letter(0x79, U'\u0634', GlyphForm::Final, 9, "sheen"),
    letter(0x78, U'\u0634', GlyphForm::Isolated, 9, "sheen"),
    letter(0xE6, U'\u0635', GlyphForm::Initial, 10, "sad"),
    letter(0x7E, U'\u0635', GlyphForm::Medial, 10, "sad"),
    letter(0x7D, U'\u0635', GlyphForm::Final, 10, "sad"),
    letter(0x7C, U'\u0635', GlyphForm::Isolated, 10, "sad"),
    letter(0x83, U'\u0636', GlyphForm::Initial, 11, "dad"),
    letter(0x82, U'\u0636', GlyphForm::Medial, 11, "dad"),
    letter(0xE8, U'\u0636', GlyphForm::Final, 11, "dad"),
    letter(0xE7, U'\u0636', GlyphForm::Isolated, 11, "dad"),
    letter(0x84, U'\u0637', GlyphForm::Initial, 12, "tah"),
    letter(0x85, U'\u0637', GlyphForm::Medial, 12, "tah"),
    letter(0x86, U'\u0637', GlyphForm::Final, 12, "tah"),
    letter(0x87, U'\u0637', GlyphForm::Isolated, 12, "tah"),
    letter(0x88, U'\u0638', GlyphForm::Initial, 13, "zah"),
    letter(0x89, U'\u0638', GlyphForm::Medial, 13, "zah"),
    letter(0x8A, U'\u0638', GlyphForm::Final, 13, "zah"),
    letter(0x8B, U'\u0638', GlyphForm::Isolated, 13, "zah"),
    letter(0xEE, U'\u0639', GlyphForm::Initial, 14, "ain"),
    letter(0xED, U'\u0639', GlyphForm::Medial, 14, "ain"),
    letter(0xE9, U'\u0639', GlyphForm::Final, 14, "ain"),
    letter(0x8C, U'\u0639', GlyphForm::Isolated, 14, "ain"),
    letter(0x93, U'\u063A', GlyphForm::Initial, 15, "ghain"),
    letter(0x92, U'\u063A', GlyphForm::Medial, 15, "ghain"),
    letter(0x91, U'\u063A', GlyphForm::Final, 15, "ghain"),
    letter(0xEF, U'\u063A', GlyphForm::Isolated, 15, "ghain"),
    letter(0x97, U'\u0641', GlyphForm::Initial, 16, "feh"),
    letter(0x96, U'\u0641', GlyphForm::Medial, 16, "feh"),
    letter(0x95, U'\u0641', GlyphForm::Final, 16, "feh"),
    letter(0x94, U'\u0641', GlyphForm::Isolated, 16, "feh (94 is also teh marbuta's in Isolated2)"),
    letter(0x9B, U'\u0642', GlyphForm::Initial, 17, "qaf"),
    letter(0x9A, U'\u0642', GlyphForm::Medial, 17, "qaf"),
    letter(0x99, U'\u0642', GlyphForm::Final, 17, "qaf"),
    letter(0x98, U'\u0642', GlyphForm::Isolated, 17, "qaf"),
    letter(0x9F, U'\u0643', GlyphForm::Initial, 18, "kaf"),
    letter(0xF1, U'\u0643', GlyphForm::Medial, 18, "kaf"),
    letter(0xCF, U'\u0643', GlyphForm::Final, 18, "kaf"),
    letter(0xCE, U'\u0643', GlyphForm::Isolated, 18, "kaf"),
    letter(0xA7, U'\u0644', GlyphForm::Initial, 19, "lam"),
    letter(0xA6, U'\u0644', GlyphForm::Medial, 19, "lam"),
    letter(0xA5, U'\u0644', GlyphForm::Final, 19, "lam"),
    letter(0xA4, U'\u0644', GlyphForm::Isolated, 19, "lam"),
    letter(0xAB, U'\u0645', GlyphForm::Initial, 20, "meem"),
    letter(0xAA, U'\u0645', GlyphForm::Medial, 20, "meem"),
    letter(0xA9, U'\u0645', GlyphForm::Final, 20, "meem"),
    letter(0xA8, U'\u0645', GlyphForm::Isolated, 20, "meem"),
    letter(0xAF, U'\u0646', GlyphForm::Initial, 21, "noon"),
    letter(0xAE, U'\u0646', GlyphForm::Medial, 21, "noon"),
    letter(0xAD, U'\u0646', GlyphForm::Final, 21, "noon"),
    letter(0xAC, U'\u0646', GlyphForm::Isolated, 21, "noon"),
    letter(0xB7, U'\u0647', GlyphForm::Initial, 22, "heh"),
    letter(0xB4, U'\u0647', GlyphForm::Medial, 22, "heh"),
    letter(0xB3, U'\u0647', GlyphForm::Final, 22, "heh"),
    letter(0xB2, U'\u0647', GlyphForm::Isolated, 22, "heh"),
    letter(0xBD, U'\u064A', GlyphForm::Initial, 23, "yeh"),
    letter(0xBC, U'\u064A', GlyphForm::Medial, 23, "yeh"),
    letter(0xC8, U'\u064A', GlyphForm::Final, 23, "yeh"),
    letter(0xC7, U'\u064A', GlyphForm::Isolated, 23, "yeh"),

    // Two-form letters: Final is the table's joined shape.
    letter(0x44, U'\u0622', GlyphForm::Final, 1, "alef with madda above"),
    letter(0x43, U'\u0622', GlyphForm::Isolated, 1, "alef with madda above"),
    letter(0x46, U'\u0623', GlyphForm::Final, 2, "alef with hamza above"),
    letter(0x45, U'\u0623', GlyphForm::Isolated, 2, "alef with hamza above"),
    letter(0xC6, U'\u0624', GlyphForm::Final, 3, "waw with hamza above"),
    letter(0xC5, U'\u0624', GlyphForm::Isolated, 3, "waw with hamza above"),
    letter(0x48, U'\u0625', GlyphForm::Final, 4, "alef with hamza below"),
    letter(0x47, U'\u0625', GlyphForm::Isolated, 4, "alef with hamza below"),
    letter(0x42, U'\u0627', GlyphForm::Final, 5, "alef"),
    letter(0x41, U'\u0627', GlyphForm::Isolated, 5, "alef"),
    letter(0xB9, U'\u0629', GlyphForm::Final, 6, "teh marbuta"),
    letter(0xB8, U'\u0629', GlyphForm::Isolated, 0, "teh marbuta"),
    alias(0x94, U'\u0629', GlyphForm::Isolated, 6,
          "teh marbuta in the Isolated2 table: 94 draws feh isolated, B8 is drawn instead"),
    letter(0x6B, U'\u062F', GlyphForm::Final, 7, "dal"),
    letter(0x6A, U'\u062F', GlyphForm::Isolated, 7, "dal"),
    letter(0x6D, U'\u0630', GlyphForm::Final, 8, "thal"),
    letter(0x6C, U'\u0630', GlyphForm::Isolated, 8, "thal"),
    letter(0x6F, U'\u0631', GlyphForm::Final, 9, "reh"),
    letter(0x6E, U'\u0631', GlyphForm::Isolated, 9, "reh"),
    letter(0x71, U'\u0632', GlyphForm::Final, 10, "zain"),
    letter(0x70, U'\u0632', GlyphForm::Isolated, 10, "zain"),
    letter(0xB1, U'\u0648', GlyphForm::Final, 11, "waw"),
    letter(0xB0, U'\u0648', GlyphForm::Isolated, 11, "waw"),
    letter(0xBB, U'\u0649', GlyphForm::Final, 12, "alef maksura"),
    letter(0xBA, U'\u0649', GlyphForm::Isolated, 12, "alef maksura"),

    // Lam-alef ligatures: Final joins the letter before the lam.
    lamAlef(0xDF, U'\u0625', GlyphForm::Final, 1, "lam-alef with hamza below"),
    lamAlef(0xC0, U'\u0627', GlyphForm::Final, 2, "lam-alef"),
    lamAlef(0xDD, U'\u0623', GlyphForm::Final, 3, "lam-alef with hamza above"),
    lamAlef(0xDC, U'\u0622', GlyphForm::Final, 4, "lam-alef with madda above"),
    lamAlef(0xDE, U'\u0625', GlyphForm::Isolated, 1, "lam-alef with hamza below"),
    lamAlef(0xBF, U'\u0627', GlyphForm::Isolated, 2, "lam-alef"),
    lamAlef(0xC1, U'\u0623', GlyphForm::Isolated, 3, "lam-alef with hamza above"),
    lamAlef(0xC2, U'\u0622', GlyphForm::Isolated, 4, "lam-alef with madda above"),

    // Tatweel: in the engine's dual-joining class without being in a form
    // table, so it stretches a join on both sides with one shape.
    {0xC9, U'\u0640', 0, GlyphForm::Medial, 0, true, "tatweel"},

    // Signs that join nothing: the bytes of the non-joining class. ASCII
    // punctuation keeps its ASCII byte; where Arabic has its own mark (comma,
    // semicolon, question mark, digits) the byte draws the Arabic one and the
    // ASCII character is an alias of it.
    sign(0x20, U' ', "blank"),
    sign(0x21, U'!', "exclamation mark"),
    sign(0x22, U'"', "quotation mark"),
    sign(0x25, U'%', "percent sign"),
    sign(0x27, U'\'', "apostrophe"),
    sign(0x28, U'(', "left parenthesis"),
    sign(0x29, U')', "right parenthesis"),
    sign(0x2A, U'*', "asterisk"),
    sign(0x2B, U'+', "plus sign"),
    sign(0x2C, U'\u060C', "arabic comma"),
    signAlias(0x2C, U',', "comma: drawn as the arabic comma"),
    sign(0x2D, U'-', "hyphen-minus"),
    sign(0x2E, U'.', "full stop"),
    sign(0x2F, U'/', "solidus"),
    sign(0x30, U'\u0660', "arabic-indic digit zero"),
    sign(0x31, U'\u0661', "arabic-indic digit one"),
    sign(0x32, U'\u0662', "arabic-indic digit two"),
    sign(0x33, U'\u0663', "arabic-indic digit three"),
    sign(0x34, U'\u0664', "arabic-indic digit four"),
    sign(0x35, U'\u0665', "arabic-indic digit five"),
    sign(0x36, U'\u0666', "arabic-indic digit six"),
    sign(0x37, U'\u0667', "arabic-indic digit seven"),
    sign(0x38, U'\u0668', "arabic-indic digit eight"),
    sign(0x39, U'\u0669', "arabic-indic digit nine"),
    signAlias(0x30, U'0', "digit zero: drawn as arabic-indic"),
    signAlias(0x31, U'1', "digit one: drawn as arabic-indic"),
    signAlias(0x32, U'2', "digit two: drawn as arabic-indic"),
    signAlias(0x33, U'3', "digit three: drawn as arabic-indic"),
    signAlias(0x34, U'4', "digit four: drawn as arabic-indic"),
    signAlias(0x35, U'5', "digit five: drawn as arabic-indic"),
    signAlias(0x36, U'6', "digit six: drawn as arabic-indic"),
    signAlias(0x37, U'7', "digit seven: drawn as arabic-indic"),
    signAlias(0x38, U'8', "digit eight: drawn as arabic-indic"),
    signAlias(0x39, U'9', "digit nine: drawn as arabic-indic"),
    sign(0x3A, U':', "colon"),
    sign(0x3B, U'\u061B', "arabic semicolon"),
    signAlias(0x3B, U';', "semicolon: drawn as the arabic semicolon"),
    sign(0x3C, U'<', "less-than sign"),
    sign(0x3D, U'=', "equals sign"),
    sign(0x3E, U'>', "greater-than sign"),
    sign(0x3F, U'\u061F', "arabic question mark"),
    signAlias(0x3F, U'?', "question mark: drawn as the arabic question mark"),
    sign(0x5E, U'\u00AB', "left-pointing double angle quotation mark"),
    sign(0x5F, U'\u00BB', "right-pointing double angle quotation mark"),
    sign(0x60, U'\u066A', "arabic percent sign"),
    sign(0x61, U'\u2026', "horizontal ellipsis"),
    sign(0x8E, U'\u0621', "hamza"),
    sign(0xFA, U'[', "left square bracket"),
    sign(0xFB, U']', "right square bracket"),
    sign(0xFC, U'{', "left curly bracket"),
    sign(0xFD, U'}', "right curly bracket"),
};

constexpr std::array<std::int16_t, 256> drawnIndex()
{
    std::array<std::int16_t, 256> index{};
    index.fill(-1);
    for (std::size_t i = 0; i < std::size(kChart); ++i)
        if (kChart[i].drawn)
            index[kChart[i].byte] = static_cast<std::int16_t>(i);
    return index;
}

constexpr auto kDrawnIndex = drawnIndex();

constexpr bool oneDrawnEntryPerByte()
{
    std::array<int, 256> count{};
    for (const auto& e : kChart)
        count[e.byte] += e.drawn ? 1 : 0;
    for (const auto& e : kChart)
        if (count[e.byte] != 1)
            return false;
    return true;
}
static_assert(oneDrawnEntryPerByte(), "every charted byte draws exactly one entry");

} // namespace

std::span<const GlyphChartEntry> glyphChart()
{
    return kChart;
}

const GlyphChartEntry* chartEntry(std::uint8_t byte)
{
    const auto i = kDrawnIndex[byte];
    return i < 0 ? nullptr : &kChart[i];
}

std::optional<std::uint8_t> glyphByte(char32_t c, GlyphForm form)
{
    // A drawn shape wins over an alias of the same character and form (teh
    // marbuta isolated: B8 over 94).
    const GlyphChartEntry* found = nullptr;
    for (const auto& e : kChart) {
        if (e.letter != c || e.alef != 0 || e.form != form)
            continue;
        if (e.drawn)
            return e.byte;
        if (!found)
            found = &e;
    }
    return found ? std::optional<std::uint8_t>(found->byte) : std::nullopt;
}

std::optional<std::uint8_t> lamAlefByte(char32_t alef, GlyphForm form)
{
    for (const auto& e : kChart)
        if (e.alef == alef && alef != 0 && e.form == form)
            return e.byte;
    return std::nullopt;
}

Joining joiningOf(char32_t c)
{
    bool forms[4] = {};
    for (const auto& e : kChart)
        if (e.letter == c && e.alef == 0)
            forms[static_cast<int>(e.form)] = true;
    if (forms[static_cast<int>(GlyphForm::Initial)])
        return Joining::Dual;
    if (forms[static_cast<int>(GlyphForm::Medial)])
        return Joining::Causing; // one shape joined on both sides: tatweel
    return forms[static_cast<int>(GlyphForm::Final)] ? Joining::Right : Joining::None;
}

bool inGlyphChart(char32_t c)
{
    for (const auto& e : kChart)
        if (e.letter == c && e.alef == 0)
            return true;
    return false;
}

std::string_view formName(GlyphForm form)
{
    switch (form) {
    case GlyphForm::Isolated: return "isolated";
    case GlyphForm::Final: return "final";
    case GlyphForm::Initial: return "initial";
    case GlyphForm::Medial: return "medial";
    }
    return "?";
}

std::string_view joiningName(Joining joining)
{
    switch (joining) {
    case Joining::None: return "none";
    case Joining::Right: return "right";
    case Joining::Dual: return "dual";
    case Joining::Causing: return "causing";
    }
    return "?";
}

} // namespace ovta
