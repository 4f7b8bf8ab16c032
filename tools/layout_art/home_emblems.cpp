#include "home_emblems.h"

#include "strip_scenes.h"
#include "theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace ovta::art {

namespace {

constexpr qreal kW = 40, kH = 34; // the design box of every emblem

// Gold metal with a dark outline: the body of most emblems.
void metal(QPainter& p, const QPainterPath& shape, qreal lift, qreal outline = 0.8)
{
    const QRectF b = shape.boundingRect();
    p.setPen(QPen(palette::ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(goldGradient(b.topLeft(), b.bottomRight(), lift));
    p.drawPath(shape);
}

void fillDark(QPainter& p, const QPainterPath& shape, bool lit)
{
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? QColor(255, 222, 150) : QColor(palette::night));
    p.drawPath(shape);
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

// An arched opening: straight sides, a pointed top.
QPainterPath archway(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath a;
    a.moveTo(x, y + h);
    a.lineTo(x, y + w * 0.6);
    a.quadTo(x, y, x + w / 2, y);
    a.quadTo(x + w, y, x + w, y + w * 0.6);
    a.lineTo(x + w, y + h);
    a.closeSubpath();
    return a;
}

QPainterPath onionDome(QPointF base, qreal halfWidth, qreal height)
{
    QPainterPath d;
    const qreal x = base.x(), y = base.y();
    d.moveTo(x - halfWidth, y);
    d.cubicTo(x - halfWidth * 1.25, y - height * 0.55, x - halfWidth * 0.25, y - height * 0.7, x,
              y - height);
    d.cubicTo(x + halfWidth * 0.25, y - height * 0.7, x + halfWidth * 1.25, y - height * 0.55,
              x + halfWidth, y);
    d.closeSubpath();
    return d;
}

QPainterPath minaret(qreal x, qreal top, qreal bottom, qreal w)
{
    QPainterPath m = rect(x, top + w, w, bottom - top - w);
    QPainterPath tip;
    tip.moveTo(x - 0.4, top + w);
    tip.lineTo(x + w / 2, top - w * 0.8);
    tip.lineTo(x + w + 0.4, top + w);
    tip.closeSubpath();
    m.addPath(tip);
    m.addRect(QRectF(x - 0.8, top + w * 2.6, w + 1.6, 1.2)); // the balcony
    return m.simplified();
}

void paintDome(QPainter& p, qreal lift, bool lit)
{
    metal(p, minaret(3, 6, 33, 3.4), lift);
    metal(p, minaret(33.6, 6, 33, 3.4), lift);
    QPainterPath body = rect(9, 20, 22, 13);
    body.addPath(onionDome(QPointF(20, 21), 9, 15));
    body.addRect(QRectF(19.4, 2.5, 1.2, 4));
    metal(p, body.simplified(), lift);
    scenes::paintCrescent(p, QPointF(20.6, 2.6), 2.2);
    fillDark(p, archway(16.5, 24, 7, 9), lit);
}

void paintCity(QPainter& p, qreal lift, bool lit)
{
    QPainterPath town;
    town.addRect(QRectF(0, 20, 9, 13));
    town.addRect(QRectF(8, 14, 8, 19));
    town.addRect(QRectF(24, 17, 9, 16));
    town.addRect(QRectF(32, 22, 8, 11));
    town.addPath(onionDome(QPointF(20, 20), 5.5, 10));
    town.addRect(QRectF(15, 20, 10, 13));
    town.addPath(minaret(35, 3, 22, 2.6));
    metal(p, town.simplified(), lift);
    QPainterPath windows;
    for (QPointF w : {QPointF(3, 24), QPointF(11, 18), QPointF(11, 25), QPointF(27, 21),
                      QPointF(27, 27), QPointF(35, 26)})
        windows.addPath(archway(w.x(), w.y(), 2.4, 3.6));
    windows.addPath(archway(18, 26, 4, 7));
    fillDark(p, windows, lit);
}

void paintMountains(QPainter& p, qreal lift)
{
    QPainterPath far;
    far.moveTo(12, 33);
    far.lineTo(27, 3);
    far.lineTo(40, 33);
    far.closeSubpath();
    metal(p, far, lift * 0.85);
    QPainterPath near;
    near.moveTo(0, 33);
    near.lineTo(13, 9);
    near.lineTo(26, 33);
    near.closeSubpath();
    metal(p, near, lift);
    QPainterPath snow;
    snow.moveTo(22.5, 9);
    snow.lineTo(27, 3);
    snow.lineTo(31.5, 11);
    snow.lineTo(28.5, 9.5);
    snow.lineTo(26, 12);
    snow.lineTo(24.5, 9.5);
    snow.closeSubpath();
    snow.moveTo(9.5, 15.5);
    snow.lineTo(13, 9);
    snow.lineTo(16.6, 15.5);
    snow.lineTo(14.4, 14.3);
    snow.lineTo(12.8, 16.6);
    snow.lineTo(11.4, 14.4);
    snow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 246, 220));
    p.drawPath(snow);
}

void paintWell(QPainter& p, qreal lift)
{
    // Posts and the winch beam first, the stone ring in front.
    QPainterPath frame = rect(8, 4, 2.4, 20);
    frame.addRect(QRectF(29.6, 4, 2.4, 20));
    frame.addRect(QRectF(6, 3, 28, 2.6));
    metal(p, frame.simplified(), lift);
    p.setPen(QPen(QColor(200, 180, 140), 0.7));
    p.drawLine(QPointF(20, 5.6), QPointF(20, 13));
    QPainterPath bucket;
    bucket.moveTo(17, 13);
    bucket.lineTo(23, 13);
    bucket.lineTo(22, 18);
    bucket.lineTo(18, 18);
    bucket.closeSubpath();
    metal(p, bucket, lift * 0.9);
    QPainterPath ring;
    ring.addRect(QRectF(5, 22, 30, 10));
    ring.addEllipse(QRectF(5, 27, 30, 6));
    ring.addEllipse(QRectF(5, 18.5, 30, 7));
    metal(p, ring.simplified(), lift);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(palette::night));
    p.drawEllipse(QRectF(8, 19.8, 24, 4.4));
    p.setPen(QPen(palette::goldDark, 0.6));
    for (qreal x : {12.0, 20.0, 28.0})
        p.drawLine(QPointF(x, 25), QPointF(x, 31));
    p.drawLine(QPointF(5.5, 28), QPointF(34.5, 28));
}

QPainterPath crenellated(qreal x, qreal top, qreal w, qreal bottom, int merlons)
{
    QPainterPath wall = rect(x, top + 3, w, bottom - top - 3);
    const qreal step = w / (2 * merlons - 1);
    for (int i = 0; i < merlons; ++i)
        wall.addRect(QRectF(x + 2 * i * step, top, step, 3.2));
    return wall.simplified();
}

void paintFort(QPainter& p, qreal lift, bool lit)
{
    metal(p, crenellated(0, 16, 11, 33, 3), lift * 0.9);
    metal(p, crenellated(29, 16, 11, 33, 3), lift * 0.9);
    metal(p, crenellated(10, 4, 20, 33, 4), lift);
    fillDark(p, archway(16, 22, 8, 11), lit);
    fillDark(p, archway(18.6, 10, 2.8, 5), lit);
}

void paintBookStack(QPainter& p, qreal lift)
{
    const QColor covers[] = {QColor(140, 34, 40), QColor(28, 100, 70), QColor(34, 62, 140)};
    const QRectF books[] = {{2, 24, 36, 9}, {5, 15, 31, 9}, {3, 6, 33, 9}};
    for (int i = 0; i < 3; ++i) {
        const QRectF b = books[i];
        QLinearGradient cover(b.topLeft(), b.bottomLeft());
        cover.setColorAt(0, shade(covers[i], 1.3));
        cover.setColorAt(1, shade(covers[i], 0.7));
        p.setPen(QPen(palette::ink, 0.8));
        p.setBrush(cover);
        p.drawRoundedRect(b, 1.2, 1.2);
        p.setPen(Qt::NoPen);
        p.setBrush(goldGradient(b.topLeft(), b.bottomLeft(), lift));
        p.drawRect(QRectF(b.left() + 4, b.top() + 1.5, 2, b.height() - 3));
        p.drawRect(QRectF(b.right() - 6, b.top() + 1.5, 2, b.height() - 3));
        p.drawRect(QRectF(b.left() + 10, b.center().y() - 0.6, b.width() - 20, 1.2));
    }
}

// A sabre lying along the x axis, grip at the origin, the blade curving up
// towards its point at x = length.
QPainterPath sabre(qreal length)
{
    QPainterPath blade;
    blade.moveTo(0, -1.6);
    blade.cubicTo(length * 0.45, -1.8, length * 0.8, -3.5, length, -7.5);
    blade.cubicTo(length * 0.82, -1.2, length * 0.5, 1.8, 0, 1.8);
    blade.closeSubpath();
    return blade;
}

QPainterPath hilt()
{
    QPainterPath h;
    h.addRoundedRect(QRectF(-1.2, -3.6, 2.4, 7.2), 1, 1); // the guard, across the blade
    h.addRoundedRect(QRectF(-7, -1.2, 7, 2.4), 1.1, 1.1); // the grip
    h.addEllipse(QPointF(-7.6, 0), 1.7, 1.7);             // the pommel
    return h.simplified();
}

void paintSwords(QPainter& p, qreal lift)
{
    for (int side : {1, -1}) {
        p.save();
        p.translate(side > 0 ? 9.5 : 30.5, 26);
        p.scale(side, 1);
        p.rotate(-48);
        QLinearGradient steel(QPointF(0, -4), QPointF(0, 2));
        steel.setColorAt(0, QColor(250, 250, 255));
        steel.setColorAt(0.5, QColor(190, 200, 220));
        steel.setColorAt(1, QColor(110, 120, 150));
        p.setPen(QPen(palette::ink, 0.8));
        p.setBrush(steel);
        p.drawPath(sabre(27));
        metal(p, hilt(), lift, 0.7);
        p.restore();
    }
}

void paintScales(QPainter& p, qreal lift)
{
    QPainterPath stand = rect(19, 5, 2, 25);
    stand.addRect(QRectF(12, 30, 16, 3));
    stand.addRect(QRectF(4, 6.2, 32, 1.8));
    stand.addEllipse(QPointF(20, 4), 2.2, 2.2);
    metal(p, stand.simplified(), lift);
    p.setPen(QPen(palette::goldLight, 0.6));
    for (qreal x : {6.0, 34.0}) {
        p.drawLine(QPointF(x, 8), QPointF(x - 4.5, 19));
        p.drawLine(QPointF(x, 8), QPointF(x + 4.5, 19));
        QPainterPath pan;
        pan.moveTo(x - 6, 19);
        pan.lineTo(x + 6, 19);
        pan.quadTo(x, 25, x - 6, 19);
        metal(p, pan, lift);
    }
}

void paintKaaba(QPainter& p, qreal lift)
{
    QPainterPath front;
    front.moveTo(6, 12);
    front.lineTo(26, 12);
    front.lineTo(26, 33);
    front.lineTo(6, 33);
    front.closeSubpath();
    QPainterPath side;
    side.moveTo(26, 12);
    side.lineTo(35, 7);
    side.lineTo(35, 28);
    side.lineTo(26, 33);
    side.closeSubpath();
    QPainterPath top;
    top.moveTo(6, 12);
    top.lineTo(15, 7);
    top.lineTo(35, 7);
    top.lineTo(26, 12);
    top.closeSubpath();
    p.setPen(QPen(palette::gold, 0.7));
    p.setBrush(QColor(18, 18, 22));
    p.drawPath(front);
    p.setBrush(QColor(34, 34, 40));
    p.drawPath(side);
    p.setBrush(QColor(50, 50, 58));
    p.drawPath(top);
    // The gold band, then the door.
    QPainterPath band;
    band.moveTo(6, 15.5);
    band.lineTo(26, 15.5);
    band.lineTo(35, 10.5);
    band.lineTo(35, 13);
    band.lineTo(26, 18);
    band.lineTo(6, 18);
    band.closeSubpath();
    metal(p, band, lift, 0.4);
    metal(p, rect(19, 21, 4.5, 8.5), lift, 0.4);
}

void paintPalm(QPainter& p, qreal lift)
{
    // The green dome of the city stands behind the palm.
    QPainterPath dome = onionDome(QPointF(29, 25), 7, 13);
    dome.addRect(QRectF(21, 25, 16, 8));
    QLinearGradient green(QPointF(22, 12), QPointF(36, 33));
    green.setColorAt(0, QColor(90, 190, 120));
    green.setColorAt(1, QColor(20, 90, 50));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(green);
    p.drawPath(dome.simplified());
    metal(p, rect(28.5, 9.5, 1.1, 3), lift, 0.3);

    const QPointF crown(14.5, 11);
    QPainterPath trunk;
    trunk.moveTo(9.5, 33);
    trunk.cubicTo(10.5, 25, 12.5, 17, crown.x() - 1, crown.y());
    trunk.lineTo(crown.x() + 1.2, crown.y() + 0.4);
    trunk.cubicTo(14.6, 17, 13.4, 25, 13.2, 33);
    trunk.closeSubpath();
    QLinearGradient bark(QPointF(9, 0), QPointF(14, 0));
    bark.setColorAt(0, QColor(150, 100, 50));
    bark.setColorAt(1, QColor(80, 50, 24));
    p.setBrush(bark);
    p.drawPath(trunk);
    p.setPen(QPen(QColor(60, 36, 16), 0.5));
    for (qreal y = 14; y < 32; y += 2.6)
        p.drawLine(QPointF(11 + (33 - y) * 0.06, y), QPointF(13.2 + (33 - y) * 0.05, y + 0.8));

    // Fronds arch out of the crown and droop at their tips.
    const qreal angles[] = {192, 218, 244, 270, 296, 322, 348};
    for (qreal degrees : angles) {
        const qreal a = qDegreesToRadians(degrees);
        const QPointF dir(std::cos(a), std::sin(a));
        const qreal length = 11.5 - std::abs(degrees - 270) * 0.012;
        const qreal droop = std::abs(std::cos(a)) * 5.5;
        const QPointF tip = crown + dir * length + QPointF(0, droop);
        const QPointF bend = crown + dir * length * 0.55 + QPointF(0, -2.2);
        const QPointF normal(-dir.y(), dir.x());
        QPainterPath leaf;
        leaf.moveTo(crown);
        leaf.quadTo(bend + normal * 2.4, tip);
        leaf.quadTo(bend - normal * 1.2, crown);
        QLinearGradient frond(crown, tip);
        frond.setColorAt(0, QColor(40, 120, 60));
        frond.setColorAt(1, QColor(120, 200, 110));
        p.setPen(QPen(palette::ink, 0.5));
        p.setBrush(frond);
        p.drawPath(leaf);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(crown - QPointF(2, 2), crown + QPointF(2, 2), lift));
    for (QPointF d : {QPointF(-1.2, 1.6), QPointF(1.2, 1.8), QPointF(0, 2.8)})
        p.drawEllipse(crown + d, 1.1, 1.1);
}

void paintIndex(QPainter& p, qreal lift)
{
    QPainterPath card;
    card.addRoundedRect(QRectF(6, 2, 28, 31), 2, 2);
    QLinearGradient paper(QPointF(6, 2), QPointF(34, 33));
    paper.setColorAt(0, QColor(250, 240, 210));
    paper.setColorAt(1, QColor(216, 196, 150));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(paper);
    p.drawPath(card);
    p.setPen(QPen(goldGradient({6, 0}, {34, 0}, lift), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7.4, 3.4, 25.2, 28.2), 1.4, 1.4);
    for (int row = 0; row < 5; ++row) {
        const qreal y = 8 + row * 5;
        // Right to left, as the lists read: the mark first, then the line.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 40, 40));
        p.drawPath(starPath(QPointF(28, y), 4, 1.8, 0.8));
        p.setPen(QPen(QColor(60, 50, 40), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(25, y), QPointF(row % 2 ? 14 : 11, y));
    }
}

void paintClosedBook(QPainter& p, qreal lift, const QColor& colour)
{
    const QRectF cover(10, 2, 22, 31);
    // Page edges on the right, the spine on the left (an Arabic book opens the other way).
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(QColor(236, 224, 190));
    p.drawRect(QRectF(12, 4, 22, 28));
    p.setPen(QPen(QColor(170, 150, 110), 0.4));
    for (qreal x = 31.5; x < 34; x += 0.9)
        p.drawLine(QPointF(x, 4.8), QPointF(x, 31.2));
    QLinearGradient leather(cover.topLeft(), cover.bottomRight());
    leather.setColorAt(0, shade(colour, 1.35));
    leather.setColorAt(1, shade(colour, 0.6));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(leather);
    p.drawRoundedRect(cover, 1.5, 1.5);
    p.setBrush(shade(colour, 0.5));
    p.drawRoundedRect(QRectF(7, 2, 5, 31), 1.5, 1.5);
    p.setPen(QPen(goldGradient(cover.topLeft(), cover.bottomRight(), lift), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cover.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(cover.topLeft(), cover.bottomRight(), lift));
    p.drawPath(khatamPath(cover.center(), 6.2));
    p.setBrush(shade(colour, 0.9));
    p.drawEllipse(cover.center(), 2.6, 2.6);
    p.setBrush(goldGradient({7, 0}, {12, 0}, lift));
    for (qreal y : {6.0, 28.0})
        p.drawRect(QRectF(7.5, y, 4, 1.2));
}

void paintScroll(QPainter& p, qreal lift)
{
    QLinearGradient paper(QPointF(0, 5), QPointF(0, 30));
    paper.setColorAt(0, QColor(246, 234, 200));
    paper.setColorAt(1, QColor(214, 192, 140));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(paper);
    p.drawRect(QRectF(8, 5, 24, 24));
    p.setPen(QPen(QColor(60, 50, 40, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 5; ++row) {
        const qreal y = 9 + row * 4;
        p.drawLine(QPointF(29, y), QPointF(row == 4 ? 19 : 11, y));
    }
    for (qreal y : {2.5, 27.0}) {
        QPainterPath roll;
        roll.addRoundedRect(QRectF(5, y, 30, 4.6), 2.3, 2.3);
        roll.addEllipse(QPointF(4, y + 2.3), 1.8, 1.8);
        roll.addEllipse(QPointF(36, y + 2.3), 1.8, 1.8);
        metal(p, roll.simplified(), lift);
    }
}

void paintMedallion(QPainter& p, qreal lift, const QString& text)
{
    const QPointF c(20, 17.5);
    p.setPen(QPen(palette::gold, 0.7));
    p.drawLine(QPointF(20, 0), QPointF(20, 3));
    QPainterPath ring;
    ring.addEllipse(c, 15, 15);
    metal(p, ring, lift);
    QRadialGradient enamel(c - QPointF(3, 4), 13);
    enamel.setColorAt(0, shade(palette::lapis, 1.1));
    enamel.setColorAt(1, palette::night);
    p.setPen(QPen(palette::goldDark, 0.6));
    p.setBrush(enamel);
    p.drawEllipse(c, 12, 12);
    const qreal size = text.size() > 2 ? 14 : 17;
    paintCaption(p, text, QRectF(c.x() - 11, c.y() - 10, 22, 20), size, lift);
}

void paintHourglass(QPainter& p, qreal lift)
{
    QPainterPath glass;
    glass.moveTo(12, 5);
    glass.lineTo(28, 5);
    glass.cubicTo(28, 13, 21.5, 14, 21.5, 17);
    glass.cubicTo(21.5, 20, 28, 21, 28, 29);
    glass.lineTo(12, 29);
    glass.cubicTo(12, 21, 18.5, 20, 18.5, 17);
    glass.cubicTo(18.5, 14, 12, 13, 12, 5);
    glass.closeSubpath();
    p.setPen(QPen(QColor(200, 220, 255, 200), 0.7));
    p.setBrush(QColor(150, 190, 240, 70));
    p.drawPath(glass);
    QPainterPath sand;
    sand.moveTo(13.5, 28);
    sand.quadTo(20, 20, 26.5, 28);
    sand.closeSubpath();
    sand.moveTo(15.5, 10.5);
    sand.lineTo(24.5, 10.5);
    sand.quadTo(20.5, 14, 20, 17.5);
    sand.quadTo(19.5, 14, 15.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 190, 100));
    p.drawPath(sand);
    p.drawRect(QRectF(19.6, 16, 0.8, 11));
    QPainterPath frame = rect(8, 2, 24, 3);
    frame.addRect(QRectF(8, 29, 24, 3));
    frame.addRect(QRectF(9, 5, 1.8, 24));
    frame.addRect(QRectF(29.2, 5, 1.8, 24));
    metal(p, frame.simplified(), lift);
}

void paintCrescentAndStar(QPainter& p, qreal lift)
{
    scenes::paintCrescent(p, QPointF(18, 18), 13);
    p.setPen(QPen(palette::ink, 0.6));
    p.setBrush(goldGradient({24, 8}, {36, 20}, lift * 1.1));
    p.drawPath(starPath(QPointF(29, 13), 5, 5.5, 2.3, -90));
}

void paintQuill(QPainter& p, qreal lift)
{
    QPainterPath pot;
    pot.addRoundedRect(QRectF(5, 22, 16, 11), 4, 4);
    pot.addRect(QRectF(8.5, 19, 9, 4));
    QLinearGradient glass(QPointF(5, 22), QPointF(21, 33));
    glass.setColorAt(0, QColor(70, 100, 170));
    glass.setColorAt(1, QColor(14, 24, 60));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(glass);
    p.drawPath(pot.simplified());
    metal(p, rect(7.6, 18, 10.8, 2), lift, 0.5);
    QPainterPath reed;
    reed.moveTo(13, 22);
    reed.lineTo(34, 1.5);
    reed.lineTo(36, 3.5);
    reed.lineTo(14.6, 23.2);
    reed.closeSubpath();
    QLinearGradient cane(QPointF(13, 22), QPointF(36, 2));
    cane.setColorAt(0, QColor(120, 74, 30));
    cane.setColorAt(1, QColor(210, 160, 90));
    p.setBrush(cane);
    p.drawPath(reed);
    p.setPen(QPen(palette::goldLight, 0.5));
    for (qreal t : {0.45, 0.7})
        p.drawLine(QPointF(13 + 21 * t, 22 - 20.5 * t), QPointF(14.6 + 21.4 * t, 23.2 - 19.7 * t));
}

void paintStarEmblem(QPainter& p, qreal lift)
{
    const QPointF c(20, 17);
    paintGlow(p, khatamPath(c, 15), QColor(255, 210, 110, 80), 2.5);
    metal(p, khatamPath(c, 15.5), lift);
    p.setPen(QPen(palette::goldDark, 0.6));
    p.setBrush(QColor(palette::deepBlue));
    p.drawPath(khatamPath(c, 10.5, 22.5));
    metal(p, starPath(c, 8, 6, 3.2), lift * 1.1, 0.5);
}

void paintRehalWithBook(QPainter& p)
{
    scenes::paintRehal(p, QPointF(20, 33), 30, 16);
    scenes::paintOpenBook(p, QPointF(20, 22), 15, 17, QColor(30, 100, 64));
}

void paintSound(QPainter& p)
{
    scenes::paintOpenBook(p, QPointF(13, 30), 11, 15, QColor(120, 30, 40));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 5 + 4.5 * i;
        const QRectF arc(22 - r, 14 - r, 2 * r, 2 * r);
        p.setPen(QPen(palette::ink, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(arc, -40 * 16, 80 * 16);
        p.setPen(QPen(palette::goldLight, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(arc, -40 * 16, 80 * 16);
    }
}

void paintShelf(QPainter& p, qreal lift)
{
    const QColor covers[] = {QColor(140, 34, 40), QColor(28, 100, 70), QColor(34, 62, 140),
                             QColor(120, 80, 30), QColor(90, 30, 100), QColor(28, 100, 70),
                             QColor(140, 34, 40)};
    const qreal heights[] = {24, 27, 22, 28, 25, 23, 26};
    qreal x = 3;
    for (int i = 0; i < 7; ++i) {
        const QRectF spine(x, 30 - heights[i], 4.6, heights[i]);
        QLinearGradient cover(spine.topLeft(), spine.topRight());
        cover.setColorAt(0, shade(covers[i], 1.3));
        cover.setColorAt(1, shade(covers[i], 0.65));
        p.setPen(QPen(palette::ink, 0.6));
        p.setBrush(cover);
        p.drawRect(spine);
        p.setPen(Qt::NoPen);
        p.setBrush(goldGradient(spine.topLeft(), spine.bottomRight(), lift));
        p.drawRect(QRectF(spine.left() + 0.8, spine.top() + 3, 3, 1));
        p.drawRect(QRectF(spine.left() + 0.8, spine.bottom() - 4, 3, 1));
        x += 4.9;
    }
    metal(p, rect(1, 30, 38, 3), lift);
}

void paintTree(QPainter& p, qreal lift)
{
    QPainterPath trunk;
    trunk.moveTo(18, 33);
    trunk.lineTo(19, 20);
    trunk.lineTo(21, 20);
    trunk.lineTo(22, 33);
    trunk.closeSubpath();
    metal(p, trunk, lift);
    p.setPen(QPen(goldGradient({0, 4}, {40, 24}, lift), 1.6, Qt::SolidLine, Qt::RoundCap));
    const QColor fruit[] = {QColor(220, 70, 60), QColor(80, 170, 220), QColor(240, 200, 80),
                            QColor(120, 200, 120), QColor(200, 120, 220)};
    const QPointF fork(20, 20);
    const QPointF tips[] = {{5, 9}, {12, 4}, {20, 2}, {28, 4}, {35, 9}};
    for (int i = 0; i < 5; ++i) {
        const QPointF mid = (fork + tips[i]) / 2 + QPointF(0, 3);
        QPainterPath branch;
        branch.moveTo(fork);
        branch.quadTo(mid, tips[i]);
        p.setBrush(Qt::NoBrush);
        p.drawPath(branch);
    }
    p.setPen(QPen(palette::ink, 0.5));
    for (int i = 0; i < 5; ++i) {
        p.setBrush(fruit[i]);
        p.drawEllipse(tips[i], 2.4, 2.4);
    }
}

} // namespace

void paintEmblem(QPainter& p, Emblem emblem, const QRectF& box, bool lit, const EmblemStyle& style)
{
    const qreal lift = lit ? 1.32 : 1.0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Fit the design box, keeping its proportions, centred.
    const qreal scale = std::min(box.width() / kW, box.height() / kH);
    p.translate(box.center() - QPointF(kW, kH) * scale / 2);
    p.scale(scale, scale);
    switch (emblem) {
    case Emblem::Dome: paintDome(p, lift, lit); break;
    case Emblem::City: paintCity(p, lift, lit); break;
    case Emblem::Mountains: paintMountains(p, lift); break;
    case Emblem::Well: paintWell(p, lift); break;
    case Emblem::Fort: paintFort(p, lift, lit); break;
    case Emblem::Books: paintBookStack(p, lift); break;
    case Emblem::Swords: paintSwords(p, lift); break;
    case Emblem::Scales: paintScales(p, lift); break;
    case Emblem::Kaaba: paintKaaba(p, lift); break;
    case Emblem::Palm: paintPalm(p, lift); break;
    case Emblem::Index: paintIndex(p, lift); break;
    case Emblem::Book: paintClosedBook(p, lift, style.colour); break;
    case Emblem::OpenBook: scenes::paintOpenBook(p, QPointF(20, 30), 18, 22, style.colour); break;
    case Emblem::Scroll: paintScroll(p, lift); break;
    case Emblem::Medallion: paintMedallion(p, lift, style.text); break;
    case Emblem::Hourglass: paintHourglass(p, lift); break;
    case Emblem::Crescent: paintCrescentAndStar(p, lift); break;
    case Emblem::Quill: paintQuill(p, lift); break;
    case Emblem::Rosette: paintRosette(p, QPointF(20, 17), 16, lift); break;
    case Emblem::Lamp: scenes::paintLantern(p, QPointF(20, 0), 13.5); break;
    case Emblem::Rehal: paintRehalWithBook(p); break;
    case Emblem::Sound: paintSound(p); break;
    case Emblem::Star: paintStarEmblem(p, lift); break;
    case Emblem::Shelf: paintShelf(p, lift); break;
    case Emblem::Tree: paintTree(p, lift); break;
    }
    p.restore();
}

} // namespace ovta::art
