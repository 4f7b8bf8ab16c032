// Pieces that several panoramas share: the night sky, the moon, books,
// the book stand and the hanging lamp.
#include "sprite_strip.h"
#include "strip_scenes.h"
#include "theme.h"

#include <QPainter>
#include <QRadialGradient>

namespace ovta::art::scenes {

void paintNightSky(QPainter& p, unsigned seed, const QColor& horizon)
{
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, palette::night);
    sky.setColorAt(0.55, palette::deepBlue);
    sky.setColorAt(1.0, horizon);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), sky);

    Dice dice(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const QPointF at(dice.uniform(0, kWidth), dice.uniform(2, 70));
        const qreal r = dice.uniform(0.35, 1.0);
        const int alpha = static_cast<int>(dice.uniform(90, 230));
        p.setBrush(QColor(255, 240, 200, alpha));
        p.drawEllipse(at, r, r);
    }
    // A few brighter stars twinkle as four-pointed sparks.
    for (int i = 0; i < 6; ++i) {
        const QPointF at(dice.uniform(0, kWidth), dice.uniform(6, 50));
        p.setBrush(QColor(255, 230, 160, 220));
        p.drawPath(starPath(at, 4, 3.2, 0.7));
    }
}

void paintCrescent(QPainter& p, QPointF centre, qreal radius)
{
    QPainterPath moon;
    moon.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.42, -radius * 0.2), radius * 0.86, radius * 0.86);
    const QPainterPath crescent = moon.subtracted(bite);
    paintGlow(p, crescent, QColor(255, 220, 140, 70), radius * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(
        goldGradient(centre - QPointF(radius, radius), centre + QPointF(radius, radius), 1.2));
    p.drawPath(crescent);
}

void paintOpenBook(QPainter& p, QPointF spineFoot, qreal halfWidth, qreal height,
                   const QColor& cover)
{
    const qreal x = spineFoot.x(), y = spineFoot.y();
    const qreal sag = height * 0.16; // the pages dip towards the spine
    auto page = [&](qreal dir, qreal inset) {
        QPainterPath path;
        const qreal w = halfWidth - inset;
        path.moveTo(x, y - inset * 0.3);
        path.cubicTo(x + dir * w * 0.35, y - sag - inset * 0.3, x + dir * w * 0.75, y - sag * 0.4,
                     x + dir * w, y - sag * 0.7 - inset * 0.3);
        path.lineTo(x + dir * w, y - height);
        path.cubicTo(x + dir * w * 0.75, y - height - sag * 0.4, x + dir * w * 0.35,
                     y - height - sag, x, y - height + sag * 0.3 + inset);
        path.closeSubpath();
        return path;
    };
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(cover);
    p.drawPath(page(-1, -2.2).united(page(1, -2.2)));
    for (qreal dir : {-1.0, 1.0}) {
        QLinearGradient paper(QPointF(x, 0), QPointF(x + dir * halfWidth, 0));
        paper.setColorAt(0.0, QColor(196, 178, 132));
        paper.setColorAt(0.25, QColor(246, 236, 204));
        paper.setColorAt(1.0, QColor(232, 218, 178));
        p.setPen(QPen(QColor(120, 96, 50), 0.6));
        p.setBrush(paper);
        p.drawPath(page(dir, 0));
        // Lines of script, kept inside a gold-ruled text block.
        p.setPen(QPen(QColor(60, 50, 40, 170), 0.8));
        const qreal left = x + dir * halfWidth * 0.18, right = x + dir * halfWidth * 0.84;
        for (qreal t = 0.25; t < 0.86; t += 0.12) {
            const qreal ly = y - height * (1 - t) - sag * 0.35;
            p.drawLine(QPointF(left, ly), QPointF(right, ly - sag * 0.15));
        }
    }
}

void paintRehal(QPainter& p, QPointF foot, qreal width, qreal height)
{
    // Two boards crossing in an X, seen from the front.
    const qreal x = foot.x(), y = foot.y();
    QLinearGradient wood(x - width / 2, 0, x + width / 2, 0);
    wood.setColorAt(0, QColor(92, 54, 26));
    wood.setColorAt(0.5, QColor(150, 98, 46));
    wood.setColorAt(1, QColor(84, 48, 22));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(wood);
    auto board = [&](qreal dir) {
        QPainterPath b;
        b.moveTo(x - dir * width / 2, y);
        b.lineTo(x - dir * width / 2 + dir * 5, y);
        b.lineTo(x + dir * width / 2, y - height);
        b.lineTo(x + dir * width / 2 - dir * 5, y - height);
        b.closeSubpath();
        return b;
    };
    p.drawPath(board(1));
    p.drawPath(board(-1));
    p.setBrush(
        goldGradient(QPointF(x - 3, y - height / 2 - 3), QPointF(x + 3, y - height / 2 + 3), 1.2));
    p.drawEllipse(QPointF(x, y - height / 2), 2.4, 2.4);
}

void paintLantern(QPainter& p, QPointF hook, qreal size)
{
    const qreal s = size;
    // Chain.
    p.setPen(QPen(palette::gold, 0.8));
    p.drawLine(hook, hook + QPointF(0, s * 0.9));
    const QPointF top = hook + QPointF(0, s * 0.9);
    QPainterPath lamp;
    lamp.moveTo(top + QPointF(-s * 0.28, 0));
    lamp.lineTo(top + QPointF(s * 0.28, 0));
    lamp.cubicTo(top + QPointF(s * 0.3, s * 0.5), top + QPointF(s * 0.75, s * 0.55),
                 top + QPointF(s * 0.55, s * 1.05));
    lamp.lineTo(top + QPointF(s * 0.2, s * 1.3));
    lamp.lineTo(top + QPointF(-s * 0.2, s * 1.3));
    lamp.lineTo(top + QPointF(-s * 0.55, s * 1.05));
    lamp.cubicTo(top + QPointF(-s * 0.75, s * 0.55), top + QPointF(-s * 0.3, s * 0.5),
                 top + QPointF(-s * 0.28, 0));
    lamp.closeSubpath();
    const QPointF flame = top + QPointF(0, s * 0.85);
    QRadialGradient halo(flame, s * 1.6);
    halo.setColorAt(0, QColor(255, 214, 120, 120));
    halo.setColorAt(1, QColor(255, 214, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(flame, s * 1.6, s * 1.6);
    QRadialGradient glass(flame, s * 0.8);
    glass.setColorAt(0, QColor(255, 236, 170));
    glass.setColorAt(0.6, QColor(226, 160, 60));
    glass.setColorAt(1, QColor(140, 86, 30));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(glass);
    p.drawPath(lamp);
    p.setPen(QPen(shade(palette::goldLight, 1.0), 0.9));
    p.drawLine(top + QPointF(-s * 0.5, s * 0.62), top + QPointF(s * 0.5, s * 0.62));
}

} // namespace ovta::art::scenes
