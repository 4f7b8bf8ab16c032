// The title list of a two-pane reader and, for each title, what opens its
// text: the text number of a numbered reader (the title index points into
// a text index) or the record index of a categorised one (one index for
// titles and texts, each record with its category).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

class TwoPaneTitles {
public:
    // Slots of the number table; the first surplus title is refused.
    static constexpr int kCapacity = 201;

    // Record sizes and fields of the two layouts (8-character fields).
    static constexpr int kNumberedTitleRecord = 24; // title offset, length, text number
    static constexpr int kNumberedTextRecord = 16;  // text offset, length
    static constexpr int kCategoryRecord =
        48; // -, title offset, length, text offset, length, category

    explicit TwoPaneTitles(std::string screen = {}) : screen_(std::move(screen)) {}

    void clear();

    // Every title of a numbered title index, in file order, as it stands.
    // Titles grow as records are read, so what was read before a failing
    // record (ConversionError) or the first surplus title (RangeError) stays.
    void scanNumbered(const IndexList& titleIndex, const DataFile& titles);

    // The titles of the records whose category is `category`, in file
    // order, with bytes of 0x20 or below trimmed from both ends.
    void scanCategory(const IndexList& index, const DataFile& titles, int category);

    int count() const { return static_cast<int>(titles_.size()); }
    const std::vector<std::string>& titles() const { return titles_; }
    const std::string& title(int i) const { return titles_.at(static_cast<std::size_t>(i)); }
    // The text number or record index kept for title i.
    int record(int i) const { return records_.at(static_cast<std::size_t>(i)); }

private:
    void append(std::string title, int record);

    std::string screen_;
    std::vector<std::string> titles_;
    std::vector<int> records_;
};

// Text number `number` (1-based) of a numbered reader's text index.
std::string numberedText(const IndexList& textIndex, const DataFile& texts, int number);

// The text of record `record` (0-based) of a categorised reader's index.
std::string categoryText(const IndexList& index, const DataFile& texts, int record);

// Bytes of 0x20 or below removed from both ends.
std::string_view trimBlanks(std::string_view text);

// The caption of a text pane showing `rows` lines from `top`: the first line
// after `firstLead`, each further one after CR LF and a blank and followed
// by a blank.
std::string paneCaption(const std::vector<std::string>& lines, int top, int rows,
                        std::string_view firstLead);

} // namespace ovta
