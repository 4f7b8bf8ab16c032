#include "app_icon.h"

#include <QPainter>
#include <QPainterPath>

#include "theme.h"

namespace ovta::art {

QImage paintAppIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QPainterPath rounded;
    rounded.addRoundedRect(tile, s * 0.16, s * 0.16);
    paintBlueGround(p, tile, tile.center() - QPointF(0, s * 0.12), s * 0.7);
    if (size >= 64)
        paintStarLattice(p, tile, s * 0.25, shade(palette::deepBlue, 1.6));
    // Keep the ground inside the rounded tile only (the painters above set
    // their own clips).
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.fillPath(rounded, Qt::black);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(QPen(goldGradient(tile.topLeft(), tile.bottomRight()), qMax<qreal>(1.0, s * 0.03)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded);
    paintRosette(p, tile.center(), s * 0.36);
    // The letter ain, the first of the word for knowledge.
    const QRectF heart(tile.center() - QPointF(s * 0.16, s * 0.17), QSizeF(s * 0.32, s * 0.32));
    paintCaption(p, QStringLiteral("\u0639"), heart, s * 0.30, 1.2);
    return img;
}

} // namespace ovta::art
