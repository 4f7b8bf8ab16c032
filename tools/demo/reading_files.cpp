#include "demo/reading_files.h"

#include <cstdio>

#include "store/errors.h"
#include "search/glyph_encoder.h"

namespace ovta::demo {

std::string fields(std::initializer_list<std::int64_t> values)
{
    std::string out;
    for (std::int64_t v : values) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%08lld", static_cast<long long>(v));
        out += buf;
    }
    return out;
}

std::string glyphLine(std::string_view utf8)
{
    std::string glyphs = encodeGlyphText(utf8);
    if (glyphs.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
        throw ConversionError("Glyph text of " + quoteBytes(utf8) +
                              " holds a line break or zero byte");
    return glyphs;
}

std::pair<std::int64_t, std::int64_t> TitleData::add(std::string_view utf8)
{
    const std::string glyphs = glyphLine(utf8);
    const auto at = static_cast<std::int64_t>(bytes_.size());
    bytes_ += glyphs;
    return {at, static_cast<std::int64_t>(glyphs.size())};
}

namespace {

// The sub-sections one after the other; each line ends with CR LF, and a
// sub-section's pair takes in its lines without the last CR LF.
std::string joinSections(std::string text, const std::vector<Section>& sections, int pairs,
                         std::vector<Pair>& out)
{
    out.assign(static_cast<std::size_t>(pairs), Pair{});
    for (std::size_t k = 0; k < sections.size() && k < out.size(); ++k) {
        if (sections[k].empty())
            continue;
        const auto start = static_cast<std::int64_t>(text.size());
        for (std::size_t i = 0; i < sections[k].size(); ++i) {
            if (i > 0)
                text += "\r\n";
            text += glyphLine(sections[k][i]);
        }
        out[k] = {start, static_cast<std::int64_t>(text.size()) - start};
        text += "\r\n";
    }
    return text;
}

} // namespace

int ArticleFiles::add(std::string_view heading, const std::vector<Section>& sections)
{
    std::vector<Pair> pairs;
    const std::string text = joinSections(glyphLine(heading) + "\r\n", sections, pairs_, pairs);
    return append(text, pairs);
}

int ArticleFiles::addFromStart(const std::vector<Section>& sections)
{
    std::vector<Pair> pairs;
    const std::string text = joinSections({}, sections, pairs_, pairs);
    return append(text, pairs);
}

int ArticleFiles::addRaw(const std::vector<std::string>& lines, const std::vector<Pair>& pairs)
{
    std::string text;
    for (const auto& line : lines)
        text += glyphLine(line) + "\r\n";
    std::vector<Pair> all = pairs;
    all.resize(static_cast<std::size_t>(pairs_));
    return append(text, all);
}

int ArticleFiles::append(const std::string& glyphs, const std::vector<Pair>& pairs)
{
    locators_ +=
        fields({static_cast<std::int64_t>(data_.size()), static_cast<std::int64_t>(glyphs.size())});
    for (const Pair& p : pairs)
        sections_ += fields({p.start, p.length});
    data_ += glyphs;
    last_ = pairs;
    lastLength_ = static_cast<std::int64_t>(glyphs.size());
    return ++count_;
}

} // namespace ovta::demo
