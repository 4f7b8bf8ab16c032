#include "shell/screen_stack.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>

#include "shell/screen.h"

namespace ovta {

ScreenStack& ScreenStack::instance()
{
    static ScreenStack* stack = new ScreenStack;
    return *stack;
}

ScreenStack::ScreenStack()
{
    if (qApp)
        qApp->installEventFilter(this);
}

void ScreenStack::setBackdrop(QWidget* backdrop)
{
    backdrop_ = backdrop;
    if (qApp) {
        qApp->removeEventFilter(this);
        qApp->installEventFilter(this);
    }
}

bool ScreenStack::contains(const Screen* screen) const
{
    return std::find(screens_.begin(), screens_.end(), screen) != screens_.end();
}

void ScreenStack::centre(Screen* screen) const
{
    if (!backdrop_ || !screen)
        return;
    const QSize area = backdrop_->size();
    screen->move((area.width() - screen->width()) / 2, (area.height() - screen->height()) / 2);
}

void ScreenStack::push(Screen* screen)
{
    if (!screen)
        return;
    Screen* below = top();
    if (below == screen)
        return;
    if (contains(screen))
        screens_.erase(std::find(screens_.begin(), screens_.end(), screen));
    screens_.push_back(screen);
    if (below)
        below->runDeactivate();
    screen->show();
    screen->raise();
    activate(screen);
}

void ScreenStack::remove(Screen* screen)
{
    auto it = std::find(screens_.begin(), screens_.end(), screen);
    if (it == screens_.end())
        return;
    const bool wasTop = (screen == top());
    screens_.erase(it);
    if (wasTop) {
        if (screen)
            screen->runDeactivate();
        if (Screen* next = top())
            activate(next);
    }
}

void ScreenStack::activate(Screen* screen)
{
    screen->raise();
    screen->runActivate();
    captionChanged(screen);
}

void ScreenStack::captionChanged(Screen* screen)
{
    if (backdrop_ && screen && screen == top() && !screen->caption().isEmpty())
        backdrop_->setWindowTitle(screen->caption());
}

bool ScreenStack::inputAllowed(QObject* receiver) const
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || !backdrop_)
        return true;
    if (widget->window() != backdrop_)
        return true;  // message boxes and other windows of their own
    Screen* current = top();
    if (!current)
        return false;
    return widget == current || current->isAncestorOf(widget);
}

bool ScreenStack::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Enter:
        if (!inputAllowed(watched))
            return true;
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // Keys belong to the top screen, wherever the focus was left.
        if (!inputAllowed(watched)) {
            // A key the top screen leaves unhandled travels up to the
            // backdrop: it ends there rather than coming back round.
            Screen* current = top();
            if (current && current->isVisible() && !redirecting_) {
                redirecting_ = true;
                QApplication::sendEvent(current, event);
                redirecting_ = false;
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ovta
