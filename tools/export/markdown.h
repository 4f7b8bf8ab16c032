// Documents of the content walk as UTF-8 Markdown: glyph text turned into
// logical-order Unicode, each line of a text its own paragraph.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/content/content_walk.h"

namespace ovta::tools {

// One line of text made safe for Markdown: the characters Markdown reads as
// markup are escaped, blanks at both ends dropped.
std::string markdownLine(std::string_view utf8);

// A document's title as UTF-8 (decoded unless it is plain already).
std::string documentTitle(const Document& doc);

std::string toMarkdown(const Document& doc);

struct IndexEntry {
    std::string path;
    std::string section;
    std::string title; // UTF-8
};

// The index: one list per section, each entry a link to its document.
std::string indexMarkdown(const std::vector<IndexEntry>& entries);

} // namespace ovta::tools
