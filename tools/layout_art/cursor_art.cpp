#include "cursor_art.h"

#include "theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <stdexcept>
#include <string>

namespace ovta::art {

namespace {

// Pointer shapes are black on white, or white on black when reversed, with a
// faint shadow that keeps them readable on any ground.
struct Ink {
    QColor outline = Qt::black;
    QColor fill = Qt::white;
};

QImage blank()
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void drawShape(QPainter& p, const QPainterPath& shape, const Ink& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(shape.translated(1.2, 1.5));
    p.setPen(QPen(ink.outline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink.fill);
    p.drawPath(shape);
}

// A right hand with the index finger out, drawn upright with the finger tip
// at the origin; the caller turns it so the tip points up and to the left.
QPainterPath handOutline()
{
    QPainterPath finger;
    finger.addRoundedRect(QRectF(-2.6, 0, 5.2, 15), 2.6, 2.6);
    QPainterPath knuckles;
    knuckles.addRoundedRect(QRectF(2.0, 10.0, 4.6, 9), 2.3, 2.3);
    knuckles.addRoundedRect(QRectF(6.2, 11.0, 4.4, 9), 2.2, 2.2);
    knuckles.addRoundedRect(QRectF(10.2, 12.4, 4.0, 8.4), 2.0, 2.0);
    QPainterPath palm;
    palm.moveTo(-2.6, 13);
    palm.lineTo(14.2, 15.5);
    palm.lineTo(14.0, 21);
    palm.quadTo(13.0, 25.5, 9.5, 26.5);
    palm.lineTo(1.5, 26.5);
    palm.quadTo(-2.4, 24, -3.0, 20);
    palm.closeSubpath();
    QPainterPath thumb;
    thumb.moveTo(-2.0, 16.5);
    thumb.quadTo(-6.8, 13.0, -8.0, 14.8);
    thumb.quadTo(-8.6, 16.8, -3.8, 21.8);
    thumb.lineTo(-1.0, 22.0);
    thumb.closeSubpath();
    return finger.united(knuckles).united(palm).united(thumb).simplified();
}

QPainterPath cuff()
{
    QPainterPath c;
    c.addRoundedRect(QRectF(0.5, 26.2, 10.0, 4.6), 1.2, 1.2);
    return c;
}

// Turns the upright hand so the finger points to the top-left corner and the
// very tip lands on pixel (0, 0).
QTransform pointingTurn()
{
    QTransform t;
    t.translate(0.7, 0.7);
    t.rotate(-40);
    return t;
}

void paintHand(QPainter& p, const Ink& ink)
{
    const QTransform turn = pointingTurn();
    drawShape(p, turn.map(handOutline()), ink);
    drawShape(p, turn.map(cuff()), ink);
    // Creases between the curled fingers.
    p.setPen(QPen(ink.outline, 0.8));
    p.drawLine(turn.map(QLineF(6.4, 14.5, 6.4, 19.0)));
    p.drawLine(turn.map(QLineF(10.4, 15.5, 10.4, 20.0)));
    p.drawLine(turn.map(QLineF(2.4, 14.0, 2.4, 18.5)));
}

void paintPen(QPainter& p)
{
    // A reed pen lying along the diagonal, its nib on the hot spot.
    QTransform t;
    t.translate(0.6, 0.6);
    t.rotate(45);
    QPainterPath body;
    body.moveTo(0, 0);
    body.lineTo(8, -3.4);
    body.lineTo(33, -3.4);
    body.quadTo(36, 0, 33, 3.4);
    body.lineTo(8, 3.4);
    body.closeSubpath();
    drawShape(p, t.map(body), {});
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(t.map(QLineF(8, -3.4, 8, 3.4)));
    p.drawLine(t.map(QLineF(2.5, 0, 6.5, 0)));
    p.drawLine(t.map(QLineF(13, -3.4, 13, 3.4)));
}

void paintPageHand(QPainter& p)
{
    // A sheet with a turned corner, held at its lower right by a hand.
    QPainterPath page;
    page.moveTo(0.5, 0.5);
    page.lineTo(14.5, 0.5);
    page.lineTo(19.5, 5.5);
    page.lineTo(19.5, 23.5);
    page.lineTo(0.5, 23.5);
    page.closeSubpath();
    drawShape(p, page, {});
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(QColor(220, 220, 220));
    QPainterPath fold;
    fold.moveTo(14.5, 0.5);
    fold.lineTo(14.5, 5.5);
    fold.lineTo(19.5, 5.5);
    p.drawPath(fold);
    for (qreal y : {5.5, 9.5, 13.5, 17.5})
        p.drawLine(QPointF(3.5, y), QPointF(y < 6 ? 11.5 : 16.5, y));

    QTransform t;
    t.translate(21.5, 14.5);
    t.rotate(38);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(-5, 0, 12, 15), 4, 4);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-9.5, 0.5, 6, 10), 3, 3);
    hand = t.map(hand.united(thumb).simplified());
    drawShape(p, hand, {});
    p.setPen(QPen(Qt::black, 0.8));
    for (qreal x : {-1.0, 2.0})
        p.drawLine(t.map(QLineF(x, 1.5, x, 5.5)));
}

void paintMagnifier(QPainter& p)
{
    QTransform t;
    t.translate(9, 9);
    t.rotate(45);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(9.5, -2.8, 15, 5.6), 2.4, 2.4);
    drawShape(p, t.map(handle), {});
    QPainterPath ring;
    ring.addEllipse(QPointF(9, 9), 8.5, 8.5);
    QPainterPath hole;
    hole.addEllipse(QPointF(9, 9), 5.8, 5.8);
    drawShape(p, ring.subtracted(hole), {});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 225, 255, 110));
    p.drawEllipse(QPointF(9, 9), 5.3, 5.3);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(5.5, 5.5, 7, 7), 100 * 16, 70 * 16);
}

} // namespace

QImage paintCursor(int number)
{
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (number) {
    case 1: paintPen(p); break;
    case 2: paintHand(p, {}); break;
    case 3: paintPageHand(p); break;
    case 4: paintMagnifier(p); break;
    case 5: paintHand(p, {Qt::white, Qt::black}); break;
    default: throw std::out_of_range("no pointer shape " + std::to_string(number));
    }
    p.end();
    return img;
}

} // namespace ovta::art
