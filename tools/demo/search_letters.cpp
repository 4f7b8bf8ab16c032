#include "demo/search_letters.h"

#include <array>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "search/glyph_chart.h"

namespace ovta::demo {
namespace {

// Keys as the Arabic (101) layout prints them on a US keyboard. Teh marbuta
// is typed as a two-form letter whose isolated shape is B8, the shape the
// glyph chart draws and encoded titles hold (94, its place in the two-form
// table, draws feh).
constexpr std::array<SearchLetter, 60> kLetters{{
    // Four-form letters.
    {"z", U'\u0626', 0, 4}, // yeh with hamza above
    {"f", U'\u0628', 0, 4}, // beh
    {"j", U'\u062A', 0, 4}, // teh
    {"e", U'\u062B', 0, 4}, // theh
    {"[", U'\u062C', 0, 4}, // jeem
    {"p", U'\u062D', 0, 4}, // hah
    {"o", U'\u062E', 0, 4}, // khah
    {"s", U'\u0633', 0, 4}, // seen
    {"a", U'\u0634', 0, 4}, // sheen
    {"w", U'\u0635', 0, 4}, // sad
    {"q", U'\u0636', 0, 4}, // dad
    {"'", U'\u0637', 0, 4}, // tah
    {"/", U'\u0638', 0, 4}, // zah
    {"u", U'\u0639', 0, 4}, // ain
    {"y", U'\u063A', 0, 4}, // ghain
    {"t", U'\u0641', 0, 4}, // feh
    {"r", U'\u0642', 0, 4}, // qaf
    {";", U'\u0643', 0, 4}, // kaf
    {"g", U'\u0644', 0, 4}, // lam
    {"l", U'\u0645', 0, 4}, // meem
    {"k", U'\u0646', 0, 4}, // noon
    {"i", U'\u0647', 0, 4}, // heh
    {"d", U'\u064A', 0, 4}, // yeh
    // Two-form letters: joined on the right, isolated.
    {"N", U'\u0622', 0, 2}, // alef with madda above
    {"H", U'\u0623', 0, 2}, // alef with hamza above
    {"c", U'\u0624', 0, 2}, // waw with hamza above
    {"Y", U'\u0625', 0, 2}, // alef with hamza below
    {"h", U'\u0627', 0, 2}, // alef
    {"m", U'\u0629', 0, 2}, // teh marbuta
    {"]", U'\u062F', 0, 2}, // dal
    {"`", U'\u0630', 0, 2}, // thal
    {"v", U'\u0631', 0, 2}, // reh
    {".", U'\u0632', 0, 2}, // zain
    {",", U'\u0648', 0, 2}, // waw
    {"n", U'\u0649', 0, 2}, // alef maksura
    // Lam-alef keys: the ligature as one two-form letter.
    {"b", U'\u0644', U'\u0627', 2},
    {"B", U'\u0644', U'\u0622', 2},
    {"G", U'\u0644', U'\u0623', 2},
    {"T", U'\u0644', U'\u0625', 2},
    // One-form signs: they join nothing.
    {"x", U'\u0621', 0, 1}, // hamza
    {" ", U' ', 0, 1},
    {"K<", U'\u060C', 0, 1}, // arabic comma
    {"P", U'\u061B', 0, 1},  // arabic semicolon
    {"?", U'\u061F', 0, 1},  // arabic question mark
    {">", U'.', 0, 1},
    {"!", U'!', 0, 1},
    {"-", U'-', 0, 1},
    {":", U':', 0, 1},
    {"\"", U'"', 0, 1},
    {"L", U'/', 0, 1},
    {"0", U'0', 0, 1}, // digits draw as arabic-indic
    {"1", U'1', 0, 1},
    {"2", U'2', 0, 1},
    {"3", U'3', 0, 1},
    {"4", U'4', 0, 1},
    {"5", U'5', 0, 1},
    {"6", U'6', 0, 1},
    {"7", U'7', 0, 1},
    {"8", U'8', 0, 1},
    {"9", U'9', 0, 1},
}};

std::string field(long value)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%8ld", value);
    return buf;
}

std::uint8_t byteOf(const SearchLetter& l, GlyphForm form)
{
    const auto byte = l.alef ? lamAlefByte(l.alef, form) : glyphByte(l.letter, form);
    if (!byte)
        throw std::logic_error("the glyph chart has no shape for a search letter");
    return *byte;
}

std::vector<std::uint8_t> formsOf(const SearchLetter& l)
{
    switch (l.forms) {
    case 4:
        return {byteOf(l, GlyphForm::Initial), byteOf(l, GlyphForm::Medial),
                byteOf(l, GlyphForm::Final), byteOf(l, GlyphForm::Isolated)};
    case 2: return {byteOf(l, GlyphForm::Final), byteOf(l, GlyphForm::Isolated)};
    default: return {byteOf(l, GlyphForm::Isolated)};
    }
}

} // namespace

std::span<const SearchLetter> searchLetters()
{
    return kLetters;
}

std::string keyLetterFile()
{
    std::array<long, 128> letterOf{};
    const auto letters = searchLetters();
    for (std::size_t n = 0; n < letters.size(); ++n)
        for (char key : letters[n].keys)
            letterOf[static_cast<unsigned char>(key)] = static_cast<long>(n + 1);
    std::string out;
    for (int k = 1; k <= 127; ++k)
        out += field(letterOf[static_cast<std::size_t>(k)]);
    return out + "\r\n";
}

std::string formRangeFile()
{
    std::string out = field(0) + field(0);
    long next = 1;
    for (const auto& l : searchLetters()) {
        const long count = static_cast<long>(formsOf(l).size());
        out += field(next) + field(next + count - 1);
        next += count;
    }
    return out + "\r\n";
}

std::string formGlyphFile()
{
    std::string out = field(0);
    for (const auto& l : searchLetters())
        for (std::uint8_t glyph : formsOf(l))
            out += field(glyph);
    return out + "\r\n";
}

} // namespace ovta::demo
