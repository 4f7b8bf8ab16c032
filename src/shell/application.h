// Start-up and shutdown of the run, and the one way to end it.
#pragma once

#include <functional>

namespace ovta {

// Asks the run to end after the running handler (the message loop returns).
void requestTerminate();
// Tests record the request instead of ending their own loop.
void setTerminateHandler(std::function<void()> handler);

// Everything up to the message loop: pointer shapes, glyph fonts, smoothing,
// title, Form6, firstflc and falam1 in that order, then the backdrop shown.
// What the intro's picture does not need (the fonts' entry in the system's
// font list, the window icon) follows once that picture is on the display.
void startUp();
// After the loop: every screen goes, then the fonts.
void shutDown();

}  // namespace ovta
