// The run of articles attached to a heading of the article-run screen: the
// articles first..last of the heading, shown one at a time at a 1-based
// cursor, stepped through by previous and next, which pass over articles
// whose text is empty. Article a of a book with base b is cut by locator
// record a + b - 1.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

struct ArticleTextFiles {
    const IndexList& locators; // 16-character (offset, length)
    const DataFile& texts;
    std::int64_t base = 0;
};

class ArticleRange {
public:
    static constexpr int Capacity = 2000;

    // A heading's range. Only when first and last are both above 0 does it
    // replace the range: first..last, cursor 1 (last below first gives an
    // empty range at cursor 1); returns whether it did. Otherwise the range
    // and cursor stay as they were. A range longer than the capacity keeps
    // its first Capacity articles, cursor 1, and then throws RangeError
    // naming `what` (e.g. "node 7 of index list data\1kenor454").
    bool set(std::int32_t first, std::int32_t last, const std::string& what);

    // Count 0, cursor 0: previous and next then do nothing.
    void empty();

    int count() const { return count_; }
    int cursor() const { return cursor_; }
    // The article number of entry i (1-based); 0 outside 1..count.
    std::int64_t article(int i) const;

    // The text of the article at the cursor; empty when the cursor names no
    // entry. Throws as the locator list does for a locator it lacks.
    std::string text(const ArticleTextFiles& files) const;

    // Steps the cursor back (or on) and hands each article it lands on to
    // `show`, stepping again while the text is empty. A step past either end
    // undoes itself and ends. Returns whether anything was shown; when
    // nothing was, the cursor is where it was.
    using Show = std::function<void(const std::string&)>;
    bool previous(const ArticleTextFiles& files, const Show& show);
    bool next(const ArticleTextFiles& files, const Show& show);

private:
    std::int64_t first_ = 0;
    int count_ = 0;
    int cursor_ = 0;
};

} // namespace ovta
