// The 120 fixed headings of "data\kenor002": line k is heading k, the one the
// screens take by number for book titles, list headings and chooser captions.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ovta::demo {

struct Heading {
    int entry;                // 1..120, the line of the file
    std::string_view arabic;  // Unicode Arabic, logical order, no diacritics
    std::string_view shownAt; // where the program shows it
};

// All 120, in entry order.
std::span<const Heading> headingTable();

// The file's bytes: each heading as glyph text, one per line, CR LF.
std::string titleTableFile();

} // namespace ovta::demo
