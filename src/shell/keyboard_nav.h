// Keyboard hot-spot navigation: Up, Down and Tab step through a screen's
// fixed order of hot spots and put the pointer on the centre of the chosen
// one; Enter activates whatever hot spot lies under the pointer, as a click
// would; Esc is the exit. The pointer is placed at the target's real
// centre on the desktop and read back in the screen's own coordinates, so
// navigation works on a display of any size and position. Where the
// platform cannot move the pointer, the position is kept by the pointer
// interface and the hover move is delivered here.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <vector>

namespace ovta {

class Control;

struct NavStop {
    QWidget* target;  // where the pointer goes: its centre, moved by `offset`
    Control* hotSpot; // whose click Enter runs
    QPoint offset{};
};

class KeyboardNav {
public:
    // `position` is the screen kind's module-level keyboard position.
    KeyboardNav(QWidget* screen, int& position, std::vector<NavStop> order);

    // Handles one key; returns false for keys it does not know. `onExit`
    // runs for Esc, `afterKey` (hover clean-up) after every key.
    void keyDown(int key, const std::function<void()>& onExit,
                 const std::function<void()>& afterKey);

    int count() const { return static_cast<int>(order_.size()); }
    int position() const { return position_; }
    void moveTo(int position);
    void enter();

private:
    void hoverAt(const QPoint& desktop);

    QWidget* screen_;
    int& position_;
    std::vector<NavStop> order_;
};

// Position arithmetic of Up (-1), Down and Tab (+1) over 1..n, wrapping.
int stepPosition(int position, int delta, int n);

}  // namespace ovta
