#include "shell/keyboard_nav.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

#include "shell/controls.h"
#include "shell/pointer.h"

namespace ovta {

int stepPosition(int position, int delta, int n)
{
    position += delta;
    if (position < 1)
        position = n;
    if (position > n)
        position = 1;
    return position;
}

KeyboardNav::KeyboardNav(QWidget* screen, int& position, std::vector<NavStop> order)
    : screen_(screen), position_(position), order_(std::move(order))
{
}

void KeyboardNav::moveTo(int position)
{
    if (position < 1 || position > count())
        return;
    position_ = position;
    const NavStop& stop = order_[static_cast<std::size_t>(position - 1)];
    QWidget* target = stop.target;
    const QPoint centre = QPoint(target->width() / 2, target->height() / 2) + stop.offset;
    const QPoint desktop = target->mapToGlobal(centre);
    pointer().setPos(desktop);
    if (QCursor::pos() != desktop)
        hoverAt(desktop);
}

void KeyboardNav::hoverAt(const QPoint& desktop)
{
    // The real pointer stayed where it was (the platform ignores moves, or a
    // test keeps the position): the control under our position still gets
    // its move, so hover pictures follow the keys as they would the mouse.
    const QPoint local = screen_->mapFromGlobal(desktop);
    QWidget* under = screen_->childAt(local);
    if (!under)
        under = screen_;
    QMouseEvent move(QEvent::MouseMove, under->mapFrom(screen_, local), desktop, Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(under, &move);
}

void KeyboardNav::enter()
{
    const QPoint at = screen_->mapFromGlobal(pointer().pos());
    // Picture-like controls back to front, then the window-like ones.
    std::vector<QWidget*> walk;
    for (int pass = 0; pass < 2; ++pass) {
        for (QObject* child : screen_->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget)
                continue;
            const bool windowLike = qobject_cast<PanelControl*>(widget) != nullptr ||
                                    !qobject_cast<Control*>(widget);
            if (windowLike == (pass == 1))
                walk.push_back(widget);
        }
    }
    for (QWidget* widget : walk) {
        const QRect r = widget->geometry();
        if (!(at.x() > r.left() && at.x() < r.left() + r.width() && at.y() > r.top() &&
              at.y() < r.top() + r.height()))
            continue;
        position_ = 0;
        bool found = false;
        for (std::size_t i = 0; i < order_.size(); ++i) {
            if (order_[i].target == widget) {
                position_ = static_cast<int>(i) + 1;
                found = true;
                break;
            }
        }
        if (found)
            break;
    }
    if (position_ >= 1 && position_ <= count())
        order_[static_cast<std::size_t>(position_ - 1)].hotSpot->click();
}

void KeyboardNav::keyDown(int key, const std::function<void()>& onExit,
                          const std::function<void()>& afterKey)
{
    if (key == 27 && onExit)
        onExit();
    if (key == 38 || key == 40 || key == 9)
        moveTo(stepPosition(position_, key == 38 ? -1 : 1, count()));
    if (key == 13)
        enter();
    if (afterKey)
        afterKey();
}

}  // namespace ovta
