#include "lists/two_pane_titles.h"

#include <algorithm>
#include <cstdint>

#include "store/errors.h"

namespace ovta {

void TwoPaneTitles::clear()
{
    titles_.clear();
    records_.clear();
}

void TwoPaneTitles::append(std::string title, int record)
{
    if (count() >= kCapacity)
        throw RangeError(screen_ + ": more than " + std::to_string(kCapacity) +
                         " titles for the list (title " + std::to_string(count() + 1) + ")");
    titles_.push_back(std::move(title));
    records_.push_back(record);
}

void TwoPaneTitles::scanNumbered(const IndexList& titleIndex, const DataFile& titles)
{
    const std::int64_t n = titleIndex.recordCount(kNumberedTitleRecord);
    for (std::int64_t i = 0; i < n; ++i) {
        const std::int32_t offset = titleIndex.field(i, kNumberedTitleRecord, 1);
        const std::int32_t length = titleIndex.field(i, kNumberedTitleRecord, 2);
        const std::int32_t number = titleIndex.field(i, kNumberedTitleRecord, 3);
        append(titles.read(offset, length), number);
    }
}

void TwoPaneTitles::scanCategory(const IndexList& index, const DataFile& titles, int category)
{
    const std::int64_t n = index.recordCount(kCategoryRecord);
    for (std::int64_t i = 0; i < n; ++i) {
        if (index.field(i, kCategoryRecord, 6) != category)
            continue;
        const std::int32_t offset = index.field(i, kCategoryRecord, 2);
        const std::int32_t length = index.field(i, kCategoryRecord, 3);
        append(std::string(trimBlanks(titles.read(offset, length))), static_cast<int>(i));
    }
}

std::string numberedText(const IndexList& textIndex, const DataFile& texts, int number)
{
    const std::int64_t at = std::int64_t{16} * (std::int64_t{number} - 1);
    return texts.read(textIndex.field(at + 1), textIndex.field(at + 9));
}

std::string categoryText(const IndexList& index, const DataFile& texts, int record)
{
    const int R = TwoPaneTitles::kCategoryRecord;
    return texts.read(index.field(record, R, 4), index.field(record, R, 5));
}

std::string_view trimBlanks(std::string_view text)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string paneCaption(const std::vector<std::string>& lines, int top, int rows,
                        std::string_view firstLead)
{
    std::string shown;
    const int n = static_cast<int>(lines.size());
    // In 64 bits: a window that reaches past the last int ends with the lines.
    const std::int64_t end = static_cast<std::int64_t>(top) + rows;
    for (int i = std::max(0, top); i < end && i < n; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (i == top) {
            shown += firstLead;
            shown += line;
        } else {
            shown += "\r\n ";
            shown += line;
            shown += ' ';
        }
    }
    return shown;
}

} // namespace ovta
