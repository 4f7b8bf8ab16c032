// Screens that have been released and wait to be destroyed. A released
// screen is already hidden and off the stack; it is destroyed only once
// control is back in the event loop it was released from (never inside an
// error box, a media wait or a modal dialog that runs a loop of its own)
// and no guarded handler is running, so no handler can find its screen
// gone under it.
#pragma once

#include <QObject>

namespace ovta {

class Screen;

class ReleaseQueue {
public:
    static void add(Screen* screen);
    // Destroys every waiting screen now if it is safe; returns how many wait on.
    static int collect();
    static int waiting();
};

} // namespace ovta
