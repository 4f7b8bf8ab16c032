// The window of a book screen's content pane over its entries (article rows
// or body lines), moved by line up, line down, page up and page down: the
// shell's text pager, with the pane's own last-top base and page step.
#pragma once

#include "shell/pager.h"

namespace ovta {

class PanePager : public Pager {
public:
    // `rows` shown; last top = max(0, N - lastBase); page step `step`.
    PanePager(int rows, int lastBase, int step) : Pager(Pager::pane(rows, lastBase, step)) {}

    // No content: N, T and L are 0.
    void reset() { setCount(0); }
};

} // namespace ovta
