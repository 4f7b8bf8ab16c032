#include "search/option_button.h"

#include <QPainter>
#include <QRadialGradient>

namespace ovta {

OptionButton::OptionButton(QWidget* parent, const QString& name, const QRect& geometry)
    : Control(parent, name, geometry)
{
    onClick = [this](Control*) { setChecked(true); };
}

void OptionButton::setChecked(bool on)
{
    if (checked_ == on)
        return;
    checked_ = on;
    if (on && parentWidget())
        for (auto* other : parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly))
            if (other != this)
                other->setChecked(false);
    update();
}

void OptionButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(1, 1, -1, -1);
    QRadialGradient well(ring.center() - QPointF(1.5, 1.5), ring.width() * 0.7);
    well.setColorAt(0, QColor(250, 246, 232));
    well.setColorAt(1, QColor(196, 186, 160));
    p.setPen(QPen(QColor(120, 86, 22), 1.2));
    p.setBrush(well);
    p.drawEllipse(ring);
    if (!checked_)
        return;
    const qreal r = ring.width() * 0.22;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 29, 72));
    p.drawEllipse(ring.center(), r, r);
}

} // namespace ovta
