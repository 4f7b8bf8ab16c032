// The intro screen: its 640x480 still, framing the place where the video
// plays, and the frames of the intro video itself.
#pragma once

#include <QImage>
#include <QRect>

namespace ovta::art {

inline constexpr QRect kIntroVideoRect{161, 120, 320, 240};
inline constexpr int kIntroFrameRate = 12;
inline constexpr int kIntroFrameCount = 60; // five seconds

QImage paintIntroStill();

// Frame `index` of kIntroFrameCount, 320x240: a star unfolds, the title fades
// in, the whole fades to black at the end.
QImage paintIntroFrame(int index);

} // namespace ovta::art
