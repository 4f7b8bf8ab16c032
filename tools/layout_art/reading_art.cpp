#include "reading_art.h"

#include "emblems.h"
#include "theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace ovta::art {

namespace {

constexpr qreal kLit = 1.32;

QPainterPath pointedArch(const QRectF& b)
{
    const qreal cx = b.center().x(), half = b.width() / 2;
    const qreal shoulder = b.top() + b.height() * 0.32;
    QPainterPath arch;
    arch.moveTo(b.left(), b.bottom());
    arch.lineTo(b.left(), shoulder);
    arch.cubicTo(b.left(), b.top() + b.height() * 0.1, cx - half * 0.3, b.top() + b.height() * 0.04,
                 cx, b.top());
    arch.cubicTo(cx + half * 0.3, b.top() + b.height() * 0.04, b.right(),
                 b.top() + b.height() * 0.1, b.right(), shoulder);
    arch.lineTo(b.right(), b.bottom());
    arch.closeSubpath();
    return arch;
}

void paintNightCity(QPainter& p, const QRectF& inside, int seed)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(inside.topLeft(), inside.bottomLeft());
    sky.setColorAt(0, palette::night);
    sky.setColorAt(0.6, shade(palette::deepBlue, 1.2));
    sky.setColorAt(1, QColor(90, 70, 60));
    p.fillRect(inside, sky);
    // Stars and the crescent.
    unsigned state = 2166136261u ^ static_cast<unsigned>(seed);
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(inside.left() + next() * inside.width(),
                         inside.top() + next() * inside.height() * 0.55);
        const qreal r = 0.6 + next() * 1.1;
        p.setBrush(QColor(255, 240, 200, 120 + static_cast<int>(next() * 120)));
        p.drawEllipse(at, r, r);
    }
    const QPointF moon(inside.left() + inside.width() * 0.72, inside.top() + inside.height() * 0.2);
    const qreal mr = inside.width() * 0.07;
    QPainterPath crescent;
    crescent.addEllipse(moon, mr, mr);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(mr * 0.45, -mr * 0.2), mr * 0.85, mr * 0.85);
    paintGlow(p, crescent, QColor(255, 220, 140, 120), mr * 0.6);
    p.setBrush(palette::goldLight);
    p.drawPath(crescent.subtracted(bite));
    // A skyline of domes and minarets.
    const qreal ground = inside.bottom() - inside.height() * 0.16;
    QPainterPath city;
    city.moveTo(inside.left(), inside.bottom());
    city.lineTo(inside.left(), ground);
    qreal x = inside.left();
    while (x < inside.right()) {
        const qreal w = 14 + next() * 26;
        const qreal h = 10 + next() * 22;
        const int kind = static_cast<int>(next() * 3);
        if (kind == 0) { // dome on a drum
            city.lineTo(x, ground - h);
            city.cubicTo(x, ground - h - w * 0.75, x + w, ground - h - w * 0.75, x + w, ground - h);
            city.lineTo(x + w, ground);
        } else if (kind == 1) { // minaret
            const qreal mw = 6;
            city.lineTo(x + 4, ground);
            city.lineTo(x + 4, ground - h * 2.6);
            city.lineTo(x + 4 + mw / 2, ground - h * 2.6 - 8);
            city.lineTo(x + 4 + mw, ground - h * 2.6);
            city.lineTo(x + 4 + mw, ground);
            city.lineTo(x + w, ground);
        } else { // flat houses
            city.lineTo(x, ground - h * 0.6);
            city.lineTo(x + w, ground - h * 0.6);
            city.lineTo(x + w, ground);
        }
        x += w;
    }
    city.lineTo(inside.right() + 40, ground);
    city.lineTo(inside.right() + 40, inside.bottom());
    city.closeSubpath();
    QLinearGradient stone(0, ground - 60, 0, inside.bottom());
    stone.setColorAt(0, QColor(24, 30, 58));
    stone.setColorAt(1, QColor(8, 10, 24));
    p.setBrush(stone);
    p.setPen(QPen(QColor(212, 170, 62, 110), 1));
    p.drawPath(city);
    // Lit windows.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const QPointF at(inside.left() + next() * inside.width(), ground + 3 + next() * 14);
        p.setBrush(QColor(255, 200, 110, 160));
        p.drawRect(QRectF(at, QSizeF(2, 3)));
    }
    p.restore();
}

} // namespace

void paintReadingGround(QPainter& p)
{
    const QRectF all(0, 0, 640, 480);
    paintBlueGround(p, all, QPointF(320, 200), 460);
    paintStarLattice(p, all, 40, QColor(212, 170, 62, 22));
    for (qreal y : {3.0, 474.0}) {
        QLinearGradient rule(0, y, 0, y + 3);
        rule.setColorAt(0, palette::goldLight);
        rule.setColorAt(1, palette::goldDark);
        p.fillRect(QRectF(0, y, 640, 3), rule);
    }
}

void paintParchmentPanel(QPainter& p, const QRectF& outer)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // A soft shadow lifts the panel off the ground.
    p.fillRect(outer.translated(3, 4), QColor(0, 0, 0, 90));
    const QRectF paper = outer.adjusted(4, 4, -4, -4);
    QRadialGradient tone(paper.center(), std::max(paper.width(), paper.height()) * 0.75);
    tone.setColorAt(0, QColor(253, 248, 230));
    tone.setColorAt(0.8, QColor(244, 232, 198));
    tone.setColorAt(1, QColor(226, 206, 160));
    p.fillRect(paper, tone);
    // A thin inner line as on a printed page.
    p.setPen(QPen(QColor(170, 128, 50, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(paper.adjusted(4.5, 4.5, -4.5, -4.5));
    paintGoldFrame(p, outer, 4);
    p.restore();
}

void paintEnamelPanel(QPainter& p, const QRectF& outer, const QColor& base)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(outer.translated(3, 4), QColor(0, 0, 0, 110));
    const QRectF inner = outer.adjusted(4, 4, -4, -4);
    QLinearGradient enamel(inner.topLeft(), inner.bottomLeft());
    enamel.setColorAt(0, shade(base, 1.35));
    enamel.setColorAt(0.5, base);
    enamel.setColorAt(1, shade(base, 0.6));
    p.fillRect(inner, enamel);
    paintStarLattice(p, inner, 34, QColor(255, 226, 150, 16));
    paintGoldFrame(p, outer, 4);
    p.restore();
}

void paintRowRules(QPainter& p, const layout::Box& firstRow, int step, int rows,
                   const QColor& colour)
{
    p.save();
    p.setPen(QPen(colour, 1));
    for (int k = 1; k < rows; ++k) {
        const qreal y = firstRow.y + step * k - 0.5;
        p.drawLine(QPointF(firstRow.x + 6, y), QPointF(firstRow.right() - 6, y));
    }
    p.restore();
}

QRectF paintEnamelButton(QPainter& p, const QRectF& box, qreal radius, bool pressed,
                         qreal lift, Qt::Orientation goldRamp)
{
    const QRectF body = box.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(body, radius, radius);
    p.setPen(QPen(palette::ink, 1));
    p.setBrush(goldGradient(body.topLeft(),
                            goldRamp == Qt::Horizontal ? body.topRight() : body.bottomLeft(), lift));
    p.drawPath(shape);
    const QRectF well = body.adjusted(2.5, 2.5, -2.5, -2.5);
    QLinearGradient enamel(well.topLeft(), well.bottomLeft());
    enamel.setColorAt(0, pressed ? shade(palette::lapis, 1.5) : palette::lapis);
    enamel.setColorAt(1, pressed ? palette::lapis : palette::night);
    QPainterPath inner;
    inner.addRoundedRect(well, radius - 1, radius - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(enamel);
    p.drawPath(inner);
    if (pressed)
        p.translate(0.5, 1);
    return well;
}

void paintArrowButton(QPainter& p, const QRectF& box, Arrow arrow, bool pressed)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF well =
        paintEnamelButton(p, box, 4, pressed, pressed ? kLit : 1.0, Qt::Horizontal);
    // Chevrons: one for a line, two for a page.
    const bool up = arrow == Arrow::LineUp || arrow == Arrow::PageUp;
    const bool page = arrow == Arrow::PageUp || arrow == Arrow::PageDown;
    const qreal w = well.width() * 0.36;
    const qreal h = w * 0.8;
    const QPointF c = well.center();
    auto chevron = [&](qreal dy) {
        QPainterPath v;
        const qreal s = up ? -1 : 1;
        v.moveTo(c.x() - w, c.y() + dy - s * h / 2);
        v.lineTo(c.x(), c.y() + dy + s * h / 2);
        v.lineTo(c.x() + w, c.y() + dy - s * h / 2);
        p.setPen(QPen(pressed ? palette::goldGlow : palette::goldLight, 2.2, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(v);
    };
    if (page) {
        chevron(-h * 0.65);
        chevron(h * 0.65);
    } else {
        chevron(0);
    }
    p.restore();
}

QImage paintPressedArrow(QSize size, Arrow arrow)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::deepBlue);
    QPainter p(&img);
    paintArrowButton(p, QRectF(QPointF(0, 0), QSizeF(size)), arrow, true);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void paintArrowColumn(QPainter& p, const layout::Box& lineUp, const layout::Box& pageUp,
                      const layout::Box& pageDown, const layout::Box& lineDown)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const bool vertical = pageUp.x == lineUp.x && pageDown.x == lineDown.x;
    if (vertical) {
        // A slot runs between the page buttons, as the track of the window.
        const QRectF rail(lineUp.x + lineUp.w / 2.0 - 3, pageUp.bottom() + 4, 6,
                          pageDown.y - pageUp.bottom() - 8);
        if (rail.height() > 4) {
            QPainterPath slot;
            slot.addRoundedRect(rail, 3, 3);
            p.setPen(QPen(palette::goldDark, 1));
            p.setBrush(palette::night);
            p.drawPath(slot);
        }
        paintArrowButton(p, rectOf(pageUp), Arrow::PageUp, false);
        paintArrowButton(p, rectOf(pageDown), Arrow::PageDown, false);
    }
    paintArrowButton(p, rectOf(lineUp), Arrow::LineUp, false);
    paintArrowButton(p, rectOf(lineDown), Arrow::LineDown, false);
    p.restore();
}

QImage paintDoorTile(QSize size, const QString& caption, bool lit)
{
    const qreal lift = lit ? kLit : 1.0;
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(img.rect());
    QRadialGradient enamel(QPointF(all.width() * 0.45, all.height() * 0.38), all.width() * 0.75);
    enamel.setColorAt(0, shade(palette::lapis, lit ? 1.45 : 1.0));
    enamel.setColorAt(0.7, shade(palette::deepBlue, lit ? 1.2 : 1.0));
    enamel.setColorAt(1, palette::night);
    p.fillRect(all, enamel);
    paintStarLattice(p, all.adjusted(3, 3, -3, -3), 16, QColor(212, 170, 62, lit ? 46 : 28));
    if (lit) {
        QRadialGradient pool(all.center() - QPointF(0, 6), all.width() * 0.5);
        pool.setColorAt(0, QColor(255, 214, 120, 90));
        pool.setColorAt(1, QColor(255, 214, 120, 0));
        p.fillRect(all, pool);
    }
    const qreal ew = all.width() * 0.42;
    paintDoorEmblem(p, QRectF((all.width() - ew) / 2, 5, ew, all.height() * 0.55), lit);
    paintCaption(p, caption, QRectF(5, all.height() * 0.62, all.width() - 10, all.height() * 0.3),
                 14, lift);
    paintGoldFrame(p, all, 3, lift);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void paintDoorTileAt(QPainter& p, const layout::Box& box, const QString& caption)
{
    p.fillRect(rectOf(box).translated(3, 4), QColor(0, 0, 0, 100));
    p.drawImage(QPointF(box.x, box.y), paintDoorTile(QSize(box.w, box.h), caption, false));
}

void paintCaptionCartouche(QPainter& p, const QRectF& box, const QString& caption, qreal pixelSize)
{
    paintPlaque(p, box);
    paintCaption(p, caption, box.adjusted(box.height() / 2, 2, -box.height() / 2, -2), pixelSize);
}

void paintHeadingPlaque(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(box.translated(3, 4), QColor(0, 0, 0, 90));
    paintPlaque(p, box);
    // Rosettes at the ends hold the heading between them.
    const qreal r = box.height() * 0.32;
    paintRosette(p, QPointF(box.left() + box.height() * 0.55, box.center().y()), r);
    paintRosette(p, QPointF(box.right() - box.height() * 0.55, box.center().y()), r);
    p.restore();
}

void paintArchFrame(QPainter& p, const QRectF& box,
                    const std::function<void(QPainter&, const QRectF& inside)>& scene)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath outer = pointedArch(box);
    p.fillPath(outer.translated(3, 4), QColor(0, 0, 0, 110));
    p.setPen(QPen(palette::ink, 1));
    p.setBrush(goldGradient(box.topLeft(), box.bottomRight()));
    p.drawPath(outer);
    const QRectF inside = box.adjusted(8, 10, -8, -8);
    const QPainterPath window = pointedArch(inside);
    p.save();
    p.setClipPath(window);
    scene(p, inside);
    p.restore();
    p.setPen(QPen(palette::goldDark, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(window);
    p.restore();
}

void paintArchWindow(QPainter& p, const QRectF& box, int seed)
{
    paintArchFrame(p, box,
                   [seed](QPainter& p, const QRectF& inside) { paintNightCity(p, inside, seed); });
}

void paintOrnamentBand(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient strip(box.topLeft(), box.bottomLeft());
    strip.setColorAt(0, shade(palette::deepBlue, 0.8));
    strip.setColorAt(0.5, palette::lapis);
    strip.setColorAt(1, shade(palette::deepBlue, 0.8));
    p.fillRect(box, strip);
    for (qreal y : {box.top(), box.bottom() - 2}) {
        QLinearGradient edge(0, y, 0, y + 2);
        edge.setColorAt(0, palette::goldLight);
        edge.setColorAt(1, palette::goldDark);
        p.fillRect(QRectF(box.left(), y, box.width(), 2), edge);
    }
    const qreal r = box.height() * 0.34;
    const int n = std::max(1, static_cast<int>(box.width() / (box.height() * 1.6)));
    const qreal step = box.width() / n;
    for (int i = 0; i < n; ++i) {
        const QPointF c(box.left() + step * (i + 0.5), box.center().y());
        if (i % 2)
            paintRosette(p, c, r);
        else {
            p.setPen(QPen(palette::goldDark, 0.8));
            p.setBrush(goldGradient(c - QPointF(r, r), c + QPointF(r, r)));
            p.drawPath(khatamPath(c, r * 0.8));
        }
    }
    p.restore();
}

} // namespace ovta::art
