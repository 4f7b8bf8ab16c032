// The six article rows under the column strip: a window over the opened
// heading's article list. A row shows an article title and carries its
// article index; a click hands both to the article reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "books/article_list.h"
#include "books/pane_pager.h"

namespace ovta {

struct ArticleRow {
    std::string caption;    // what the row shows, and the reader's title
    std::int64_t index = 0; // the article index: the reader's CurrentItem

    bool operator==(const ArticleRow&) const = default;
};

class ArticleWindow {
public:
    static constexpr int Rows = 6;

    // `blankBefore`: captions show their title after one blank.
    explicit ArticleWindow(bool blankBefore = false) : blankBefore_(blankBefore) {}

    ArticleList& list() { return list_; }
    const ArticleList& list() const { return list_; }
    const PanePager& pager() const { return pager_; }
    PanePager& pager() { return pager_; }

    // The window is set over the list as it stands now, at the top.
    void refresh() { pager_.setCount(list_.count()); }
    // Empty list, N = T = L = 0.
    void reset();

    bool lineUp() { return pager_.lineUp(); }
    bool lineDown() { return pager_.lineDown(); }
    bool pageUp() { return pager_.pageUp(); }
    bool pageDown() { return pager_.pageDown(); }

    // Rows 1.. in view, at most six; the rows after them are off the screen.
    std::vector<ArticleRow> rows() const;

private:
    bool blankBefore_;
    ArticleList list_;
    PanePager pager_{Rows, Rows, Rows - 1};
};

} // namespace ovta
