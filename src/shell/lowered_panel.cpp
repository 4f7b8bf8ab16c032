#include "shell/lowered_panel.h"

#include <QPainter>

namespace ovta {

LoweredPanel::LoweredPanel(QWidget* parent, const QString& name, const QRect& geometry,
                           const QColor& color)
    : PanelControl(parent, name, geometry, color), color_(color)
{
}

void LoweredPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), color_);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(Qt::white);
    p.drawLine(1, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 1, width() - 1, height() - 1);
}

} // namespace ovta
