// The whole factor by which everything the reader draws is enlarged, so
// that the 640x480 screens fill a large display as well as a small one.
//
// The desktop's own scaling (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS, the
// X server's font resolution) is switched off for the run and replaced by
// this one factor, applied to every window: the screens, their hot spots,
// the keyboard's pointer placement and the dialogs' places stay in the
// screens' own 640x480 units, and only the drawing is enlarged, pictures
// pixel for pixel and text rendered at the enlarged size.
#pragma once

#include <QSize>
#include <optional>

namespace ovta {

// The largest whole factor at which a 640x480 screen fits `pixels`; 1 when
// even that does not fit.
int fittingScale(const QSize& pixels);

// The value of --scale: a whole number from 1 to kMaxScale, nothing for
// anything else.
constexpr int kMaxScale = 16;
std::optional<int> parseScale(const char* text);

// Before the application object exists: the platform's scaling off.
void prepareDisplayScale();

// Once the application object exists and before any window: the factor
// `requested`, or with 0 the one that fits the primary screen. Returns the
// factor in force.
int applyDisplayScale(int requested);

// The factor in force (1 before applyDisplayScale()).
int displayScale();

}  // namespace ovta
