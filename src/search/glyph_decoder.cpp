#include "search/glyph_decoder.h"

#include <algorithm>
#include <cstdint>

#include "search/glyph_chart.h"

namespace ovta {
namespace {

bool isLineBreak(unsigned char b)
{
    return b == '\r' || b == '\n';
}

bool isDigitByte(unsigned char b)
{
    return b >= 0x30 && b <= 0x39;
}

// The bytes of the separators that hold two numbers together as one
// left-to-right run: full stop, comma, solidus, colon.
bool isSeparatorByte(unsigned char b)
{
    return b == 0x2E || b == 0x2C || b == 0x2F || b == 0x3A;
}

// A paired bracket in right-to-left text is drawn as its mirror image, so
// the glyph drawn is the other one of the pair.
char16_t unmirrored(char16_t c)
{
    switch (c) {
    case u'(': return u')';
    case u')': return u'(';
    case u'[': return u']';
    case u']': return u'[';
    case u'{': return u'}';
    case u'}': return u'{';
    case u'<': return u'>';
    case u'>': return u'<';
    case u'\u00AB': return u'\u00BB';
    case u'\u00BB': return u'\u00AB';
    default: return c;
    }
}

void appendGlyph(std::u16string& out, unsigned char b)
{
    const GlyphChartEntry* e = chartEntry(b);
    if (!e) {
        out += kUnchartedGlyph;
        return;
    }
    out += unmirrored(static_cast<char16_t>(e->letter));
    if (e->alef != 0)
        out += static_cast<char16_t>(e->alef);
}

// One line: read from the right, except that runs of digits (with a single
// separator between two digits) were laid out left to right and are read so.
void decodeLine(std::string_view line, std::u16string& out)
{
    std::string logical(line.rbegin(), line.rend());
    const std::size_t n = logical.size();
    auto inRun = [&](std::size_t i) {
        const auto b = static_cast<unsigned char>(logical[i]);
        if (isDigitByte(b))
            return true;
        return isSeparatorByte(b) && i > 0 && i + 1 < n &&
               isDigitByte(static_cast<unsigned char>(logical[i - 1])) &&
               isDigitByte(static_cast<unsigned char>(logical[i + 1]));
    };
    std::size_t i = 0;
    while (i < n) {
        if (!inRun(i)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < n && inRun(end))
            ++end;
        std::reverse(logical.begin() + static_cast<std::ptrdiff_t>(i),
                     logical.begin() + static_cast<std::ptrdiff_t>(end));
        i = end;
    }
    for (char c : logical)
        appendGlyph(out, static_cast<unsigned char>(c));
}

} // namespace

std::u16string decodeGlyphText(std::string_view glyphBytes)
{
    std::u16string out;
    out.reserve(glyphBytes.size() + glyphBytes.size() / 8);
    std::size_t start = 0;
    while (start <= glyphBytes.size()) {
        std::size_t end = start;
        while (end < glyphBytes.size() && !isLineBreak(static_cast<unsigned char>(glyphBytes[end])))
            ++end;
        decodeLine(glyphBytes.substr(start, end - start), out);
        if (end == glyphBytes.size())
            break;
        out += static_cast<char16_t>(static_cast<unsigned char>(glyphBytes[end]));
        start = end + 1;
    }
    return out;
}

std::string decodeGlyphTextUtf8(std::string_view glyphBytes)
{
    return utf16ToUtf8(decodeGlyphText(glyphBytes));
}

std::size_t firstUnchartedGlyph(std::string_view glyphBytes)
{
    for (std::size_t i = 0; i < glyphBytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(glyphBytes[i]);
        if (!isLineBreak(b) && !chartEntry(b))
            return i;
    }
    return std::string_view::npos;
}

std::string utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace ovta
