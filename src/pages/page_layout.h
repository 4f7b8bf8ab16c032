// Where the page viewer's controls lie. The screen places its controls by
// this table and the layout-art painter draws the button bar around the
// same rectangles. Bar buttons are in the bar's own coordinates.
#pragma once

#include "shell/layout_box.h"

namespace ovta::layout {

struct PageViewLayout {
    Box picture;         // the index picture m2 and the page picture m1
    Box bar;             // the button bar p1 on the screen
    Box back;            // lg6: back to the index
    Box previousChapter; // lg2, pressed picture mg2
    Box nextChapter;     // lg5, mg5
    Box previousPage;    // lg3, mg3
    Box nextPage;        // lg4, mg4
    Box close;           // lg7
    int frameWidth;      // the hover frame shp1: its width stays, its height follows the zone
    int frameHeight;
    int frameHiddenTop; // where the frame waits out of sight
};

inline constexpr PageViewLayout kFrm62{
    {0, 0, 640, 465},
    {174, 432, 292, 42},
    {250, 5, 36, 32},
    {222, 6, 26, 30},
    {148, 6, 70, 30},
    {115, 3, 30, 36},
    {40, 6, 70, 30},
    {8, 6, 28, 30},
    126,
    19,
    1000,
};

} // namespace ovta::layout
