// The panoramas behind the nine section homes (their hidden image m1):
// 1600x480 strips of 25 slices of 64 columns, of which slices 1..24 pan by
// across the whole screen. Each home shows its section's menu scene grown
// to the full screen, dimmed so the hot spots stand out against it.
#pragma once

#include <QImage>

namespace ovta::art {

inline constexpr int kHomeStripWidth = 1600;
inline constexpr int kHomeStripHeight = 480;
inline constexpr int kHomeStripSlice = 64;
inline constexpr int kHomeStripSlices = 25;
inline constexpr int kHomeStripCells = 10;

// The strip of the home opened by the menu's section label `tag` (1..9).
QImage paintHomePanorama(int tag);

} // namespace ovta::art
