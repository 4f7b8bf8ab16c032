#include "search/glyph_encoder.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "search/glyph_chart.h"
#include "search/utf8.h"
#include "store/errors.h"

namespace ovta {
namespace {

std::string codePointName(char32_t c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

// Strict UTF-8: overlong forms, surrogates and truncated sequences are
// refused, so a damaged file is reported rather than turned into letters.
std::u32string decodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = readUtf8(text, i);
        if (!c)
            throw ConversionError("Text is not valid UTF-8 at byte " + std::to_string(i) + ": " +
                                  quoteBytes(text.substr(i, 4)));
        out += c->value;
        i += c->length;
    }
    return out;
}

bool isDiacritic(char32_t c)
{
    return (c >= U'\u064B' && c <= U'\u0652') || c == U'\u0670';
}

bool isAlefForLigature(char32_t c)
{
    return c == U'\u0622' || c == U'\u0623' || c == U'\u0625' || c == U'\u0627';
}

bool isDigit(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'\u0660' && c <= U'\u0669');
}

// Separators that hold two numbers together as one left-to-right run. In
// Arabic text every number counts as an Arabic number to the bidirectional
// algorithm, and only the common separators join those.
bool isNumberSeparator(char32_t c)
{
    return c == U'.' || c == U',' || c == U'\u060C' || c == U'/' || c == U':';
}

// In right-to-left text a paired bracket is drawn as its mirror image.
char32_t mirrored(char32_t c)
{
    static constexpr std::pair<char32_t, char32_t> pairs[] = {
        {U'(', U')'}, {U'[', U']'}, {U'{', U'}'}, {U'<', U'>'}, {U'\u00AB', U'\u00BB'}};
    for (auto [open, close] : pairs) {
        if (c == open)
            return close;
        if (c == close)
            return open;
    }
    return c;
}

// One glyph to be: a character, or lam with its alef as one ligature.
struct Unit {
    char32_t letter;
    char32_t alef = 0;
    Joining joining = Joining::None;
    bool numberRun = false; // kept left to right inside the reversed line
};

bool joinsNext(const Unit& u)
{
    return u.joining == Joining::Dual || u.joining == Joining::Causing;
}

bool joinsPrevious(const Unit& u)
{
    return u.joining != Joining::None;
}

GlyphForm formFor(const Unit& u, bool previous, bool next)
{
    switch (u.joining) {
    case Joining::Dual:
        if (previous)
            return next ? GlyphForm::Medial : GlyphForm::Final;
        return next ? GlyphForm::Initial : GlyphForm::Isolated;
    case Joining::Right: return previous ? GlyphForm::Final : GlyphForm::Isolated;
    case Joining::Causing: return GlyphForm::Medial;
    case Joining::None: break;
    }
    return GlyphForm::Isolated;
}

std::vector<Unit> unitsOf(const std::u32string& line, std::size_t lineStart)
{
    std::u32string letters;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const char32_t c = line[k];
        if (isDiacritic(c))
            continue;
        if (!inGlyphChart(c))
            throw ConversionError("No Glyf01 glyph for " + codePointName(c) + " (character " +
                                  std::to_string(lineStart + k + 1) + " of the text)");
        letters += c;
    }
    std::vector<Unit> units;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const char32_t c = letters[i];
        if (c == U'\u0644' && i + 1 < letters.size() && isAlefForLigature(letters[i + 1])) {
            units.push_back({c, letters[++i], Joining::Right});
            continue;
        }
        units.push_back({c, 0, joiningOf(c)});
    }
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t c = units[i].letter;
        units[i].numberRun =
            isDigit(c) || (isNumberSeparator(c) && i > 0 && i + 1 < units.size() &&
                           isDigit(units[i - 1].letter) && isDigit(units[i + 1].letter));
    }
    return units;
}

std::uint8_t byteFor(const Unit& u, GlyphForm form)
{
    const auto byte = u.alef != 0 ? lamAlefByte(u.alef, form) : glyphByte(mirrored(u.letter), form);
    if (!byte) // not reached with the chart as it is: every joining letter has all its shapes
        throw ConversionError("No Glyf01 glyph for " + codePointName(u.letter) + " in its " +
                              std::string(formName(form)) + " shape");
    return *byte;
}

std::string encodeLine(const std::u32string& line, std::size_t lineStart)
{
    const auto units = unitsOf(line, lineStart);
    std::string logical;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool previous = i > 0 && joinsNext(units[i - 1]) && joinsPrevious(units[i]);
        const bool next =
            i + 1 < units.size() && joinsNext(units[i]) && joinsPrevious(units[i + 1]);
        logical += static_cast<char>(byteFor(units[i], formFor(units[i], previous, next)));
    }

    // Visual order: the whole line reversed, then each number run turned back.
    std::string visual(logical.rbegin(), logical.rend());
    const std::size_t n = units.size();
    std::size_t v = 0;
    while (v < n) {
        if (!units[n - 1 - v].numberRun) {
            ++v;
            continue;
        }
        std::size_t end = v;
        while (end < n && units[n - 1 - end].numberRun)
            ++end;
        std::reverse(visual.begin() + static_cast<std::ptrdiff_t>(v),
                     visual.begin() + static_cast<std::ptrdiff_t>(end));
        v = end;
    }
    return visual;
}

} // namespace

std::string encodeGlyphText(std::string_view utf8)
{
    const std::u32string text = decodeUtf8(utf8);
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != U'\r' && text[end] != U'\n')
            ++end;
        out += encodeLine(text.substr(start, end - start), start);
        if (end == text.size())
            break;
        out += static_cast<char>(text[end]);
        start = end + 1;
    }
    return out;
}

} // namespace ovta
