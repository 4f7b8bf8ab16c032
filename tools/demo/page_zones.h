// The paged work of the demo content: 114 chapters over the odd pages 1 to
// 603, and where each chapter's zone lies on the index picture. The
// layout-art painter draws the index picture from the same table that the
// zone list is written from, so the two always match.
#pragma once

#include <array>

namespace ovta::demo {

inline constexpr int kPageChapters = 114;
inline constexpr int kLastPage = 603;

// Zones are 126x19 cells in five columns of 23, the first column at the
// right (the work reads from right to left), under a title band.
inline constexpr int kZoneWidth = 126;
inline constexpr int kZoneHeight = 19;
inline constexpr int kZoneRows = 23;
inline constexpr int kZoneColumns = 5;
inline constexpr int kZoneLeft = 5; // left edge of the leftmost column
inline constexpr int kZoneTop = 27; // top edge of the first row
inline constexpr int kIndexWidth = 640;
inline constexpr int kIndexHeight = 465;

struct PageZone {
    int left, top, right, bottom;
};

// Chapter `chapter` (1..114).
constexpr PageZone pageZone(int chapter)
{
    const int i = chapter - 1;
    const int column = i / kZoneRows, row = i % kZoneRows;
    const int left = kZoneLeft + kZoneWidth * (kZoneColumns - 1 - column);
    const int top = kZoneTop + kZoneHeight * row;
    return {left, top, left + kZoneWidth, top + kZoneHeight};
}

// The first page of each chapter: odd, rising, 1 for the first chapter;
// long chapters first, short ones towards the end, and the last three
// sharing the last page as closing chapters often do.
std::array<int, kPageChapters> chapterFirstPages();

// The chapter a page belongs to (the last one that begins at or before it).
int chapterOfPage(int page);

} // namespace ovta::demo
