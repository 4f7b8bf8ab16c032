#include "lists/block_list.h"

#include <array>

#include "store/errors.h"

namespace ovta {

std::optional<RecordBlock> recordBlock(int item)
{
    static constexpr std::array<RecordBlock, 6> kBlocks{{
        {1, 53, 61},
        {54, 100, 62},
        {101, 146, 63},
        {147, 171, 64},
        {172, 216, 97},
        {217, 240, 71},
    }};
    if (item < 1 || item > static_cast<int>(kBlocks.size()))
        return std::nullopt;
    return kBlocks[static_cast<std::size_t>(item - 1)];
}

std::string shownTitlePart(std::string_view title)
{
    if (title.size() < 2)
        return {};
    const auto colon = title.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return {};
    return std::string(title.substr(0, colon));
}

void BlockList::clear()
{
    titles_.clear();
    records_.clear();
}

void BlockList::scan(const IndexList& index, const DataFile& titles, const RecordBlock& block)
{
    for (int number = block.first; number <= block.last; ++number) {
        const int record = number - 1;
        const std::int32_t offset = index.field(record, kRecord, 1);
        const std::int32_t length = index.field(record, kRecord, 2);
        if (count() >= kCapacity)
            throw RangeError("frm33: more than " + std::to_string(kCapacity) +
                             " titles for the list");
        titles_.push_back(shownTitlePart(titles.read(offset, length)));
        records_.push_back(record);
    }
}

std::string blockText(const IndexList& index, const DataFile& texts, int record)
{
    return texts.read(index.field(record, BlockList::kRecord, 3),
                      index.field(record, BlockList::kRecord, 4));
}

} // namespace ovta
