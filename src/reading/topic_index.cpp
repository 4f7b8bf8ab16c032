#include "reading/topic_index.h"

#include <array>

#include "store/errors.h"

namespace ovta {
namespace {

constexpr int kRange = 16;
constexpr int kPointer = 8;
constexpr int kArticle = 32;

[[noreturn]] void full(const char* table, int capacity, const IndexList& from)
{
    failContent<RangeError>(from.name(), "names more entries than the " + std::to_string(capacity) +
                                             " of the " + table + " of frm04");
}

} // namespace

const char* iconResource(int kind)
{
    static constexpr std::array<const char*, 9> kIcons = {
        "BITMAP_6", "BITMAP_4", "BITMAP_3", "BITMAP_3", "BITMAP_1",
        "BITMAP_2", "BITMAP_8", "BITMAP_9", "BITMAP_5",
    };
    if (kind < 1 || kind > 9)
        return nullptr;
    return kIcons[static_cast<std::size_t>(kind - 1)];
}

void TopicIndex::loadArticles(const ContentDir& dir)
{
    articles_ = IndexList();
    titleData_ = DataFile();
    articles_ = IndexList::load(dir, "data\\1kenor016");
    titleData_ = DataFile::open(dir, "data\\kenor017");
}

void TopicIndex::loadSpans(const ContentDir& dir)
{
    ranges1_ = pointers1_ = ranges2_ = pointers2_ = IndexList();
    ranges1_ = IndexList::load(dir, "data\\1kenor06");
    pointers1_ = IndexList::load(dir, "data\\1kenor05");
    ranges2_ = IndexList::load(dir, "data\\1kenor04");
    pointers2_ = IndexList::load(dir, "data\\1kenor03");
}

void TopicIndex::loadHeadings(const ContentDir& dir)
{
    headings1_ = headings2_ = IndexList();
    headings1_ = IndexList::load(dir, "data\\kenor07");
    headings2_ = IndexList::load(dir, "data\\kenor08");
}

void TopicIndex::clearLevel2()
{
    level2_.clear();
    level2Numbers_.clear();
}

void TopicIndex::chooseLevel1(int h)
{
    clearLevel2();
    const std::int32_t first = ranges1_.field(h, kRange, 1);
    const std::int32_t last = ranges1_.field(h, kRange, 2);
    for (std::int64_t j = first; j <= last; ++j) {
        const std::int32_t e = pointers1_.field(j, kPointer, 1);
        if (static_cast<int>(level2Numbers_.size()) >= Level2Capacity)
            full("level-2 number table", Level2Capacity, ranges1_);
        level2Numbers_.push_back(e);
        level2_.push_back(headings2_.line(static_cast<std::int64_t>(e) - 1));
    }
}

void TopicIndex::chooseLevel2(int e)
{
    titles_.clear();
    const std::int32_t first = ranges2_.field(static_cast<std::int64_t>(e) - 1, kRange, 1);
    const std::int32_t last = ranges2_.field(static_cast<std::int64_t>(e) - 1, kRange, 2);
    for (std::int64_t j = first; j <= last; ++j) {
        const std::int32_t a = pointers2_.field(j, kPointer, 1);
        const std::int64_t record = static_cast<std::int64_t>(a) - 1;
        IndexTitle t;
        const std::int32_t offset = articles_.field(record, kArticle, 1);
        const std::int32_t length = articles_.field(record, kArticle, 2);
        t.icon = articles_.field(record, kArticle, 3);
        t.article = articles_.field(record, kArticle, 4);
        if (static_cast<int>(titles_.size()) >= TitleCapacity)
            full("title number table", TitleCapacity, ranges2_);
        t.title = titleData_.read(offset, length);
        titles_.push_back(std::move(t));
    }
}

} // namespace ovta
