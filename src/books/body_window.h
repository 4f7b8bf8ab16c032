// The body pane of a book screen: the body text word-wrapped by the line
// store, and a window of its lines that the four pane arrows move.
#pragma once

#include <string>
#include <string_view>

#include "books/line_store.h"
#include "books/pane_pager.h"

namespace ovta {

class BodyWindow {
public:
    // `rows` lines in view; the window stops at max(0, N - lastBase); page step `step`.
    BodyWindow(int rows, int lastBase, int step) : pager_(rows, lastBase, step) {}

    LineStore& store() { return store_; }
    const LineStore& store() const { return store_; }
    const PanePager& pager() const { return pager_; }
    PanePager& pager() { return pager_; }

    // The line store takes `text`; the window is set over its lines, at the top.
    void setText(std::string_view text);
    // The window is set again over the lines the store holds now, at the top.
    void refresh() { pager_.setCount(store_.count()); }
    // Empty store, N = T = L = 0.
    void reset();

    bool lineUp() { return pager_.lineUp(); }
    bool lineDown() { return pager_.lineDown(); }
    bool pageUp() { return pager_.pageUp(); }
    bool pageDown() { return pager_.pageDown(); }

    // The text label's caption: the top line as it is, then each further line
    // of the window after CR LF, framed by one blank on either side.
    std::string shown() const;

private:
    LineStore store_;
    PanePager pager_;
};

} // namespace ovta
