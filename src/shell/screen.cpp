#include "shell/screen.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>

#include "shell/clipboard_text.h"
#include "shell/error_report.h"
#include "shell/release_queue.h"
#include "shell/screen_stack.h"
#include "shell/trace.h"

namespace ovta {

Screen::Screen(const std::string& kind) : QWidget(ScreenStack::instance().backdrop()), kind_(kind)
{
    setObjectName(QString::fromStdString(kind));
    setAttribute(Qt::WA_StyledBackground, true);
    // The screen takes the keys when it is put on top, but a click on it or
    // on one of its pictures and labels must not take them from the control
    // that has them (a reader's chooser, where Esc leaves).
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAutoFillBackground(true);
    hide();
}

Screen::~Screen()
{
    ScreenStack::instance().remove(this);
    if (modalLoop_)
        modalLoop_->quit();
}

void Screen::setCaption(const QString& caption)
{
    caption_ = caption;
    ScreenStack::instance().captionChanged(this);
}

void Screen::prepareShow()
{
    paintPending_ = true;
    guard([this] { FormShow(); });
    if (!keepsOwnSize())
        resize(640, 480);
    ScreenStack::instance().centre(this);
}

void Screen::showScreen()
{
    if (released_)
        return;
    prepareShow();
    ScreenStack::instance().push(this);
    repaint();
}

void Screen::showModal()
{
    if (released_)
        return;
    prepareShow();
    ScreenStack::instance().push(this);
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec();
    modalLoop_ = nullptr;
}

void Screen::closeModal()
{
    hide();
    ScreenStack::instance().remove(this);
    if (modalLoop_)
        modalLoop_->quit();
}

void Screen::hideScreen()
{
    if (!isVisible() && !ScreenStack::instance().contains(this))
        return;
    hide();
    ScreenStack::instance().remove(this);
    guard([this] { FormHide(); });
}

void Screen::release()
{
    if (released_)
        return;
    released_ = true;
    if (trace::enabled())
        trace::line(std::string("release ") + kind_);
    // Gone from sight and from the stack now; the running handler may still
    // touch the controls, so the screen itself goes later.
    hide();
    ScreenStack::instance().remove(this);
    if (modalLoop_)
        modalLoop_->quit();
    ReleaseQueue::add(this);
}

void Screen::systemClose()
{
    // Screens end only through their exit hot spots.
}

void Screen::runActivate()
{
    if (trace::enabled())
        trace::line(std::string("activate ") + kind_);
    if (setsCaption())
        setCaption(QStringLiteral("ovta"));
    setFocus(Qt::OtherFocusReason);
    guard([this] { FormActivate(); });
}

void Screen::runDeactivate()
{
    guard([this] { FormDeactivate(); });
}

void Screen::keyPressEvent(QKeyEvent* event)
{
    if (ClipboardText::isCopyKey(event)) {
        guard([this] {
            const int copied = ClipboardText::copyGlyphs(copyGlyphs());
            if (trace::enabled())
                trace::line("copy " + kind_ + " chars=" + std::to_string(copied));
        });
        return;
    }
    const int key = virtualKey(event->key());
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    guard([this, key] { FormKeyDown(key); });
}

void Screen::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        guard([this] { FormClick(); });
}

void Screen::mouseMoveEvent(QMouseEvent*)
{
    guard([this] { FormMouseMove(); });
}

bool Screen::focusNextPrevChild(bool)
{
    // Tab belongs to the screens' own key handlers.
    return false;
}

void Screen::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (paintPending_) {
        paintPending_ = false;
        if (trace::enabled())
            trace::line(std::string("paint ") + kind_);
    }
}

int virtualKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return 18;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: break;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    return 0;
}

} // namespace ovta
