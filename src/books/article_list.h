// The articles attached to a heading of a book with article lists: the
// heading's group selects a run of positions in the article number list
// (through the group map); each number there, plus the book's base, is an
// article of the article index, whose record gives the title.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

struct ArticleEntry {
    std::string title;
    // Article number - 1: the article's record in the article index, and
    // what a reader or the question screen is handed as the chosen entry.
    std::int64_t index = 0;

    bool operator==(const ArticleEntry&) const = default;
};

struct ArticleListFiles {
    const IndexList& groupMap;       // 16-character (first, last) per group
    const IndexList& articleNumbers; // 8-character article numbers
    const IndexList& articleIndex;   // article records
    const DataFile& articleTitles;
};

struct ArticleListRules {
    int recordSize = 0;              // of an article record
    int titleField = 0;              // field of the title offset; the length follows
    std::int64_t base = 0;           // added to every article number read
    bool rangeNeedsBothEnds = false; // a first or last position of 0 lists nothing
    int capacity = 0;                // entries the list holds
    std::string screen;              // named in the capacity error
};

class ArticleList {
public:
    // Empties the list, then appends the articles of group `group` (a group
    // of 0 or less has none, as has a range whose last position is before
    // its first). Entries grow as they are read: a bad field
    // (ConversionError) or the first entry past the capacity (RangeError)
    // stops the list with the entries before it.
    void build(const ArticleListFiles& files, const ArticleListRules& rules, std::int32_t group);

    void clear() { entries_.clear(); }

    const std::vector<ArticleEntry>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }

private:
    std::vector<ArticleEntry> entries_;
};

} // namespace ovta
