// The keys a reader expects on a screen that shows a text, a list or a
// strip of columns: arrows, Page Up and Down, Home and End, Enter. Each
// screen decides what a move means on it; this names the move and does the
// arithmetic that several screens share (paging a window, stepping a
// selection), so that it can be tested without widgets.
#pragma once

namespace ovta {

class Pager;

enum class KeyMove { None, Up, Down, Left, Right, PageUp, PageDown, Home, End, Enter };

class ReadingKeys {
public:
    // The move of a virtual-key code (see virtualKey); None for any other key.
    static KeyMove move(int key);

    // Moves the window of `pager` for Up, Down, Page Up, Page Down, Home and
    // End by the pager's own rules: Home and End page until the window
    // stands at that end. Returns whether the window moved.
    static bool page(Pager& pager, KeyMove move);

    // The selection after `move` in a list of `count` entries (0-based;
    // `current` below 0 for none): Up and Down one entry, Page Up and Down
    // `pageSize` entries, Home and End to the ends, always inside the list.
    // With no selection yet, any of them selects the first entry. Returns
    // `current` for any other move and -1 for an empty list.
    static int select(int current, int count, KeyMove move, int pageSize);
};

} // namespace ovta
