// The list of frm47: exactly 893 entries of its index (records of 40
// characters: a field not used here, title offset, title length, text
// offset, text length). A title ending in ")" gets a blank and glyph 0xF6
// after it, and the search compares against the title so suffixed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

class EntryList {
public:
    static constexpr int kEntries = 893;
    static constexpr int kRecord = 40;
    static constexpr int kTitleMax = 99; // bytes of a title kept

    // Reads records 0 .. 892 whatever the index's length: a shorter index
    // fails at its first missing record with ConversionError, keeping the
    // entries read before it.
    void scan(const IndexList& index, const DataFile& titles);

    int count() const { return static_cast<int>(titles_.size()); }
    const std::vector<std::string>& titles() const { return titles_; }
    const std::string& title(int i) const { return titles_.at(static_cast<std::size_t>(i)); }

private:
    std::vector<std::string> titles_;
};

// A title as the list shows it: cut to 99 bytes, and " " + 0xF6 after a
// closing parenthesis.
std::string entryTitle(std::string_view title);

// The text of entry `record` (from 0), and the lines it is listed in.
std::string entryText(const IndexList& index, const DataFile& texts, int record);
std::vector<std::string> textLines(std::string_view text);

} // namespace ovta
