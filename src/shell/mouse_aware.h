// A control that remembers the button and position of the mouse event it
// is handling, for the handlers that need them: the pager arrows repeat for
// the left button only, the thumb and the track of the alphabetical list
// work with the pointer's offset inside them.
#pragma once

#include <QMouseEvent>
#include <QPoint>

#include "shell/controls.h"

namespace ovta {

template <class Base> class MouseAware : public Base {
public:
    using Base::Base;

    // The button of the press or release being handled (Qt::NoButton for moves).
    Qt::MouseButton button() const { return button_; }
    bool leftButton() const { return button_ == Qt::LeftButton; }
    // The pointer in the control's own coordinates.
    QPoint at() const { return at_; }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        remember(event);
        Base::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        remember(event);
        Base::mouseReleaseEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        remember(event);
        Base::mouseMoveEvent(event);
    }

private:
    void remember(QMouseEvent* event)
    {
        button_ = event->button();
        at_ = event->position().toPoint();
    }

    Qt::MouseButton button_ = Qt::NoButton;
    QPoint at_;
};

using MouseLabel = MouseAware<LabelControl>;
using MouseImage = MouseAware<ImageControl>;

// A transparent hot spot that knows the button and place of its events.
inline MouseLabel* mouseHotSpot(QWidget* parent, const char* name, QRect geometry, int pointer)
{
    auto* label = new MouseLabel(parent, QString::fromLatin1(name), geometry);
    label->setTransparent(true);
    label->setPointer(pointer);
    return label;
}

} // namespace ovta
