#include "books/article_list.h"

#include "store/errors.h"

namespace ovta {
namespace {

constexpr std::int64_t kRangeRecord = 16;
constexpr std::int64_t kNumberRecord = 8;

} // namespace

void ArticleList::build(const ArticleListFiles& files, const ArticleListRules& rules,
                        std::int32_t group)
{
    entries_.clear();
    if (group <= 0)
        return;
    const std::int64_t record = static_cast<std::int64_t>(group) - 1;
    const std::int32_t first = files.groupMap.field(record, kRangeRecord, 1);
    const std::int32_t last = files.groupMap.field(record, kRangeRecord, 2);
    if (rules.rangeNeedsBothEnds && (first == 0 || last == 0))
        return;
    for (std::int64_t t = first; t <= last; ++t) {
        if (count() >= rules.capacity)
            throw RangeError("the article list of " + rules.screen + " holds " +
                             std::to_string(rules.capacity) + " entries; position " +
                             std::to_string(t) + " of index list " + files.articleNumbers.name() +
                             " is one too many");
        const std::int64_t a = files.articleNumbers.field(t, kNumberRecord, 1) + rules.base;
        ArticleEntry entry;
        entry.index = a - 1;
        const std::int32_t offset =
            files.articleIndex.field(a - 1, rules.recordSize, rules.titleField);
        const std::int32_t length =
            files.articleIndex.field(a - 1, rules.recordSize, rules.titleField + 1);
        entry.title = files.articleTitles.read(offset, length);
        entries_.push_back(std::move(entry));
    }
}

} // namespace ovta
