// Where the controls of the question screen frm42 and its summary page
// frm48 lie (pixels of the 640x480 screen), read by the screens and by the
// layout-art painter alike.
#pragma once

#include <array>

#include "shell/layout_box.h"

namespace ovta::layout {

struct QuestionLayout {
    Box List1;                   // the question's lines
    Box lcap1;                   // measures the question's width, behind List1
    std::array<Box, 3> category; // Label2, Label1, Label3: categories 1, 2, 3
    Box List2;                   // the chosen category's text
    Box List3;                   // the reference heading and text
    Box m2, m3;                  // previous / next reference
    Box Label6, Label7;          // previous / next question (and mup, mdn)
    Box Label5;                  // the summary page
    Box Label4;                  // close (and m8)
};

inline constexpr QuestionLayout kFrm42{
    {54, 32, 533, 78},
    {168, 36, 361, 25},
    {{{520, 134, 104, 46}, {383, 132, 104, 46}, {241, 135, 104, 46}}},
    {54, 205, 536, 83},
    {51, 304, 538, 154},
    {606, 307, 15, 15},
    {606, 330, 15, 15},
    {597, 16, 32, 44},
    {598, 86, 32, 44},
    {91, 128, 110, 52},
    {11, 127, 65, 58},
};

// The layout names of the category buttons and their highlight pictures,
// by category 1, 2, 3.
inline constexpr std::array<const char*, 3> kCategoryButtons{"Label2", "Label1", "Label3"};
inline constexpr std::array<const char*, 3> kCategoryHighlights{"m5", "m4", "m6"};

struct SummaryLayout {
    Box l1;                  // close (and m2)
    Box List1;               // the question
    std::array<Box, 3> List; // List2, List3, List4: categories 1, 2, 3
};

inline constexpr SummaryLayout kFrm48{
    {9, 18, 70, 68},
    {96, 22, 520, 92},
    {{{24, 130, 592, 106}, {24, 248, 592, 106}, {24, 366, 592, 106}}},
};

} // namespace ovta::layout
