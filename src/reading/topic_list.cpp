#include "reading/topic_list.h"

#include "store/errors.h"

namespace ovta {

int recordSize(TopicRecord record)
{
    return record == TopicRecord::Grouped ? 32 : 24;
}

TopicFields readTopic(const IndexList& list, TopicRecord record, std::int64_t index)
{
    const int size = recordSize(record);
    auto field = [&](int f) { return list.field(index, size, f); };
    TopicFields t;
    switch (record) {
    case TopicRecord::Grouped:
        t.offset = field(1);
        t.length = field(2);
        t.group = field(3);
        t.article = field(4);
        break;
    case TopicRecord::OrderA:
        t.article = field(1);
        t.offset = field(2);
        t.length = field(3);
        break;
    case TopicRecord::OrderB:
        t.offset = field(1);
        t.length = field(2);
        t.article = field(3);
        break;
    }
    return t;
}

void TopicList::scan(const IndexList& topics, const DataFile& titles, const TopicListRules& rules,
                     int group)
{
    const std::int64_t records = topics.recordCount(recordSize(rules.record));
    for (std::int64_t k = 0; k < records; ++k) {
        const TopicFields t = readTopic(topics, rules.record, k);
        if (rules.byGroup && t.group != group)
            continue;
        // The number is stored before the title is read, so a full table
        // stops the scan without the surplus title.
        if (count() >= rules.capacity)
            failContent<RangeError>(
                topics.name(), "record " + std::to_string(k + 1) + " is one too many for the " +
                                   std::to_string(rules.capacity) +
                                   " entries of the number table of " + rules.screen);
        const std::int64_t number = static_cast<std::int64_t>(t.article) + rules.numberOffset;
        numbers_.push_back(static_cast<int>(number));
        try {
            titles_.push_back(titles.read(t.offset, t.length));
        } catch (...) {
            numbers_.pop_back();
            throw;
        }
    }
}

void TopicList::clear()
{
    titles_.clear();
    numbers_.clear();
}

} // namespace ovta
