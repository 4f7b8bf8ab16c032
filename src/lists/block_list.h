// The list of frm33: one block of records of its index, chosen by the
// opener's item number, each title shown only up to its last colon.
// Records are 32 characters: title offset, title length, text offset,
// text length.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

struct RecordBlock {
    int first; // record numbers counted from 1, both included
    int last;
    int heading; // title table entry
};

// The block of item 1 .. 6; none for any other item.
std::optional<RecordBlock> recordBlock(int item);

// The shown part of a title: everything before its last ":", the search
// starting at its second byte; a title without such a colon shows nothing.
std::string shownTitlePart(std::string_view title);

class BlockList {
public:
    static constexpr int kRecord = 32;
    static constexpr int kCapacity = 200;

    void clear();

    // The shown parts of the block's titles, in record order. What was read
    // before a failing record (ConversionError) or the first surplus title
    // (RangeError) stays.
    void scan(const IndexList& index, const DataFile& titles, const RecordBlock& block);

    int count() const { return static_cast<int>(titles_.size()); }
    const std::vector<std::string>& titles() const { return titles_; }
    const std::string& title(int i) const { return titles_.at(static_cast<std::size_t>(i)); }
    // The record index (from 0) of entry i.
    int record(int i) const { return records_.at(static_cast<std::size_t>(i)); }

private:
    std::vector<std::string> titles_;
    std::vector<int> records_;
};

// The text of record `record` (from 0).
std::string blockText(const IndexList& index, const DataFile& texts, int record);

} // namespace ovta
