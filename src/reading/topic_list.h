// The titles of a topic list and the number each entry hands to its
// reader, scanned from a topic file (an index list of fixed records) and
// the titles data file that the records point into.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

// The record layouts of topic files; every field is 8 characters.
enum class TopicRecord {
    Grouped, // 32: title offset, title length, group, article number
    OrderA,  // 24: article number, title offset, title length
    OrderB,  // 24: title offset, title length, article number
};

int recordSize(TopicRecord record);

struct TopicFields {
    std::int32_t offset = 0;
    std::int32_t length = 0;
    std::int32_t group = 0; // Grouped records only
    std::int32_t article = 0;
};

// Reads record `index` (0-based). Throws ConversionError as IndexList does.
TopicFields readTopic(const IndexList& list, TopicRecord record, std::int64_t index);

struct TopicListRules {
    TopicRecord record = TopicRecord::OrderB;
    bool byGroup = false;    // list only the records whose group is the one asked for
    int numberOffset = 0;    // number kept = article number + numberOffset
    int capacity = 0;        // slots of the number table
    const char* screen = ""; // named in the capacity error
};

class TopicList {
public:
    // Appends the entries of `topics` in file order. The entries grow as
    // the records are read, so when a record fails (ConversionError) or the
    // number table is full (RangeError at the first surplus entry), what
    // was read before it stays.
    void scan(const IndexList& topics, const DataFile& titles, const TopicListRules& rules,
              int group = 0);

    void clear();

    int count() const { return static_cast<int>(titles_.size()); }
    const std::vector<std::string>& titles() const { return titles_; }
    const std::vector<int>& numbers() const { return numbers_; }
    const std::string& title(int index) const
    {
        return titles_.at(static_cast<std::size_t>(index));
    }
    int number(int index) const { return numbers_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<std::string> titles_;
    std::vector<int> numbers_;
};

} // namespace ovta
