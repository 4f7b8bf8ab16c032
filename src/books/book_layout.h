// Where the controls of the tree-book screens lie (pixels of the 640x480
// screen; strip parts in pixels of the strip). The screens place their
// controls by these, and the layout-art painter paints the backgrounds
// around them, so both read one table.
#pragma once

#include <cstring>

#include "shell/layout_box.h"

namespace ovta::layout {

// The strip window and the strip inside it.
inline constexpr Box kStripWindow{20, 105, 600, 155};
inline constexpr int kStripWidth = 1710;
inline constexpr int kColumnWidth = 171;
inline constexpr int kStripHeight = 155;

// The red bar at the right edge of column k (1..10), and the top and bottom bars.
constexpr Box columnBar(int k)
{
    return {kStripWidth - (kColumnWidth * (k - 1) + 5), 0, 4, kStripHeight};
}
inline constexpr Box kTopBar{0, 0, kStripWidth, 4};
inline constexpr Box kBottomBar{0, kStripHeight - 4, kStripWidth, 4};

// The scroll track of column k and its two arrows (column 2's are shorter).
constexpr Box columnTrack(int k)
{
    return {kStripWidth - (kColumnWidth * (k - 1) + 21), 10, 15, kStripHeight - 20};
}
constexpr Box columnUpArrow(int k)
{
    return {columnTrack(k).x, 11, k == 2 ? 17 : 15, k == 2 ? 25 : 30};
}
constexpr Box columnDownArrow(int k)
{
    return {columnTrack(k).x, 113, k == 2 ? 17 : 15, k == 2 ? 25 : 30};
}

// Row labels: 130 wide, right of them the icon, then the track.
inline constexpr int kRowWidth = 130;
constexpr int rowLeft(int k)
{
    return columnTrack(k).x - (kRowWidth + 15);
}
// Row j (1..5) for a text line `lineHeight` high.
constexpr int rowTop(int j, int lineHeight)
{
    return (lineHeight + 5) * (j - 1) + 10;
}

// The strip arrows at the screen edges.
inline constexpr Box kStripLeftArrow{0, 168, 22, 36};    // m2
inline constexpr Box kStripRightArrow{616, 169, 24, 36}; // m3

// The book title across the top.
inline constexpr Box kBookTitle{110, 6, 420, 32};

// The article rows lis1..lis6.
inline constexpr Box kArticleRow{322, 279, 221, 31};
constexpr Box articleRow(int j)
{
    return {kArticleRow.x, kArticleRow.y + 31 * (j - 1), kArticleRow.w, kArticleRow.h};
}

// The question list of frm43 and its one extra hot spot.
inline constexpr Box kQuestionList{22, 277, 599, 191};
inline constexpr Box kColumnOneDown{592, 262, 28, 14}; // ldntrs

// The passage chooser of frm63 and its name panel.
inline constexpr Box kPassageChooser{21, 273, 136, 30};
inline constexpr Box kPassageName{41, 275, 115, 25};

// Previous and next article of frm410.
inline constexpr Box kPreviousArticle{566, 304, 49, 48}; // Label7
inline constexpr Box kNextArticle{560, 408, 57, 57};     // Label8

// What differs from screen to screen.
struct BookScreenLayout {
    const char* kind;
    Box path;      // lcap
    Box exit;      // Label1
    Box exitHover; // m6
    Box text;      // lmtn; w == 0: none
    // The pane's line up, page up, page down, line down.
    Box lineUp, pageUp, pageDown, lineDown;
};

// One screen to a row reads as the layouts' own table.
// clang-format off
inline constexpr BookScreenLayout kBookScreens[] = {
    {"frm14", {72, 41, 549, 47}, {8, 24, 57, 65}, {2, 33, 64, 64}, {0, 0, 0, 0},
     {600, 279, 18, 32}, {600, 317, 18, 44}, {600, 390, 18, 44}, {600, 434, 18, 32}},
    {"frm64", {72, 41, 548, 46}, {8, 24, 57, 65}, {2, 33, 64, 64}, {0, 0, 0, 0},
     {600, 279, 18, 32}, {600, 317, 18, 44}, {600, 390, 18, 44}, {600, 434, 18, 32}},
    // The question list covers the pane; its hot spots lie at the edge and move nothing.
    {"frm43", {72, 41, 549, 47}, {8, 24, 57, 65}, {2, 33, 64, 64}, {0, 0, 0, 0},
     {622, 279, 16, 32}, {622, 317, 16, 44}, {622, 390, 16, 44}, {622, 434, 16, 32}},
    {"frm7", {72, 41, 547, 47}, {8, 24, 57, 65}, {2, 33, 64, 64}, {22, 280, 523, 185},
     {600, 280, 18, 32}, {600, 318, 18, 44}, {600, 390, 18, 44}, {600, 433, 18, 32}},
    {"frm63", {72, 41, 549, 47}, {8, 28, 57, 66}, {1, 32, 64, 64}, {28, 311, 514, 153},
     {600, 311, 18, 32}, {600, 346, 18, 44}, {600, 396, 18, 44}, {600, 433, 18, 32}},
    {"frm410", {72, 41, 549, 47}, {8, 24, 57, 65}, {2, 33, 64, 64}, {28, 304, 493, 161},
     {530, 304, 18, 32}, {530, 342, 18, 44}, {530, 392, 18, 44}, {530, 433, 18, 32}},
};
// clang-format on

constexpr const BookScreenLayout& bookScreenLayout(const char* kind)
{
    for (const BookScreenLayout& l : kBookScreens)
        if (std::strcmp(l.kind, kind) == 0)
            return l;
    return kBookScreens[0];
}

} // namespace ovta::layout
