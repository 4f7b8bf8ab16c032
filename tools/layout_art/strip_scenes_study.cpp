// Panoramas of the sections about law and belief.
#include "strip_scenes.h"
#include "theme.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace ovta::art::scenes {

namespace {

const QColor kCovers[] = {
    {30, 60, 132}, {112, 30, 44}, {18, 88, 96}, {24, 78, 50}, {70, 40, 100},
};

// A wall of dark blue with the star lattice faintly cut into it.
void paintWall(QPainter& p)
{
    QLinearGradient wall(0, 0, 0, kHeight);
    wall.setColorAt(0.0, palette::night);
    wall.setColorAt(0.7, palette::deepBlue);
    wall.setColorAt(1.0, shade(palette::deepBlue, 0.7));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), wall);
    paintStarLattice(p, QRectF(0, 0, kWidth, kHeight), 26, QColor(212, 170, 62, 22));
}

void paintBookSpine(QPainter& p, QRectF r, const QColor& cover, qreal tilt)
{
    p.save();
    p.translate(r.center().x(), r.bottom());
    p.rotate(tilt);
    const QRectF b(-r.width() / 2, -r.height(), r.width(), r.height());
    QLinearGradient round(b.topLeft(), b.topRight());
    round.setColorAt(0.0, shade(cover, 0.55));
    round.setColorAt(0.4, shade(cover, 1.35));
    round.setColorAt(1.0, shade(cover, 0.6));
    p.setPen(QPen(palette::ink, 0.7));
    p.setBrush(round);
    p.drawRoundedRect(b, 1.2, 1.2);
    // Gold bands and a lozenge title piece.
    const QLinearGradient gold = goldGradient(b.topLeft(), b.topRight());
    p.setPen(Qt::NoPen);
    for (qreal y : {b.top() + 4, b.top() + 7, b.bottom() - 8, b.bottom() - 5})
        p.fillRect(QRectF(b.left() + 1, y, b.width() - 2, 1.3), gold);
    p.setBrush(gold);
    p.drawPath(starPath(QPointF(0, b.top() + b.height() * 0.45), 4,
                        std::min<qreal>(5, b.width() * 0.38),
                        std::min<qreal>(2.2, b.width() * 0.16)));
    p.restore();
}

struct Book {
    qreal x, width, height;
    int cover;
    qreal tilt;
};

void paintInkwell(QPainter& p, QPointF foot)
{
    // The reed pen leans in the well.
    p.save();
    p.translate(foot + QPointF(2, -14));
    p.rotate(24);
    QLinearGradient reed(-2, 0, 2, 0);
    reed.setColorAt(0, QColor(120, 80, 30));
    reed.setColorAt(0.5, QColor(214, 170, 96));
    reed.setColorAt(1, QColor(110, 70, 28));
    p.setPen(QPen(palette::ink, 0.6));
    p.setBrush(reed);
    QPainterPath pen;
    pen.moveTo(-1.8, 0);
    pen.lineTo(-1.8, -40);
    pen.lineTo(0, -46);
    pen.lineTo(1.8, -40);
    pen.lineTo(1.8, 0);
    pen.closeSubpath();
    p.drawPath(pen);
    p.restore();
    QPainterPath pot;
    pot.moveTo(foot + QPointF(-5, -18));
    pot.lineTo(foot + QPointF(5, -18));
    pot.cubicTo(foot + QPointF(5, -14), foot + QPointF(14, -12), foot + QPointF(12, -3));
    pot.quadTo(foot + QPointF(11, 0), foot + QPointF(6, 0));
    pot.lineTo(foot + QPointF(-6, 0));
    pot.quadTo(foot + QPointF(-11, 0), foot + QPointF(-12, -3));
    pot.cubicTo(foot + QPointF(-14, -12), foot + QPointF(-5, -14), foot + QPointF(-5, -18));
    pot.closeSubpath();
    QRadialGradient glass(foot + QPointF(-4, -10), 14);
    glass.setColorAt(0, QColor(60, 110, 190));
    glass.setColorAt(1, QColor(8, 18, 50));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(glass);
    p.drawPath(pot);
    p.setBrush(goldGradient(foot + QPointF(-6, -20), foot + QPointF(6, -16), 1.1));
    p.drawRoundedRect(QRectF(foot.x() - 6, foot.y() - 20.5, 12, 3), 1, 1);
    p.setPen(QPen(palette::gold, 1.0));
    p.drawLine(foot + QPointF(-11, -6), foot + QPointF(11, -6));
}

} // namespace

void jurisprudence(QPainter& p)
{
    paintWall(p);
    const qreal shelf = 86;
    paintLantern(p, QPointF(198, 0), 9);
    paintLantern(p, QPointF(42, 0), 8);

    static const Book books[] = {
        {4, 11, 56, 0, 0},   {15, 9, 48, 1, 0},   {24, 13, 60, 2, 0},  {37, 10, 52, 3, 0},
        {47, 12, 44, 4, 0},  {60, 10, 50, 1, -9}, {150, 12, 58, 3, 0}, {162, 9, 46, 0, 0},
        {171, 14, 62, 1, 0}, {185, 10, 54, 2, 0}, {195, 12, 49, 4, 0}, {262, 10, 47, 2, 7},
        {273, 12, 57, 0, 0}, {285, 10, 51, 1, 0}, {295, 13, 61, 3, 0},
    };
    for (const Book& b : books)
        paintBookSpine(p, QRectF(b.x, shelf - b.height, b.width, b.height), kCovers[b.cover],
                       b.tilt);

    // The shelf itself.
    QLinearGradient wood(0, shelf, 0, shelf + 7);
    wood.setColorAt(0, QColor(150, 100, 48));
    wood.setColorAt(0.3, QColor(110, 68, 30));
    wood.setColorAt(1, QColor(52, 30, 14));
    p.fillRect(QRectF(0, shelf, kWidth, 7), wood);
    p.fillRect(QRectF(0, shelf, kWidth, 1.2), QColor(palette::goldLight));
    p.fillRect(QRectF(0, shelf + 7, kWidth, kHeight - shelf - 7), shade(palette::night, 0.8));

    paintRehal(p, QPointF(108, shelf), 40, 26);
    paintOpenBook(p, QPointF(108, shelf - 20), 28, 24, kCovers[1]);
    paintInkwell(p, QPointF(232, shelf));
}

void creeds(QPainter& p)
{
    paintWall(p);
    // Two ribbons weave between the rosettes, crossing halfway between them.
    for (int ribbon = 0; ribbon < 2; ++ribbon) {
        QPainterPath path;
        // Exactly one width, so the wrapped copies abut instead of overlapping.
        for (int x = 0; x <= kWidth; ++x) {
            const qreal y = 50 + (ribbon ? 1 : -1) * 30 * std::sin(2 * M_PI * x / 104.0);
            if (x == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette::ink, 5.2, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path);
        p.setPen(QPen(goldGradient({0, 10}, {0, 90}), 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path);
        p.setPen(QPen(shade(palette::goldLight, 1.05), 0.7, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path);
    }

    struct Medal {
        qreal x;
        int points;
        QString word;
    };
    static const Medal medals[] = {
        {52, 12, QStringLiteral("الإيمان")},
        {156, 8, QStringLiteral("التوحيد")},
        {260, 10, QStringLiteral("اليقين")},
    };
    for (const Medal& m : medals) {
        const QPointF c(m.x, 50);
        const qreal r = 40;
        QPainterPath star = starPath(c, m.points, r, r * 0.72);
        paintGlow(p, star, QColor(255, 210, 120, 60), 5);
        p.setPen(QPen(palette::ink, 1.0));
        p.setBrush(goldGradient(c - QPointF(r, r), c + QPointF(r, r)));
        p.drawPath(star);
        p.setBrush(shade(palette::deepBlue, 1.05));
        p.drawPath(starPath(c, m.points, r * 0.8, r * 0.62, 180.0 / m.points));
        p.setBrush(goldGradient(c - QPointF(r, r), c + QPointF(r, r), 0.9));
        p.drawEllipse(c, r * 0.56, r * 0.56);
        QRadialGradient enamel(c - QPointF(5, 6), r * 0.6);
        enamel.setColorAt(0, palette::lapis);
        enamel.setColorAt(1, palette::night);
        p.setBrush(enamel);
        p.drawEllipse(c, r * 0.5, r * 0.5);
        // A ring of dots inside the rim, like pearls.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(palette::goldLight));
        for (int i = 0; i < 24; ++i) {
            const qreal a = i * M_PI / 12;
            p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.44, 0.8, 0.8);
        }
        paintCaption(p, m.word, QRectF(c.x() - 16, c.y() - 9, 32, 18), 14, 1.1);
    }
}

void quran(QPainter& p)
{
    paintNightSky(p, 7, shade(palette::lapis, 0.9));
    const QPointF source(156, 64);
    // Rays fan out from the book and fade long before they could meet the
    // rays of the neighbouring copies across the wrap.
    for (int i = 0; i < 28; ++i) {
        const qreal a0 = i * 2 * M_PI / 28, a1 = a0 + M_PI / 40;
        QPainterPath wedge;
        wedge.moveTo(source);
        wedge.lineTo(source + QPointF(std::cos(a0), std::sin(a0)) * 150);
        wedge.lineTo(source + QPointF(std::cos(a1), std::sin(a1)) * 150);
        wedge.closeSubpath();
        QRadialGradient fade(source, 145);
        fade.setColorAt(0.0, QColor(255, 220, 130, 150));
        fade.setColorAt(0.5, QColor(255, 210, 110, 50));
        fade.setColorAt(1.0, QColor(255, 210, 110, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(fade);
        p.drawPath(wedge);
    }
    QRadialGradient halo(source, 60);
    halo.setColorAt(0, QColor(255, 230, 160, 140));
    halo.setColorAt(1, QColor(255, 230, 160, 0));
    p.setBrush(halo);
    p.drawEllipse(source, 60, 60);

    // A pointed arch frames the book like a niche.
    QPainterPath niche;
    niche.moveTo(118, 97);
    niche.lineTo(118, 40);
    niche.cubicTo(118, 22, 146, 14, 156, 6);
    niche.cubicTo(166, 14, 194, 22, 194, 40);
    niche.lineTo(194, 97);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::ink, 4));
    p.drawPath(niche);
    p.setPen(QPen(goldGradient({118, 0}, {194, 0}), 2.2));
    p.drawPath(niche);

    paintLantern(p, QPointF(48, 0), 10);
    paintLantern(p, QPointF(264, 0), 10);
    paintRehal(p, QPointF(156, 97), 50, 32);
    paintOpenBook(p, QPointF(156, 72), 34, 30, QColor(24, 78, 50));
    // Gold illumination on the pages' heads.
    for (qreal dir : {-1.0, 1.0}) {
        const QPointF c(156 + dir * 17, 48);
        p.setPen(QPen(palette::ink, 0.5));
        p.setBrush(goldGradient(c - QPointF(4, 4), c + QPointF(4, 4), 1.1));
        p.drawPath(khatamPath(c, 3.6));
    }
}

void principles(QPainter& p)
{
    paintWall(p);
    const qreal spring = 42, floor = 92, bay = 52;
    // Bays of the arcade: lighter depth behind pointed arches.
    for (int i = 0; i < kWidth / bay; ++i) {
        const qreal l = i * bay + 4, r = (i + 1) * bay - 4, mid = (l + r) / 2;
        QPainterPath opening;
        opening.moveTo(l, floor);
        opening.lineTo(l, spring);
        opening.cubicTo(l, spring - 16, mid - 6, spring - 22, mid, spring - 28);
        opening.cubicTo(mid + 6, spring - 22, r, spring - 16, r, spring);
        opening.lineTo(r, floor);
        opening.closeSubpath();
        QLinearGradient depth(0, spring - 28, 0, floor);
        depth.setColorAt(0, shade(palette::lapis, 0.8));
        depth.setColorAt(1, shade(palette::azure, 0.55));
        p.setPen(QPen(palette::ink, 2.6));
        p.setBrush(depth);
        p.drawPath(opening);
        p.setPen(QPen(goldGradient({l, 0}, {r, 0}), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(opening);
    }
    // Columns with capitals and bases stand on the joints of the bays.
    for (int i = 0; i <= kWidth / bay; ++i) {
        const qreal x = i * bay;
        QLinearGradient stone(x - 4, 0, x + 4, 0);
        stone.setColorAt(0, shade(palette::gold, 0.55));
        stone.setColorAt(0.45, palette::goldLight);
        stone.setColorAt(1, shade(palette::gold, 0.5));
        p.setPen(QPen(palette::ink, 0.7));
        p.setBrush(stone);
        p.drawRect(QRectF(x - 3, spring, 6, floor - spring));
        p.drawRect(QRectF(x - 5.5, spring - 3, 11, 4));
        p.drawRect(QRectF(x - 5, floor - 3, 10, 3));
    }
    p.fillRect(QRectF(0, floor, kWidth, kHeight - floor),
               goldGradient({0, floor}, {0, kHeight}, 0.6));
    p.fillRect(QRectF(0, 8, kWidth, 2), goldGradient({0, 8}, {0, 10}, 0.9));

    // The balance stands in one bay, an open book rests in the opposite one.
    const QPointF post(130, floor);
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(goldGradient(post - QPointF(4, 50), post + QPointF(4, 0), 1.1));
    p.drawRect(QRectF(post.x() - 1.6, post.y() - 52, 3.2, 50));
    p.drawRoundedRect(QRectF(post.x() - 9, post.y() - 4, 18, 4), 1.5, 1.5);
    p.drawRect(QRectF(post.x() - 22, post.y() - 52, 44, 2.6));
    p.drawEllipse(post + QPointF(0, -55), 3, 3);
    for (qreal dir : {-1.0, 1.0}) {
        const QPointF hang = post + QPointF(dir * 20, -50);
        p.setPen(QPen(palette::gold, 0.8));
        p.drawLine(hang, hang + QPointF(-7, 22));
        p.drawLine(hang, hang + QPointF(7, 22));
        QPainterPath pan;
        pan.moveTo(hang + QPointF(-9, 22));
        pan.lineTo(hang + QPointF(9, 22));
        pan.quadTo(hang + QPointF(0, 31), hang + QPointF(-9, 22));
        p.setPen(QPen(palette::ink, 0.8));
        p.setBrush(goldGradient(hang + QPointF(-9, 22), hang + QPointF(9, 30), 1.1));
        p.drawPath(pan);
    }
    paintOpenBook(p, QPointF(286, 84), 19, 18, kCovers[1]);
    paintLantern(p, QPointF(234, 10), 7);
    paintLantern(p, QPointF(26, 10), 7);
    paintLantern(p, QPointF(182, 10), 7);
    paintLantern(p, QPointF(78, 10), 7);
}

} // namespace ovta::art::scenes
