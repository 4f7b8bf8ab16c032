#include "shell/reading_keys.h"

#include <algorithm>

#include "shell/pager.h"

namespace ovta {

KeyMove ReadingKeys::move(int key)
{
    switch (key) {
    case 13: return KeyMove::Enter;
    case 33: return KeyMove::PageUp;
    case 34: return KeyMove::PageDown;
    case 35: return KeyMove::End;
    case 36: return KeyMove::Home;
    case 37: return KeyMove::Left;
    case 38: return KeyMove::Up;
    case 39: return KeyMove::Right;
    case 40: return KeyMove::Down;
    default: return KeyMove::None;
    }
}

bool ReadingKeys::page(Pager& pager, KeyMove move)
{
    switch (move) {
    case KeyMove::Up: return pager.lineUp();
    case KeyMove::Down: return pager.lineDown();
    case KeyMove::PageUp: return pager.pageUp();
    case KeyMove::PageDown: return pager.pageDown();
    case KeyMove::Home:
    case KeyMove::End: break;
    default: return false;
    }
    // Paging to an end keeps each pager's own last window; a pager whose
    // move reports a change without one cannot hold this loop.
    const bool home = move == KeyMove::Home;
    bool moved = false;
    for (;;) {
        const int before = pager.top();
        if (!(home ? pager.pageUp() : pager.pageDown()))
            break;
        if (pager.top() == before)
            break;
        moved = true;
    }
    return moved;
}

int ReadingKeys::select(int current, int count, KeyMove move, int pageSize)
{
    if (count <= 0)
        return -1;
    const int last = count - 1;
    const int step = std::max(1, pageSize);
    int next = current;
    switch (move) {
    case KeyMove::Up: next = current - 1; break;
    case KeyMove::Down: next = current + 1; break;
    case KeyMove::PageUp: next = current - step; break;
    case KeyMove::PageDown: next = current + step; break;
    case KeyMove::Home: return 0;
    case KeyMove::End: return last;
    default: return current;
    }
    if (current < 0 || current > last)
        return 0;
    return std::clamp(next, 0, last);
}

} // namespace ovta
