// Pictures of the section homes' square hot spots: 64x64 tiles of blue enamel
// in a gold bevel, an emblem above and a caption below, each in a plain and a
// lit version for the pointer-over swap.
#pragma once

#include <QImage>

namespace ovta::art {

inline constexpr int kHotSpotSize = 64;

QImage paintExitHotSpot(bool lit);
QImage paintSearchHotSpot(bool lit);

} // namespace ovta::art
