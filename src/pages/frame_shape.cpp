#include "pages/frame_shape.h"

#include <QPainter>

namespace ovta {

FrameShape::FrameShape(QWidget* parent, const QString& name, const QRect& geometry,
                       const QColor& pen)
    : QWidget(parent), pen_(pen)
{
    setObjectName(name);
    setGeometry(geometry);
    setEnabled(false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(pen_, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ovta
