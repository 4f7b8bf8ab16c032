#include "shell/frame_shape.h"

#include <QPainter>

namespace ovta {

FrameShape::FrameShape(QWidget* parent, const QString& name, const QRect& geometry,
                       const QColor& pen, int penWidth)
    : QWidget(parent), pen_(pen), penWidth_(penWidth)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QPen pen(pen_, penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (penWidth_ <= 1) {
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    // The pen lies inside the control's bounds, as a shape's does.
    const qreal half = penWidth_ / 2.0;
    p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

} // namespace ovta
