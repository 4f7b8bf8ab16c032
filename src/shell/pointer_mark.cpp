#include "shell/pointer_mark.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "shell/screen_stack.h"

namespace ovta {
namespace {

QPointer<PointerMark>& mark()
{
    static QPointer<PointerMark> m;
    return m;
}

// The plain arrow, for controls that keep the standard pointer.
QPixmap arrowPicture()
{
    QPixmap pm(12, 19);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF tip[] = {{0.5, 0.5}, {0.5, 16}, {4.5, 12.5}, {7.5, 18.5},
                           {9.5, 17.5}, {6.5, 11.5}, {11.5, 11.5}};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(tip, 7);
    return pm;
}

// The pointer shape the user would see over `under`: the first shape set
// on it or on a parent.
QCursor shapeOver(QWidget* under, QWidget* window)
{
    for (QWidget* w = under; w; w = w->parentWidget()) {
        if (w->testAttribute(Qt::WA_SetCursor))
            return w->cursor();
        if (w == window)
            break;
    }
    return QCursor(Qt::ArrowCursor);
}

}  // namespace

PointerMark::PointerMark(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("pointerMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    qApp->installEventFilter(this);
}

void PointerMark::showAt(const QPoint& desktop)
{
    QWidget* window = ScreenStack::instance().backdrop();
    if (!window)
        return;
    if (!mark() || mark()->parentWidget() != window)
        mark() = new PointerMark(window);
    mark()->hide();
    mark()->place(window->mapFromGlobal(desktop));
}

void PointerMark::hideMark()
{
    if (mark())
        mark()->hide();
}

PointerMark* PointerMark::shown()
{
    return mark() && mark()->isVisible() ? mark().data() : nullptr;
}

void PointerMark::place(const QPoint& local)
{
    QWidget* window = parentWidget();
    QWidget* under = window->childAt(local);
    const QCursor shape = shapeOver(under ? under : window, window);
    if (shape.shape() == Qt::BitmapCursor && !shape.pixmap().isNull()) {
        picture_ = shape.pixmap();
        hotSpot_ = shape.hotSpot();
    } else {
        picture_ = arrowPicture();
        hotSpot_ = QPoint(0, 0);
    }
    setGeometry(QRect(local - hotSpot_, picture_.size()));
    show();
    raise();
}

void PointerMark::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

bool PointerMark::eventFilter(QObject*, QEvent* event)
{
    // The user's own move (not one the keyboard navigation sends) takes the
    // pointer back.
    if (event->type() == QEvent::MouseMove && event->spontaneous() && isVisible())
        hide();
    return false;
}

}  // namespace ovta
