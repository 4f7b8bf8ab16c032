// The nine sprite strips of the main menu's section labels (m11 ... m99):
// 333x100, cut into 25 slices of 13 columns, of which slices 1..24 pan by.
#pragma once

#include <QImage>

namespace ovta::art {

inline constexpr int kMenuStripWidth = 333;
inline constexpr int kMenuStripHeight = 100;
inline constexpr int kMenuStripSlice = 13;
inline constexpr int kMenuStripSlices = 25;
inline constexpr int kMenuStripCells = 10;

// The strip of the section label with this tag (1..9).
QImage paintMenuStrip(int tag);

} // namespace ovta::art
