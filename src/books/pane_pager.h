// The window of a book screen's content pane over its entries (article rows
// or body lines), moved by line up, line down, page up and page down.
//
// The reading screens' Pager ties the last top and the page step to the
// rows it shows (last top N - R, step R - 1). The book panes need them
// apart: the article-run screen shows nine lines yet stops where six are
// left and pages by five. So this pager takes all three.
#pragma once

#include <vector>

namespace ovta {

class PanePager {
public:
    // `rows` shown; last top = max(0, N - lastBase); page step `step`.
    PanePager(int rows, int lastBase, int step) : rows_(rows), lastBase_(lastBase), step_(step) {}

    // New content of `count` entries: the window goes back to the top.
    void setCount(int count);
    // No content: N, T and L are 0.
    void reset();

    int rows() const { return rows_; }
    int step() const { return step_; }
    int count() const { return count_; }
    int top() const { return top_; }
    int last() const { return last_; }

    // Each returns false when nothing happens (the screen then does not redraw).
    bool lineUp();
    bool lineDown();
    bool pageUp();
    bool pageDown();

    // Entry indexes in view, top row first: T .. T + R - 1, those below N.
    std::vector<int> window() const;

private:
    int rows_;
    int lastBase_;
    int step_;
    int count_ = 0;
    int top_ = 0;
    int last_ = 0;
};

} // namespace ovta
