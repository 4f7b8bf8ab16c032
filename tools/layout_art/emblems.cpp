#include "emblems.h"

#include "theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace ovta::art {

namespace {

constexpr qreal kLitLift = 1.32;

QPainterPath archPath(const QRectF& b)
{
    const qreal cx = b.center().x(), half = b.width() / 2;
    const qreal top = b.top(), bottom = b.bottom();
    const qreal shoulder = top + b.height() * 0.4;
    QPainterPath arch;
    arch.moveTo(cx - half, bottom);
    arch.lineTo(cx - half, shoulder);
    arch.cubicTo(cx - half, top + b.height() * 0.15, cx - half * 0.27, top + b.height() * 0.08, cx,
                 top);
    arch.cubicTo(cx + half * 0.27, top + b.height() * 0.08, cx + half, top + b.height() * 0.15,
                 cx + half, shoulder);
    arch.lineTo(cx + half, bottom);
    arch.closeSubpath();
    return arch;
}

} // namespace

void paintDoorEmblem(QPainter& p, const QRectF& box, bool lit)
{
    const qreal lift = lit ? kLitLift : 1.0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath arch = archPath(box);
    if (lit)
        paintGlow(p, arch, QColor(255, 200, 90, 150), box.width() * 0.2);
    p.setPen(QPen(QColor(0, 0, 0, 190), 1.0));
    p.setBrush(goldGradient(box.topLeft(), box.bottomRight(), lift));
    p.drawPath(arch);
    const qreal rim = box.width() * 0.14;
    const QPainterPath doorway = archPath(box.adjusted(rim, rim * 1.3, -rim, 0));
    QLinearGradient opening(box.topLeft(), box.bottomLeft());
    opening.setColorAt(0, lit ? QColor(255, 240, 180) : palette::night);
    opening.setColorAt(1, lit ? QColor(232, 170, 70) : shade(palette::deepBlue, 1.1));
    p.setPen(QPen(shade(palette::goldDark, lift), 0.8));
    p.setBrush(opening);
    p.drawPath(doorway);

    // The arrow points out of the door, to the left as Arabic reads onwards.
    const qreal u = box.width() / 30;
    const QPointF c(box.center().x(), box.top() + box.height() * 0.66);
    QPainterPath arrow;
    arrow.moveTo(c + QPointF(7 * u, -2 * u));
    arrow.lineTo(c + QPointF(-2 * u, -2 * u));
    arrow.lineTo(c + QPointF(-2 * u, -6 * u));
    arrow.lineTo(c + QPointF(-9 * u, 0));
    arrow.lineTo(c + QPointF(-2 * u, 6 * u));
    arrow.lineTo(c + QPointF(-2 * u, 2 * u));
    arrow.lineTo(c + QPointF(7 * u, 2 * u));
    arrow.closeSubpath();
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(lit ? QColor(palette::deepBlue) : QColor(palette::goldLight));
    p.drawPath(arrow);
    p.restore();
}

void paintSearchEmblem(QPainter& p, const QRectF& box, bool lit)
{
    const qreal lift = lit ? kLitLift : 1.0;
    const qreal s = std::min(box.width(), box.height());
    const QPointF c = box.topLeft() + QPointF(s * 0.42, s * 0.42);
    const qreal r = s * 0.3;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Handle first, so the rim covers its end.
    p.save();
    p.translate(c);
    p.rotate(45);
    const QRectF handle(r * 0.95, -s * 0.075, s * 0.42, s * 0.15);
    QLinearGradient wood(handle.topLeft(), handle.bottomLeft());
    wood.setColorAt(0, QColor(150, 96, 44));
    wood.setColorAt(0.5, QColor(92, 52, 22));
    wood.setColorAt(1, QColor(60, 32, 14));
    p.setPen(QPen(palette::ink, 1.0));
    p.setBrush(wood);
    p.drawRoundedRect(handle, s * 0.06, s * 0.06);
    p.setBrush(goldGradient(handle.topLeft(), handle.bottomLeft(), lift));
    p.drawRect(QRectF(handle.left(), handle.top() - 0.5, s * 0.07, handle.height() + 1));
    p.restore();

    QPainterPath ring;
    ring.addEllipse(c, r, r);
    if (lit)
        paintGlow(p, ring, QColor(255, 200, 90, 150), s * 0.09);
    QRadialGradient lens(c - QPointF(r * 0.35, r * 0.35), r * 1.2);
    lens.setColorAt(0, lit ? QColor(210, 235, 255) : QColor(120, 170, 230));
    lens.setColorAt(1, lit ? QColor(90, 140, 220) : shade(palette::lapis, 0.9));
    p.setPen(QPen(goldGradient(c - QPointF(r, r), c + QPointF(r, r), lift), s * 0.07));
    p.setBrush(lens);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(0, 0, 0, 170), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r + s * 0.04, r + s * 0.04);
    p.setPen(QPen(QColor(255, 255, 255, 200), s * 0.035, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r * 0.62, c.y() - r * 0.62, r * 1.24, r * 1.24), 100 * 16, 60 * 16);
    p.restore();
}

} // namespace ovta::art
