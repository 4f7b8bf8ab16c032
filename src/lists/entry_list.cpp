#include "lists/entry_list.h"

#include <algorithm>

#include "shell/pager.h"

namespace ovta {

std::string entryTitle(std::string_view title)
{
    std::string shown(title.substr(0, EntryList::kTitleMax));
    if (!shown.empty() && shown.back() == ')')
        shown += "\x20\xF6";
    return shown;
}

void EntryList::scan(const IndexList& index, const DataFile& titles)
{
    titles_.clear();
    titles_.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        const std::int32_t offset = index.field(i, kRecord, 2);
        const std::int32_t length = index.field(i, kRecord, 3);
        titles_.push_back(entryTitle(titles.read(offset, std::min(length, kTitleMax))));
    }
}

std::string entryText(const IndexList& index, const DataFile& texts, int record)
{
    return texts.read(index.field(record, EntryList::kRecord, 4),
                      index.field(record, EntryList::kRecord, 5));
}

std::vector<std::string> textLines(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::string_view line : pagedLines(text))
        lines.emplace_back(line);
    return lines;
}

} // namespace ovta
