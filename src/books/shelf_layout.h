// Where the controls of the book shelf lie (pixels of the 640x480 screen).
// The screen places its spines and close button by this table, and the
// layout-art painter paints the shelf around them, so both read one table.
#pragma once

#include <array>

#include "shell/layout_box.h"

namespace ovta::layout {

struct ShelfSpine {
    const char* name; // Image2 .. Image13, left to right
    int tag;          // the book it opens (CurrentItem)
    Box place;
};

// The lit copy of the shelf, kept behind the background; a spine under the
// pointer shows the part of it that lies under the spine.
inline constexpr Box kShelfLit{101, 99, 450, 268};

inline constexpr int kSpineTop = 101;
inline constexpr int kSpineHeight = 264;

inline constexpr std::array<ShelfSpine, 12> kShelfSpines{{
    {"Image2", 5, {104, kSpineTop, 38, kSpineHeight}},
    {"Image3", 8, {142, kSpineTop, 33, kSpineHeight}},
    {"Image4", 4, {175, kSpineTop, 44, kSpineHeight}},
    {"Image5", 6, {219, kSpineTop, 29, kSpineHeight}},
    {"Image6", 7, {248, kSpineTop, 41, kSpineHeight}},
    {"Image7", 3, {289, kSpineTop, 36, kSpineHeight}},
    {"Image8", 0, {325, kSpineTop, 47, kSpineHeight}},
    {"Image9", 1, {372, kSpineTop, 31, kSpineHeight}},
    {"Image10", 2, {403, kSpineTop, 39, kSpineHeight}},
    {"Image11", 10, {442, kSpineTop, 27, kSpineHeight}},
    {"Image12", 11, {469, kSpineTop, 43, kSpineHeight}},
    {"Image13", 9, {512, kSpineTop, 35, kSpineHeight}},
}};

// The close button and its lit picture.
inline constexpr Box kShelfClose{40, 396, 65, 58};

} // namespace ovta::layout
