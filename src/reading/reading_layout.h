// Where the controls of the reading screens lie (pixels in the 640x480
// screen). The screens place their controls by these, and the layout-art
// painter paints their backgrounds around them, so both read one table.
#pragma once

#include "shell/layout_box.h"

namespace ovta::layout {

// A topic list: nine rows, the four arrows beside them, the back and
// search buttons, and the heading of the one list that has one.
struct TopicListLayout {
    Box firstRow;
    int rowStep;
    Box lineUp, pageUp, pageDown, lineDown;
    Box back, search;
    Box heading; // w == 0: none
    constexpr Box row(int k) const
    {
        return {firstRow.x, firstRow.y + rowStep * k, firstRow.w, firstRow.h};
    }
};

inline constexpr TopicListLayout kFrm02{
    {73, 40, 169, 34},  34,
    {250, 42, 18, 32},  {250, 80, 18, 44},
    {250, 262, 18, 44}, {250, 312, 18, 32},
    {73, 396, 65, 58},  {177, 393, 64, 64},
    {318, 34, 272, 44},
};

inline constexpr TopicListLayout kFrm12{
    {73, 51, 206, 31},   31,
    {290, 40, 18, 32},   {458, 212, 118, 34},
    {330, 212, 118, 34}, {290, 290, 18, 32},
    {73, 400, 65, 58},   {178, 397, 64, 64},
    {0, 0, 0, 0},
};
// frm12's letter board, the track of its thumb and the thumb.
inline constexpr Box kFrm12Board{320, 34, 265, 160};
inline constexpr Box kFrm12Track{290, 75, 19, 209};
inline constexpr int kFrm12ThumbLeft = 296;
// Letter Tag t (1..28) lies in row (t-1)/7, column (t-1)%7 from the right.
constexpr Box frm12Letter(int tag)
{
    return {324 + (6 - (tag - 1) % 7) * 37, 34 + (tag - 1) / 7 * 40, 37, 40};
}

inline constexpr TopicListLayout kFrm45{
    {348, 109, 197, 39}, 39,
    {556, 110, 18, 32},  {556, 150, 18, 44},
    {556, 370, 18, 44},  {556, 422, 18, 32},
    {64, 28, 65, 58},    {150, 25, 64, 64},
    {0, 0, 0, 0},
};

inline constexpr TopicListLayout kFrm82{
    {384, 107, 197, 39}, 39,
    {590, 108, 18, 32},  {590, 148, 18, 44},
    {590, 368, 18, 44},  {590, 420, 18, 32},
    {64, 28, 65, 58},    {150, 25, 64, 64},
    {0, 0, 0, 0},
};

// The article readers share one layout.
struct ReaderLayout {
    Box title, chooser, chooserPanel, text;
    Box lineUp, pageUp, pageDown, lineDown;
    Box close;
};

inline constexpr ReaderLayout kReader{
    {253, 48, 313, 35},  {73, 140, 136, 30}, {92, 142, 115, 24},
    {63, 184, 512, 211}, {587, 172, 18, 32}, {587, 212, 18, 44},
    {587, 320, 18, 44},  {587, 372, 18, 32}, {64, 28, 65, 58},
};

// The topic index.
struct TopicIndexLayout {
    Box level1Row; // first row; the seven rows run from y 47 to 244
    Box lineUp1, pageUp1, pageDown1, lineDown1;
    Box level2Row; // first row, one every 33 pixels
    int level2Step;
    Box lineUp2, pageUp2, pageDown2, lineDown2;
    Box titles;
    Box back;
    constexpr Box level1(int k) const
    {
        return {level1Row.x, 47 + (197 * k) / 6, level1Row.w, level1Row.h};
    }
    constexpr Box level2(int k) const
    {
        return {level2Row.x, level2Row.y + level2Step * k, level2Row.w, level2Row.h};
    }
};

inline constexpr TopicIndexLayout kFrm04{
    {480, 47, 129, 32},
    {618, 47, 18, 32},
    {618, 87, 18, 44},
    {618, 192, 18, 44},
    {618, 244, 18, 32},
    {301, 107, 121, 33},
    33,
    {430, 107, 18, 32},
    {430, 147, 18, 44},
    {430, 256, 18, 44},
    {430, 308, 18, 32},
    {15, 166, 247, 172},
    {20, 28, 65, 58},
};

} // namespace ovta::layout
