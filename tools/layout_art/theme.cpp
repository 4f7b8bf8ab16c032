#include "theme.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ovta::art {

QColor shade(const QColor& c, qreal factor)
{
    auto channel = [factor](int v) { return std::clamp(qRound(v * factor), 0, 255); };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()), c.alpha());
}

QLinearGradient goldGradient(QPointF a, QPointF b, qreal lift)
{
    QLinearGradient g(a, b);
    g.setColorAt(0.00, shade(palette::goldLight, lift));
    g.setColorAt(0.22, shade(palette::gold, lift));
    g.setColorAt(0.48, shade(palette::goldDark, lift * 1.15));
    g.setColorAt(0.62, shade(palette::gold, lift));
    g.setColorAt(0.82, shade(palette::goldLight, lift));
    g.setColorAt(1.00, shade(palette::gold, lift * 0.9));
    return g;
}

void paintBlueGround(QPainter& p, const QRectF& area, QPointF focus, qreal radius)
{
    QRadialGradient g(focus, radius);
    g.setColorAt(0.0, palette::lapis);
    g.setColorAt(0.55, palette::deepBlue);
    g.setColorAt(1.0, palette::night);
    p.fillRect(area, g);
}

QPainterPath starPath(QPointF centre, int points, qreal outer, qreal inner, qreal turnDegrees)
{
    QPainterPath path;
    const qreal step = M_PI / points;
    const qreal turn = qDegreesToRadians(turnDegrees) - M_PI / 2;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const QPointF q =
            centre + QPointF(r * std::cos(turn + i * step), r * std::sin(turn + i * step));
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

QPainterPath khatamPath(QPointF centre, qreal radius, qreal turnDegrees)
{
    // Two squares of circumradius r overlap in an octagram whose notches lie at
    // r cos 45 / cos 22.5.
    return starPath(centre, 8, radius, radius * 0.76537, turnDegrees);
}

void paintStarLattice(QPainter& p, const QRectF& area, qreal cell, const QColor& line)
{
    p.save();
    p.setClipRect(area);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 1.0));
    const int i0 = static_cast<int>(std::floor(area.left() / cell)) - 1;
    const int i1 = static_cast<int>(std::ceil(area.right() / cell)) + 1;
    const int j0 = static_cast<int>(std::floor(area.top() / cell)) - 1;
    const int j1 = static_cast<int>(std::ceil(area.bottom() / cell)) + 1;
    // Large stars on the grid points touch tip to tip along the axes; small
    // stars in the cell centres meet their diagonal tips.
    const qreal big = cell / 2;
    const qreal small = cell * (M_SQRT2 / 2) - big;
    for (int i = i0; i <= i1; ++i) {
        for (int j = j0; j <= j1; ++j) {
            const QPointF c(i * cell, j * cell);
            p.drawPath(khatamPath(c, big));
            p.drawEllipse(c, big * 0.32, big * 0.32);
            p.drawPath(khatamPath(c + QPointF(cell / 2, cell / 2), small, 22.5));
        }
    }
    p.restore();
}

void paintRosette(QPainter& p, QPointF centre, qreal radius, qreal lift)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const QPen rim(shade(palette::ink, 1.0), std::max<qreal>(0.8, radius / 40));
    // Sixteen petals around the ring.
    QPainterPath petals;
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8;
        const QPointF tip = centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.80;
        petals.addEllipse(tip, radius * 0.17, radius * 0.17);
    }
    p.setPen(rim);
    p.setBrush(goldGradient(box.topLeft(), box.bottomRight(), lift));
    p.drawPath(petals.simplified());
    p.setBrush(QColor(palette::deepBlue));
    p.drawEllipse(centre, radius * 0.74, radius * 0.74);
    p.setBrush(goldGradient(box.topLeft(), box.bottomRight(), lift));
    p.drawPath(khatamPath(centre, radius * 0.66));
    p.setBrush(QColor(palette::deepBlue));
    p.drawPath(khatamPath(centre, radius * 0.42, 22.5));
    p.setBrush(goldGradient(box.topLeft(), box.bottomRight(), lift * 1.1));
    p.drawEllipse(centre, radius * 0.16, radius * 0.16);
    p.restore();
}

void paintGoldFrame(QPainter& p, const QRectF& outer, qreal width, qreal lift)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    QPainterPath band;
    band.setFillRule(Qt::OddEvenFill);
    band.addRect(outer);
    band.addRect(inner);
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(outer.topLeft(), outer.bottomRight(), lift));
    p.drawPath(band);

    // Bevel: light falls from the top left on the outer edge, the inner edge
    // is the opposite slope.
    const QColor hi = shade(palette::goldLight, lift * 1.1);
    const QColor lo = shade(palette::goldDark, lift * 0.8);
    const qreal h = 0.5;
    auto edge = [&](QPointF a, QPointF b, const QColor& c) {
        p.setPen(QPen(c, 1.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a, b);
    };
    const QRectF o = outer.adjusted(h, h, -h, -h);
    const QRectF i = inner.adjusted(-h, -h, h, h);
    edge(o.topLeft(), o.topRight(), hi);
    edge(o.topLeft(), o.bottomLeft(), hi);
    edge(o.bottomLeft(), o.bottomRight(), lo);
    edge(o.topRight(), o.bottomRight(), lo);
    edge(i.topLeft(), i.topRight(), lo);
    edge(i.topLeft(), i.bottomLeft(), lo);
    edge(i.bottomLeft(), i.bottomRight(), hi);
    edge(i.topRight(), i.bottomRight(), hi);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(outer.adjusted(-h, -h, h, h));

    // Studs on the corners.
    const qreal s = width * 0.95;
    for (QPointF c : {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()}) {
        const QPointF at = c + QPointF(c.x() < outer.center().x() ? width / 2 : -width / 2,
                                       c.y() < outer.center().y() ? width / 2 : -width / 2);
        p.setPen(QPen(palette::ink, 0.8));
        p.setBrush(goldGradient(at - QPointF(s, s), at + QPointF(s, s), lift * 1.15));
        p.drawPath(starPath(at, 4, s, s * 0.45, 45));
    }
    p.restore();
}

void paintPlaque(QPainter& p, const QRectF& box, qreal lift)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = box.height() / 2;
    QPainterPath outer;
    outer.addRoundedRect(box, r, r);
    p.setPen(QPen(QColor(0, 0, 0, 170), 1.0));
    p.setBrush(goldGradient(box.topLeft(), box.bottomLeft(), lift));
    p.drawPath(outer);
    const QRectF in = box.adjusted(2, 2, -2, -2);
    QLinearGradient enamel(in.topLeft(), in.bottomLeft());
    enamel.setColorAt(0.0, shade(palette::lapis, lift));
    enamel.setColorAt(0.5, shade(palette::deepBlue, lift));
    enamel.setColorAt(1.0, shade(palette::night, lift));
    QPainterPath inner;
    inner.addRoundedRect(in, in.height() / 2, in.height() / 2);
    p.setPen(QPen(shade(palette::goldDark, lift), 0.8));
    p.setBrush(enamel);
    p.drawPath(inner);
    p.restore();
}

void paintGlow(QPainter& p, const QPainterPath& shape, const QColor& colour, qreal reach)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const int passes = 6;
    for (int i = passes; i >= 1; --i) {
        QColor c = colour;
        c.setAlphaF(colour.alphaF() * 0.22);
        p.setPen(QPen(c, 2 * reach * i / passes, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
    }
    p.restore();
}

QFont arabicFont(qreal pixelSize, bool bold)
{
    QFont f(QStringLiteral("Amiri"));
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath captionPath(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    return path.translated(box.center() - ink.center());
}

void paintCaption(QPainter& p, const QString& text, const QRectF& box, qreal pixelSize, qreal lift)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = captionPath(text, arabicFont(pixelSize), box);
    const QRectF ink = path.boundingRect();
    // Lit captions get a faint, tight halo: a wide one would blur the letters.
    if (lift > 1.0)
        paintGlow(p, path, QColor(255, 210, 110, 70), std::min<qreal>(3.0, pixelSize * 0.12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 190));
    p.drawPath(path.translated(0.8, 1.2));
    p.setPen(QPen(QColor(palette::ink.red(), palette::ink.green(), palette::ink.blue(), 140),
                  std::max<qreal>(1.0, pixelSize / 14), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QLinearGradient fill(ink.topLeft(), ink.bottomLeft());
    fill.setColorAt(0.0, shade(palette::goldLight, lift * 1.05));
    fill.setColorAt(0.55, shade(palette::gold, lift * 1.08));
    fill.setColorAt(1.0, shade(palette::goldDark, lift * 1.35));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

namespace {

// One box pass along rows (horizontal) or columns, on premultiplied pixels.
void boxPass(QImage& img, int radius, bool horizontal)
{
    const int w = img.width(), h = img.height();
    const int lines = horizontal ? h : w, len = horizontal ? w : h;
    std::vector<QRgb> src(len);
    auto px = [&](int line, int i) -> QRgb& {
        return horizontal ? reinterpret_cast<QRgb*>(img.scanLine(line))[i]
                          : reinterpret_cast<QRgb*>(img.scanLine(i))[line];
    };
    const int span = 2 * radius + 1;
    for (int line = 0; line < lines; ++line) {
        for (int i = 0; i < len; ++i)
            src[i] = px(line, i);
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int i, int sign) {
            if (i < 0 || i >= len)
                return;
            sum[0] += sign * qAlpha(src[i]);
            sum[1] += sign * qRed(src[i]);
            sum[2] += sign * qGreen(src[i]);
            sum[3] += sign * qBlue(src[i]);
        };
        for (int i = -radius; i <= radius; ++i)
            add(i, 1);
        for (int i = 0; i < len; ++i) {
            px(line, i) = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
            add(i - radius, -1);
            add(i + radius + 1, 1);
        }
    }
}

} // namespace

QImage blurred(const QImage& image, int radius)
{
    QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius < 1)
        return img;
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(img, radius, true);
        boxPass(img, radius, false);
    }
    return img;
}

} // namespace ovta::art
