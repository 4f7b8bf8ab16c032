#include "menu_art.h"

#include "emblems.h"
#include "theme.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace ovta::art {

const std::array<MenuSection, 9>& menuSections()
{
    static const std::array<MenuSection, 9> sections{{
        {1, {64, 88}, QStringLiteral("الفقه")},
        {2, {64, 222}, QStringLiteral("التاريخ")},
        {3, {64, 357}, QStringLiteral("المعالم")},
        {4, {267, 88}, QStringLiteral("العقائد")},
        {5, {267, 222}, QStringLiteral("السيرة النبوية")},
        {6, {267, 357}, QStringLiteral("الأعلام")},
        {7, {477, 88}, QStringLiteral("القرآن الكريم")},
        {8, {477, 222}, QStringLiteral("أصول الفقه")},
        {9, {477, 357}, QStringLiteral("الفرق")},
    }};
    return sections;
}

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr qreal kBandBottom = 80; // the header band ends just above the first frames
constexpr qreal kLitLift = 1.32;

// A warm light pooled inside a highlight rectangle: an ellipse inscribed in
// it, fading out before the edges, so the swapped picture meets the plain
// background without a seam.
void paintPool(QPainter& p, const QRect& area)
{
    const QRectF r = QRectF(area).adjusted(1, 1, -1, -1);
    QRadialGradient g(QPointF(0, 0), 1.0);
    g.setColorAt(0.0, QColor(255, 206, 110, 90));
    g.setColorAt(0.55, QColor(255, 190, 90, 36));
    g.setColorAt(1.0, QColor(255, 190, 90, 0));
    p.save();
    p.setClipRect(r);
    p.translate(r.center());
    p.scale(r.width() / 2, r.height() / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();
}

void paintGround(QPainter& p)
{
    paintBlueGround(p, QRectF(0, 0, kWidth, kHeight), QPointF(330, 290), 470);
    paintStarLattice(p, QRectF(0, kBandBottom, kWidth, kHeight - kBandBottom), 44,
                     QColor(212, 170, 62, 26));
    // Vignette: the corners sink into the night.
    QRadialGradient v(QPointF(320, 280), 430);
    v.setColorAt(0.6, QColor(0, 0, 0, 0));
    v.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), v);
}

void paintHeaderBand(QPainter& p)
{
    const QRectF band(0, 0, kWidth, kBandBottom);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0.0, palette::night);
    g.setColorAt(1.0, shade(palette::deepBlue, 0.8));
    p.fillRect(band, g);
    paintStarLattice(p, band, 26, QColor(212, 170, 62, 18));

    // A gold rule with a row of small lozenges closes the band.
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, kBandBottom - 1, kWidth, 2), goldGradient({0, 0}, {kWidth, 0}));
    p.fillRect(QRectF(0, kBandBottom + 1, kWidth, 1), QColor(0, 0, 0, 160));
    p.setPen(QPen(palette::ink, 0.6));
    for (int x = 8; x < kWidth; x += 16) {
        const QPointF c(x, kBandBottom);
        p.setBrush(goldGradient(c - QPointF(3, 3), c + QPointF(3, 3), 1.1));
        p.drawPath(starPath(c, 4, 3.2, 1.3));
    }
}

void paintTitle(QPainter& p, bool lit)
{
    const qreal lift = lit ? kLitLift : 1.0;
    const QRectF r = QRectF(kMenuTitleRect).adjusted(6, 3, -6, -4);
    if (lit)
        paintPool(p, kMenuTitleRect);

    // The cartouche: a long shape with pointed, lobed ends.
    const qreal mid = r.center().y();
    const qreal tip = 18;
    QPainterPath shape;
    shape.moveTo(r.left(), mid);
    shape.cubicTo(r.left() + tip * 0.6, mid - 6, r.left() + tip * 0.4, r.top(), r.left() + tip,
                  r.top());
    shape.lineTo(r.right() - tip, r.top());
    shape.cubicTo(r.right() - tip * 0.4, r.top(), r.right() - tip * 0.6, mid - 6, r.right(), mid);
    shape.cubicTo(r.right() - tip * 0.6, mid + 6, r.right() - tip * 0.4, r.bottom(),
                  r.right() - tip, r.bottom());
    shape.lineTo(r.left() + tip, r.bottom());
    shape.cubicTo(r.left() + tip * 0.4, r.bottom(), r.left() + tip * 0.6, mid + 6, r.left(), mid);
    shape.closeSubpath();

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (lit) {
        p.save();
        p.setClipRect(QRectF(kMenuTitleRect).adjusted(1, 1, -1, -1));
        paintGlow(p, shape, QColor(255, 200, 90, 140), 5);
        p.restore();
    }
    p.setPen(QPen(QColor(0, 0, 0, 180), 1.0));
    p.setBrush(goldGradient(r.topLeft(), r.bottomLeft(), lift));
    p.drawPath(shape);
    QTransform in;
    in.translate(r.center().x(), mid);
    in.scale((r.width() - 6) / r.width(), (r.height() - 6) / r.height());
    in.translate(-r.center().x(), -mid);
    QLinearGradient enamel(r.topLeft(), r.bottomLeft());
    enamel.setColorAt(0.0, shade(palette::lapis, lift * 0.95));
    enamel.setColorAt(0.6, shade(palette::deepBlue, lift));
    enamel.setColorAt(1.0, shade(palette::night, lift));
    p.setPen(QPen(shade(palette::goldDark, lift), 1.0));
    p.setBrush(enamel);
    p.drawPath(in.map(shape));
    p.restore();

    // Small rosettes sit in the lobed ends; the program's name, small, under
    // the left one, where the Arabic lines end.
    paintRosette(p, QPointF(r.left() + 25, mid - 6), 8.5, lift);
    paintRosette(p, QPointF(r.right() - 25, mid - 6), 8.5, lift);
    paintCaption(p, QStringLiteral("الموسوعة الإسلامية"),
                 QRectF(r.left() + 42, r.top() + 3, r.width() - 84, 40), 31, lift);
    paintCaption(p, QStringLiteral("دليلك الميسّر إلى علوم الدين والتاريخ"),
                 QRectF(r.left() + 42, r.top() + 45, r.width() - 84, 20), 14, lift);

    QFont latin(QStringLiteral("DejaVu Sans"));
    latin.setPixelSize(8);
    latin.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    latin.setBold(true);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(latin);
    p.setPen(shade(palette::goldLight, lift * 0.85));
    p.drawText(QRectF(r.left() + 9, mid + 5, 32, 10), Qt::AlignCenter, QStringLiteral("ovta"));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(palette::goldLight, lift * 0.85));
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(QPointF(r.right() - 25 + 6 * i, mid + 10), 1.2, 1.2);
    p.restore();
}

void paintAbout(QPainter& p, bool lit)
{
    const qreal lift = lit ? kLitLift : 1.0;
    const QPointF c(560.5, 30);
    if (lit) {
        paintPool(p, kMenuAboutRect);
        QPainterPath halo;
        halo.addEllipse(c, 25, 25);
        p.save();
        p.setClipRect(QRectF(kMenuAboutRect).adjusted(1, 1, -1, -1));
        paintGlow(p, halo, QColor(255, 200, 90, 150), 5);
        p.restore();
    }
    paintRosette(p, c, 26, lift);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(shade(palette::goldDark, lift), 1.0));
    QRadialGradient disc(c - QPointF(4, 5), 18);
    disc.setColorAt(0, shade(palette::lapis, lift));
    disc.setColorAt(1, shade(palette::night, lift));
    p.setBrush(disc);
    p.drawEllipse(c, 17.5, 17.5);
    p.restore();
    paintCaption(p, QStringLiteral("حول"), QRectF(c.x() - 12, c.y() - 9, 24, 18), 14, lift);
    paintCaption(p, QStringLiteral("عن الموسوعة"), QRectF(505, 57, 111, 16), 14, lift);
}

void paintExit(QPainter& p, bool lit)
{
    const qreal lift = lit ? kLitLift : 1.0;
    const QRectF area(kMenuExitRect);
    const qreal cx = area.center().x();
    if (lit)
        paintPool(p, kMenuExitRect);
    p.save();
    p.setClipRect(area.adjusted(1, 1, -1, -1));
    paintDoorEmblem(p, QRectF(cx - 14, 8, 28, 35), lit);
    p.restore();
    paintCaption(p, QStringLiteral("خروج"), QRectF(area.left() + 4, 47, area.width() - 8, 17), 15,
                 lift);
}

void paintMusicWell(QPainter& p)
{
    const QPointF c = QRectF(kMenuMusicRect).center();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(c + QPointF(2, 3), 18);
    g.setColorAt(0.0, palette::night);
    g.setColorAt(0.8, shade(palette::deepBlue, 0.9));
    g.setColorAt(1.0, shade(palette::deepBlue, 0.9));
    p.setBrush(g);
    p.setPen(QPen(goldGradient(c - QPointF(18, 18), c + QPointF(18, 18)), 1.6));
    p.drawEllipse(c, 18, 18);
    p.restore();
}

void paintSectionPlace(QPainter& p, const MenuSection& s)
{
    const QRectF label(s.label, kMenuLabelSize);
    // A drop shadow under the frame lifts it off the lattice.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 34));
        p.drawRoundedRect(label.adjusted(-6 - i + 2, -6 - i + 3, 6 + i + 2, 6 + i + 3), 3 + i,
                          3 + i);
    }
    p.restore();
    p.fillRect(label.adjusted(-1, -1, 1, 1), palette::ink);
    p.fillRect(label, palette::night);
    paintGoldFrame(p, label.adjusted(-6, -6, 6, 6), 5);

    // The caption rides on a plaque that straddles the lower rail of the frame.
    const QFont font = arabicFont(17);
    const qreal textWidth = captionPath(s.caption, font, QRectF()).boundingRect().width();
    const qreal w = std::max<qreal>(76, textWidth + 34);
    const QRectF plaque(label.center().x() - w / 2, label.bottom() + 1, w, 21);
    paintPlaque(p, plaque);
    paintCaption(p, s.caption, plaque.adjusted(10, 1, -10, -1), 17);
}

// Small rosettes hold the columns apart at the height of each row.
void paintGridStuds(QPainter& p)
{
    for (qreal x : {231.0, 437.5}) {
        for (qreal y : {138.0, 272.0, 407.0})
            paintRosette(p, QPointF(x, y), 11);
    }
}

} // namespace

QImage paintMenuBackground(int lit)
{
    QImage img(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    paintGround(p);
    paintHeaderBand(p);
    paintGridStuds(p);
    for (const MenuSection& s : menuSections())
        paintSectionPlace(p, s);
    paintMusicWell(p);
    paintTitle(p, lit & LightTitle);
    paintAbout(p, lit & LightAbout);
    paintExit(p, lit & LightExit);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintMenuHighlight(MenuLight part)
{
    const QRect area = part == LightTitle   ? kMenuTitleRect
                       : part == LightAbout ? kMenuAboutRect
                                            : kMenuExitRect;
    return paintMenuBackground(part).copy(area);
}

QImage paintMusicIcon(bool on)
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // A beamed pair of eighth notes, left of centre to leave room for the waves.
    QPainterPath note;
    note.addEllipse(QPointF(6.8, 23.2), 3.9, 3.0);
    note.addEllipse(QPointF(15.8, 21.2), 3.9, 3.0);
    note.addRect(QRectF(9.2, 8.5, 2.3, 14.5));
    note.addRect(QRectF(18.2, 6.5, 2.3, 14.5));
    QPainterPath beam;
    beam.moveTo(9.2, 8.5);
    beam.lineTo(20.5, 6.5);
    beam.lineTo(20.5, 10.3);
    beam.lineTo(9.2, 12.3);
    beam.closeSubpath();
    note.addPath(beam);
    note = note.simplified();
    p.setPen(QPen(palette::ink, 1.0));
    p.setBrush(on ? QBrush(goldGradient({4, 4}, {24, 28}, 1.2)) : QBrush(QColor(150, 140, 120)));
    p.drawPath(note);

    if (on) {
        // Sound waves spreading to the right.
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i) {
            const qreal r = 6.5 + 4.2 * i;
            const QRectF arc(19 - r, 15 - r, 2 * r, 2 * r);
            p.setPen(QPen(palette::ink, 3.0, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(arc, -35 * 16, 70 * 16);
            p.setPen(QPen(palette::goldLight, 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(arc, -35 * 16, 70 * 16);
        }
    } else {
        p.setPen(QPen(palette::ink, 4.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(27, 27));
        p.setPen(QPen(QColor(220, 64, 52), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(27, 27));
    }
    p.end();
    return img;
}

} // namespace ovta::art
