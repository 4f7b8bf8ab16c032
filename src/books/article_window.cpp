#include "books/article_window.h"

namespace ovta {

void ArticleWindow::reset()
{
    list_.clear();
    pager_.reset();
}

std::vector<ArticleRow> ArticleWindow::rows() const
{
    std::vector<ArticleRow> rows;
    const auto& entries = list_.entries();
    for (int i : pager_.window()) {
        if (static_cast<std::size_t>(i) >= entries.size())
            break;
        const ArticleEntry& e = entries[static_cast<std::size_t>(i)];
        rows.push_back({blankBefore_ ? " " + e.title : e.title, e.index});
    }
    return rows;
}

} // namespace ovta
