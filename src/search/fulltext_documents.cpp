#include "search/fulltext_documents.h"

#include "search/glyph_decoder.h"

namespace ovta {

Document documentOf(const TextEntry& entry)
{
    Document document;
    document.title = decodeGlyphTextUtf8(entry.title.empty() && entry.kind == TextEntry::Kind::Article
                                             ? entry.firstLine()
                                             : entry.title);
    std::size_t length = 0; // of the text so far, in UTF-16 units
    const auto append = [&](const std::u16string& part) {
        if (!document.text.empty()) {
            document.text += "\n\n";
            length += 2;
        }
        document.text += utf16ToUtf8(part);
        length += part.size();
    };
    for (const TextSection& section : entry.sections) {
        const std::u16string heading =
            section.heading.empty() ? std::u16string() : decodeGlyphText(section.heading);
        const std::u16string text =
            section.text.empty() ? std::u16string() : decodeGlyphText(section.text);
        // A book heading starts its part even untitled: a hit in its text
        // opens that heading, not the one before it.
        if (!heading.empty() || (section.node != 0 && !text.empty())) {
            const std::size_t start = length + (document.text.empty() ? 0 : 2);
            document.headings.push_back({start, utf16ToUtf8(heading), section.node});
        }
        if (!heading.empty())
            append(heading);
        if (!text.empty())
            append(text);
        for (const std::string& piece : section.further)
            if (!piece.empty())
                append(decodeGlyphText(piece));
    }
    document.place = entry.place;
    return document;
}

void collectFullTextDocuments(const ContentDir& dir, const std::function<bool(Document)>& add)
{
    // An entry with no text of its own (the topic index, a book whose
    // headings only list articles) is left to the texts it lists.
    forEachText(
        dir, [&](TextEntry entry) { return !entry.hasText() || add(documentOf(entry)); },
        [](const std::string&) {});
}

} // namespace ovta
