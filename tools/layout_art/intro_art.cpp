#include "intro_art.h"

#include "theme.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace ovta::art {

namespace {

const QString kTitle = QStringLiteral("الموسوعة الإسلامية");
const QString kSubtitle = QStringLiteral("دليلك الميسّر إلى علوم الدين والتاريخ");

// 0 before `from`, 1 after `to`, smooth in between.
qreal phase(qreal t, qreal from, qreal to)
{
    const qreal x = std::clamp((t - from) / (to - from), 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

// The first `fraction` of a closed polygon's outline.
QPainterPath partialOutline(const QPolygonF& poly, qreal fraction)
{
    qreal total = 0;
    for (int i = 0; i < poly.size(); ++i)
        total += QLineF(poly[i], poly[(i + 1) % poly.size()]).length();
    qreal left = total * fraction;
    QPainterPath path(poly.first());
    for (int i = 0; i < poly.size() && left > 0; ++i) {
        const QLineF edge(poly[i], poly[(i + 1) % poly.size()]);
        const qreal take = std::min(left, edge.length());
        path.lineTo(edge.pointAt(take / edge.length()));
        left -= take;
    }
    return path;
}

QPolygonF square(QPointF c, qreal r, qreal turnDegrees)
{
    QPolygonF poly;
    for (int i = 0; i < 4; ++i) {
        const qreal a = qDegreesToRadians(turnDegrees - 90 + i * 90.0);
        poly << c + QPointF(std::cos(a), std::sin(a)) * r;
    }
    return poly;
}

void paintStar(QPainter& p, QPointF c, qreal r, qreal t)
{
    const qreal spin = 30 * t;
    const qreal draw = phase(t, 0.0, 0.25);
    const qreal unfold = phase(t, 0.22, 0.45);
    const qreal fill = phase(t, 0.42, 0.62);
    const qreal petals = phase(t, 0.30, 0.55);

    if (fill > 0) {
        QRadialGradient halo(c, r * 2.2);
        halo.setColorAt(0, QColor(255, 210, 120, static_cast<int>(110 * fill)));
        halo.setColorAt(1, QColor(255, 210, 120, 0));
        p.fillRect(QRectF(c.x() - r * 2.2, c.y() - r * 2.2, r * 4.4, r * 4.4), halo);
    }
    if (petals > 0) {
        p.save();
        p.setOpacity(petals);
        for (int i = 0; i < 16; ++i) {
            const qreal a = qDegreesToRadians(spin + i * 22.5);
            const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * r * (0.7 + 0.42 * petals);
            p.setPen(QPen(palette::ink, 1.0));
            p.setBrush(goldGradient(at - QPointF(6, 6), at + QPointF(6, 6), 1.1));
            p.drawPath(khatamPath(at, r * 0.12, spin));
        }
        p.restore();
    }
    const QPolygonF first = square(c, r, spin + 45);
    const QPolygonF second = square(c, r, spin + 45 + 45 * unfold);
    if (fill > 0) {
        QPainterPath star;
        star.addPolygon(first);
        star.closeSubpath();
        QPainterPath other;
        other.addPolygon(second);
        other.closeSubpath();
        p.save();
        p.setOpacity(fill);
        p.setPen(Qt::NoPen);
        p.setBrush(goldGradient(c - QPointF(r, r), c + QPointF(r, r), 1.1));
        p.drawPath(star.united(other));
        p.restore();
        p.save();
        p.setOpacity(fill);
        paintRosette(p, c, r * 0.55, 1.05);
        p.restore();
        // A sheen passes over the finished star before the picture fades away.
        const qreal sheen = phase(t, 0.72, 0.9);
        if (sheen > 0 && sheen < 1) {
            const qreal x = c.x() - 2 * r + 4 * r * sheen;
            QLinearGradient band(QPointF(x - 24, c.y() - r), QPointF(x + 24, c.y() - r + 30));
            band.setColorAt(0, QColor(255, 255, 230, 0));
            band.setColorAt(0.5, QColor(255, 250, 210, 90));
            band.setColorAt(1, QColor(255, 255, 230, 0));
            p.save();
            p.setClipPath(star.united(other));
            p.setCompositionMode(QPainter::CompositionMode_Plus);
            p.fillRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), band);
            p.restore();
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(palette::goldLight, 1.1), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(partialOutline(first, draw));
    if (unfold > 0)
        p.drawPath(partialOutline(second, 1.0));
    // The tracing tip glints while the outline is being drawn.
    if (draw > 0 && draw < 1) {
        const QPointF tip = partialOutline(first, draw).currentPosition();
        QRadialGradient spark(tip, 10);
        spark.setColorAt(0, QColor(255, 250, 220, 255));
        spark.setColorAt(1, QColor(255, 220, 140, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(spark);
        p.drawEllipse(tip, 10, 10);
    }
}

} // namespace

QImage paintIntroStill()
{
    QImage img(640, 480, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient glow(QPointF(320, 240), 360);
    glow.setColorAt(0.0, shade(palette::deepBlue, 0.9));
    glow.setColorAt(0.7, shade(palette::night, 0.6));
    glow.setColorAt(1.0, Qt::black);
    p.fillRect(img.rect(), glow);
    paintStarLattice(p, QRectF(img.rect()), 48, QColor(212, 170, 62, 16));
    // The lattice dies away into the black towards the edges.
    QRadialGradient fade(QPointF(320, 240), 400);
    fade.setColorAt(0.45, QColor(0, 0, 0, 0));
    fade.setColorAt(1.0, QColor(0, 0, 0, 235));
    p.fillRect(img.rect(), fade);

    // Hairline double frame around the whole picture.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(goldGradient({0, 0}, {640, 480}, 0.8), 1.4));
    p.drawRect(QRectF(12.5, 12.5, 615, 455));
    p.setPen(QPen(goldGradient({0, 0}, {640, 480}, 0.6), 0.8));
    p.drawRect(QRectF(17.5, 17.5, 605, 445));
    for (QPointF c : {QPointF(15, 15), QPointF(625, 15), QPointF(15, 465), QPointF(625, 465)})
        paintRosette(p, c, 10);

    // Rosettes flank the video like a pair of lamps.
    for (qreal x : {86.0, 554.0}) {
        for (qreal y : {170.0, 310.0}) {
            QPainterPath halo;
            halo.addEllipse(QPointF(x, y), 30, 30);
            paintGlow(p, halo, QColor(255, 200, 100, 60), 8);
            paintRosette(p, QPointF(x, y), 32);
        }
        p.setPen(QPen(goldGradient({x, 120}, {x, 360}, 0.9), 1.6));
        p.drawLine(QPointF(x, 206), QPointF(x, 274));
        p.setPen(QPen(palette::ink, 0.8));
        p.setBrush(goldGradient({x - 6, 234}, {x + 6, 246}, 1.1));
        p.drawPath(khatamPath(QPointF(x, 240), 7));
    }

    // The dark well the video plays in, under a heavy gold frame.
    const QRectF video(kIntroVideoRect);
    p.fillRect(video.adjusted(-10, -10, 10, 10), QColor(0, 0, 0, 160));
    paintGoldFrame(p, video.adjusted(-9, -9, 9, 9), 7);
    p.fillRect(video.adjusted(-2, -2, 2, 2), Qt::black);
    p.fillRect(video, QColor(4, 8, 22));

    paintCaption(p, kTitle, QRectF(120, 30, 400, 70), 46);
    paintCaption(p, kSubtitle, QRectF(120, 376, 400, 34), 21);
    paintCaption(p, QStringLiteral("انقر أو اضغط مفتاح الإدخال للمتابعة"),
                 QRectF(160, 420, 320, 24), 14, 0.85);
    QFont latin(QStringLiteral("DejaVu Sans"));
    latin.setPixelSize(10);
    latin.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(latin);
    p.setPen(shade(palette::gold, 0.85));
    p.drawText(QRectF(560, 444, 56, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("ovta"));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintIntroFrame(int index)
{
    const qreal t = std::clamp(index / qreal(kIntroFrameCount - 1), 0.0, 1.0);
    QImage img(kIntroVideoRect.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(img.rect());

    p.setOpacity(0.35 + 0.65 * phase(t, 0.0, 0.3));
    paintBlueGround(p, all, QPointF(160, 100), 230);
    paintStarLattice(p, all, 32, QColor(212, 170, 62, 28));
    p.setOpacity(1.0);

    paintStar(p, QPointF(160, 96), 58, t);

    const qreal title = phase(t, 0.55, 0.75);
    if (title > 0) {
        p.setOpacity(title);
        paintCaption(p, kTitle, QRectF(20, 184 + 8 * (1 - title), 280, 40), 34, 1.05);
        p.setOpacity(1.0);
    }
    const qreal out = phase(t, 0.9, 1.0);
    if (out > 0)
        p.fillRect(all, QColor(0, 0, 0, static_cast<int>(255 * out)));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace ovta::art
