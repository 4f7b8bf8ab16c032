#include "search/fulltext_documents.h"

#include "search/glyph_decoder.h"

namespace ovta {

Document documentOf(const TextEntry& entry)
{
    Document document;
    document.title = decodeGlyphTextUtf8(entry.title);
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
        if (!section.heading.empty()) {
            const std::u16string heading = decodeGlyphText(section.heading);
            append(heading);
            document.headings.push_back({length - heading.size(), utf16ToUtf8(heading)});
        }
        if (!section.text.empty())
            append(decodeGlyphText(section.text));
    }
    document.place = entry.place;
    return document;
}

void collectFullTextDocuments(const ContentDir& dir, const std::function<bool(Document)>& add)
{
    forEachText(
        dir, [&](TextEntry entry) { return add(documentOf(entry)); },
        [](const std::string&) {});
}

} // namespace ovta
