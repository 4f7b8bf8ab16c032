// The open screens, bottom to top, inside the one native window (the black
// backdrop). Only the top screen takes input; opening a screen deactivates
// the one below, releasing it activates the one below again. The stack is
// ours rather than the window manager's, so it behaves the same under any
// window manager, under Wayland, offscreen and under Xvfb.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QWidget;

namespace ovta {

class Screen;

class ScreenStack : public QObject {
    Q_OBJECT

public:
    static ScreenStack& instance();

    // The native window every screen is a child of.
    QWidget* backdrop() const { return backdrop_; }
    void setBackdrop(QWidget* backdrop);

    // Shows the screen on top: the current top is deactivated, the new one
    // is sized, centred, raised, focused and activated.
    void push(Screen* screen);

    // Takes the screen off the stack at once (hide, release, modal end);
    // when it was on top, the screen below is activated.
    void remove(Screen* screen);

    Screen* top() const { return screens_.empty() ? nullptr : screens_.back(); }
    const std::vector<Screen*>& screens() const { return screens_; }
    bool contains(const Screen* screen) const;

    // Centres a screen on the backdrop (the backdrop covers the desktop).
    void centre(Screen* screen) const;

    // The caption of the top screen becomes the native window's title.
    void captionChanged(Screen* screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScreenStack();
    void activate(Screen* screen);
    bool inputAllowed(QObject* receiver) const;

    QWidget* backdrop_ = nullptr;
    std::vector<Screen*> screens_;
    bool redirecting_ = false;
};

}  // namespace ovta
