#include "tools/export/markdown.h"

#include <algorithm>

#include "search/glyph_decoder.h"

namespace ovta::tools {
namespace {

std::string decoded(const std::string& glyphs, bool plain)
{
    return plain ? glyphs : decodeGlyphTextUtf8(glyphs);
}

// The lines of a text, split at CR LF, CR or LF.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    return lines;
}

} // namespace

std::string markdownLine(std::string_view utf8)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!utf8.empty() && blank(utf8.front()))
        utf8.remove_prefix(1);
    while (!utf8.empty() && blank(utf8.back()))
        utf8.remove_suffix(1);
    std::string out;
    out.reserve(utf8.size() + 8);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const bool markup = c == '\\' || c == '`' || c == '*' || c == '_' || c == '[' ||
                            c == ']' || c == '<' || c == '>' || c == '#' || c == '|' ||
                            ((c == '-' || c == '+' || c == '=') && i == 0);
        if (markup)
            out += '\\';
        out += c;
    }
    return out;
}

std::string documentTitle(const Document& doc)
{
    return decoded(doc.title, doc.plainTitle);
}

std::string toMarkdown(const Document& doc)
{
    std::string out;
    for (const Block& b : doc.blocks) {
        const std::string text = decoded(b.glyphs, b.plain);
        switch (b.kind) {
        case Block::Kind::Heading: {
            if (!out.empty() && !out.ends_with("\n\n"))
                out += "\n"; // a blank line after a list
            std::string line;
            for (std::string_view part : splitLines(text)) {
                const std::string escaped = markdownLine(part);
                if (!escaped.empty())
                    line += line.empty() ? escaped : " " + escaped;
            }
            if (b.level <= 6)
                out += std::string(static_cast<std::size_t>(std::max(1, b.level)), '#') + " " +
                       line + "\n\n";
            else if (!line.empty())
                out += "**" + line + "**\n\n";
            break;
        }
        case Block::Kind::Paragraphs: {
            // Lines in a row stay one paragraph (the text is wrapped to the
            // reader's width); an empty line ends it.
            bool open = false;
            for (std::string_view part : splitLines(text)) {
                const std::string line = markdownLine(part);
                if (line.empty()) {
                    if (open)
                        out += "\n";
                    open = false;
                    continue;
                }
                out += line + "\n";
                open = true;
            }
            if (open)
                out += "\n";
            break;
        }
        case Block::Kind::Item: {
            std::string line;
            for (std::string_view part : splitLines(text)) {
                const std::string escaped = markdownLine(part);
                if (!escaped.empty())
                    line += line.empty() ? escaped : " " + escaped;
            }
            out += b.link.empty() ? "- " + line + "\n" : "- [" + line + "](" + b.link + ")\n";
            break;
        }
        case Block::Kind::Rule: out += "\n---\n\n"; break;
        }
    }
    return out;
}

std::string indexMarkdown(const std::vector<IndexEntry>& entries)
{
    std::string out = "# Index\n";
    std::string section;
    bool first = true;
    for (const IndexEntry& e : entries) {
        if (first || e.section != section) {
            first = false;
            section = e.section;
            out += "\n## " + markdownLine(section) + "\n\n";
        }
        const std::string title = markdownLine(e.title.empty() ? e.path : e.title);
        out += "- [" + title + "](" + e.path + ")\n";
    }
    return out;
}

} // namespace ovta::tools
