#include "search/fulltext_documents.h"

#include "search/glyph_decoder.h"

namespace ovta {

Document documentOf(const TextEntry& entry)
{
    Document document;
    document.title = decodeGlyphTextUtf8(entry.title);
    for (const TextSection& section : entry.sections) {
        for (const std::string* part : {&section.heading, &section.text}) {
            if (part->empty())
                continue;
            if (!document.text.empty())
                document.text += "\n\n";
            document.text += decodeGlyphTextUtf8(*part);
        }
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
