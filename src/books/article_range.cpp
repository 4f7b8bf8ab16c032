#include "books/article_range.h"

#include <algorithm>

#include "reading/article.h"
#include "store/errors.h"

namespace ovta {

bool ArticleRange::set(std::int32_t first, std::int32_t last, const std::string& what)
{
    if (first <= 0 || last <= 0)
        return false;
    const std::int64_t length = std::max<std::int64_t>(0, std::int64_t{last} - first + 1);
    first_ = first;
    count_ = static_cast<int>(std::min<std::int64_t>(length, Capacity));
    cursor_ = 1;
    if (length > Capacity)
        throw RangeError("the article range of frm410 holds " + std::to_string(Capacity) +
                         " entries; article " + std::to_string(first_ + Capacity) + " of " + what +
                         " is one too many");
    return true;
}

void ArticleRange::empty()
{
    count_ = 0;
    cursor_ = 0;
}

std::int64_t ArticleRange::article(int i) const
{
    return i >= 1 && i <= count_ ? first_ + i - 1 : 0;
}

std::string ArticleRange::text(const ArticleTextFiles& files) const
{
    if (cursor_ < 1 || cursor_ > count_)
        return {};
    return readArticle(files.locators, files.texts, article(cursor_) + files.base - 1);
}

bool ArticleRange::previous(const ArticleTextFiles& files, const Show& show)
{
    bool shown = false;
    for (;;) {
        --cursor_;
        if (cursor_ < 1) {
            ++cursor_;
            return shown;
        }
        const std::string t = text(files);
        show(t);
        shown = true;
        if (!t.empty())
            return true;
    }
}

bool ArticleRange::next(const ArticleTextFiles& files, const Show& show)
{
    bool shown = false;
    for (;;) {
        ++cursor_;
        if (cursor_ > count_) {
            --cursor_;
            return shown;
        }
        const std::string t = text(files);
        show(t);
        shown = true;
        if (!t.empty())
            return true;
    }
}

} // namespace ovta
