// Where the controls of the list screens lie (pixels in the 640x480
// screen). The screens place their controls by these, and the layout-art
// painter paints their backgrounds around them.
#pragma once

#include "shell/layout_box.h"

namespace ovta::layout {

// A column's four arrows, top to bottom: line up, page up, page down, line down.
struct ArrowColumn {
    Box lineUp, pageUp, pageDown, lineDown;
};

// A two-pane reader: nine title rows with their arrows, the text pane with
// its arrows, the search and close buttons, and what a member adds.
struct TwoPaneLayout {
    Box firstRow, lastRow; // rows between them, evenly
    ArrowColumn listArrows;
    Box text;
    int textRowHeight;
    ArrowColumn textArrows;
    Box search, close;
    Box heading;    // w == 0: none
    Box categories; // w == 0: none; the highlight picture's place
    constexpr Box row(int k) const
    {
        return {firstRow.x, firstRow.y + (lastRow.y - firstRow.y) * k / 8, firstRow.w, firstRow.h};
    }
};

inline constexpr TwoPaneLayout kFrm05{
    {442, 21, 158, 25},
    {442, 211, 158, 25},
    {{608, 21, 18, 32}, {608, 61, 18, 44}, {608, 152, 18, 44}, {608, 204, 18, 32}},
    {64, 288, 513, 177},
    22,
    {{590, 290, 18, 32}, {590, 330, 18, 44}, {590, 380, 18, 44}, {590, 432, 18, 32}},
    {150, 196, 64, 64},
    {50, 199, 65, 58},
    {198, 11, 212, 30},
    {0, 0, 0, 0},
};

inline constexpr TwoPaneLayout kFrm34{
    {402, 45, 191, 28},
    {402, 269, 191, 28},
    {{604, 45, 18, 32}, {604, 85, 18, 44}, {604, 213, 18, 44}, {604, 265, 18, 32}},
    {66, 318, 512, 145},
    24,
    {{592, 318, 18, 32}, {592, 354, 18, 40}, {592, 396, 18, 40}, {592, 431, 18, 32}},
    {150, 37, 64, 64},
    {57, 40, 65, 58},
    {0, 0, 0, 0},
    {57, 127, 318, 136},
};

// frm34's category hot spots inside the highlight picture's place: Tag 1..4
// along the upper row from the right, Tag 5..7 along the lower row from the
// right.
constexpr Box frm34Category(int tag)
{
    const Box p = kFrm34.categories;
    if (tag <= 4) {
        const int w = p.w / 4;
        return {p.x + (4 - tag) * w, p.y, w, p.h / 2};
    }
    const int w = p.w / 3;
    return {p.x + (7 - tag) * w, p.y + p.h / 2, w, p.h / 2};
}

// frm33: the list, the caption, the text pane with its arrows, the close
// button and the heading.
struct BlockListLayout {
    Box list;
    int itemHeight;
    Box caption, text;
    int textRowHeight;
    ArrowColumn textArrows;
    Box close, heading;
};

inline constexpr BlockListLayout kFrm33{
    {19, 45, 599, 149},
    23,
    {75, 213, 545, 50},
    {29, 287, 513, 185},
    26,
    {{552, 290, 18, 32}, {552, 330, 18, 44}, {552, 380, 18, 44}, {552, 432, 18, 32}},
    {572, 404, 65, 58},
    {170, 6, 300, 34},
};

// frm47: the entry list, the lines of the chosen entry, the search and
// close buttons.
struct EntryListLayout {
    Box list;
    int itemHeight;
    Box lines;
    int lineHeight;
    Box search, close;
};

inline constexpr EntryListLayout kFrm47{
    {389, 41, 204, 251}, 22, {62, 328, 519, 123}, 24, {150, 224, 64, 64}, {50, 227, 65, 58},
};

} // namespace ovta::layout
