// A paged column of a reading screen: the window of rows a pager moves
// over, and the four arrows beside it (line up, page up, page down, line
// down). The line arrows repeat while held, through the screen's
// ArrowRepeat, and show their pressed pictures meanwhile. Each move that
// changes the window redraws it through the screen's own operation.
#pragma once

#include <QRect>
#include <functional>
#include <vector>

#include "shell/layout_box.h"
#include "shell/mouse_aware.h"

namespace ovta {

class ArrowRepeat;
class Pager;

// The arrows of one column: layout names and places, the layout pictures
// of the pressed line arrows (placed over them), and the repeat codes.
struct ColumnArrows {
    const char* lineUp;
    const char* pageUp;
    const char* pageDown;
    const char* lineDown;
    layout::Box lineUpAt, pageUpAt, pageDownAt, lineDownAt;
    const char* pressedUp;
    const char* pressedDown;
    int upCode;
    int downCode;
};

class PagedColumn {
public:
    // `screen` names the layout the pressed pictures come from; `redraw`
    // shows the window after a move.
    PagedColumn(QWidget* parent, const char* screen, Pager& pager, ArrowRepeat& repeat,
                const ColumnArrows& arrows, std::function<void()> redraw);

    MouseLabel* lineUpSpot;
    LabelControl* pageUpSpot;
    LabelControl* pageDownSpot;
    MouseLabel* lineDownSpot;
    ImageControl* pressedUp;
    ImageControl* pressedDown;

    Pager& pager() { return pager_; }

    // The arrows' clicks: move, and redraw when the window moved.
    void lineUp();
    void lineDown();
    void pageUp();
    void pageDown();

    // Press and release of a line arrow (left button only repeats).
    void press(bool up, bool leftButton);
    void release(bool up, bool leftButton);

    // Pressed pictures behind the background (creation, show).
    void putAwayPressed();

    // Called after a press has started the repeat (a screen may bring
    // another control forward with the pressed picture).
    std::function<void()> onPressed;

    // Creates `count` transparent row labels named `namePrefix` + number
    // (from `firstNumber`), row k at `place(k)`.
    static std::vector<LabelControl*> makeRows(QWidget* parent, int count, const char* namePrefix,
                                               int firstNumber,
                                               const std::function<QRect(int)>& place);

private:
    void moved(bool changed);

    Pager& pager_;
    ArrowRepeat& repeat_;
    ColumnArrows arrows_;
    std::function<void()> redraw_;
};

} // namespace ovta
