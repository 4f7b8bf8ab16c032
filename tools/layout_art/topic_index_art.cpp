#include "topic_index_art.h"

#include "art_writer.h"
#include "emblems.h"
#include "reading_art.h"
#include "theme.h"

#include <QPainter>
#include <QPainterPath>

namespace ovta::art {

namespace {

using layout::Box;

// The panel around a column of rows, ending just short of its arrows.
QRectF column(const Box& first, const Box& last, qreal margin, int arrowsLeft)
{
    const qreal left = first.x - margin;
    return QRectF(left, first.y - margin, arrowsLeft - 2 - left,
                  last.bottom() - first.y + 2 * margin);
}

// The icons, by resource number: what each kind of entry is.
void paintIconShape(QPainter& p, int bitmap)
{
    const QColor navy(20, 36, 96);
    const QColor gold = palette::gold;
    p.setPen(QPen(navy, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (bitmap) {
    case 1: { // a domed mosque
        p.setBrush(gold);
        QPainterPath dome;
        dome.moveTo(5, 14);
        dome.cubicTo(5, 5, 19, 5, 19, 14);
        dome.closeSubpath();
        p.drawPath(dome);
        p.drawRect(QRectF(4, 14, 16, 7));
        p.drawRect(QRectF(20.5, 6, 2, 15));
        p.setBrush(navy);
        p.drawRect(QRectF(10.5, 16, 3, 5));
        break;
    }
    case 2: { // mountains
        QPainterPath hills;
        hills.moveTo(1, 21);
        hills.lineTo(8, 8);
        hills.lineTo(12, 14);
        hills.lineTo(16, 5);
        hills.lineTo(23, 21);
        hills.closeSubpath();
        p.setBrush(QColor(150, 110, 60));
        p.drawPath(hills);
        QPainterPath snow;
        snow.moveTo(14, 9);
        snow.lineTo(16, 5);
        snow.lineTo(18, 9.5);
        p.setBrush(Qt::white);
        p.drawPath(snow);
        break;
    }
    case 3: { // a map
        QPainterPath sheet;
        sheet.moveTo(2, 6);
        sheet.lineTo(8, 4);
        sheet.lineTo(16, 6);
        sheet.lineTo(22, 4);
        sheet.lineTo(22, 19);
        sheet.lineTo(16, 21);
        sheet.lineTo(8, 19);
        sheet.lineTo(2, 21);
        sheet.closeSubpath();
        p.setBrush(QColor(240, 226, 180));
        p.drawPath(sheet);
        p.drawLine(QPointF(8, 4), QPointF(8, 19));
        p.drawLine(QPointF(16, 6), QPointF(16, 21));
        p.setPen(QPen(QColor(180, 30, 30), 1.6));
        p.drawLine(QPointF(10, 10), QPointF(14, 14));
        p.drawLine(QPointF(14, 10), QPointF(10, 14));
        break;
    }
    case 4: { // a picture
        p.setBrush(QColor(240, 226, 180));
        p.drawRect(QRectF(2.5, 4.5, 19, 15));
        p.setBrush(QColor(70, 120, 200));
        p.drawRect(QRectF(5, 7, 14, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawEllipse(QPointF(15, 10), 2, 2);
        QPainterPath land;
        land.moveTo(5, 17);
        land.lineTo(10, 11);
        land.lineTo(14, 17);
        p.setBrush(QColor(40, 90, 40));
        p.drawPath(land);
        break;
    }
    case 5: { // a book
        p.setBrush(QColor(128, 20, 20));
        p.drawRect(QRectF(5, 3.5, 14, 17));
        p.setBrush(gold);
        p.drawRect(QRectF(7, 3.5, 2, 17));
        p.drawPath(khatamPath(QPointF(14, 12), 3.5));
        break;
    }
    case 6: { // a written page
        p.setBrush(QColor(250, 244, 222));
        QPainterPath page;
        page.moveTo(5, 2.5);
        page.lineTo(15, 2.5);
        page.lineTo(19, 6.5);
        page.lineTo(19, 21.5);
        page.lineTo(5, 21.5);
        page.closeSubpath();
        p.drawPath(page);
        for (int y = 8; y <= 18; y += 3)
            p.drawLine(QPointF(8, y), QPointF(16, y));
        break;
    }
    case 7: { // a star of eight points
        p.setBrush(goldGradient(QPointF(0, 0), QPointF(24, 24)));
        p.drawPath(khatamPath(QPointF(12, 12), 10));
        break;
    }
    case 8: { // a water drop
        QPainterPath drop;
        drop.moveTo(12, 2);
        drop.cubicTo(18, 10, 20, 14, 12, 22);
        drop.cubicTo(4, 14, 6, 10, 12, 2);
        p.setBrush(QColor(60, 130, 210));
        p.drawPath(drop);
        p.setPen(QPen(Qt::white, 1.2));
        p.drawLine(QPointF(10, 12), QPointF(9, 16));
        break;
    }
    default: { // a fortified tower
        p.setBrush(QColor(190, 160, 110));
        QPainterPath tower;
        tower.moveTo(5, 22);
        tower.lineTo(5, 6);
        for (qreal x = 5; x < 19; x += 4.67) {
            tower.lineTo(x, 3);
            tower.lineTo(x + 2.3, 3);
            tower.lineTo(x + 2.3, 6);
            tower.lineTo(x + 4.67, 6);
        }
        tower.lineTo(19, 22);
        tower.closeSubpath();
        p.drawPath(tower);
        p.setBrush(navy);
        QPainterPath gate;
        gate.moveTo(10, 22);
        gate.lineTo(10, 16);
        gate.cubicTo(10, 13, 14, 13, 14, 16);
        gate.lineTo(14, 22);
        p.drawPath(gate);
        break;
    }
    }
}

} // namespace

QImage paintIndexIcon(int bitmap)
{
    const int s = kIndexIconSize;
    QImage shape(s, s, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    {
        QPainter p(&shape);
        p.setRenderHint(QPainter::Antialiasing);
        paintIconShape(p, bitmap);
    }
    // The list draws pure red as its own background: wholly clear pixels
    // become red, the soft edges are mixed with the list's cream.
    const QColor cream(252, 246, 226);
    QImage out(s, s, QImage::Format_RGB32);
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x) {
            const QColor c = QColor::fromRgba(shape.pixel(x, y));
            const int a = c.alpha();
            if (a == 0) {
                out.setPixel(x, y, qRgb(255, 0, 0));
                continue;
            }
            const QColor solid = QColor::fromRgba(qUnpremultiply(shape.pixel(x, y)));
            auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a)) / 255; };
            QRgb px = qRgb(mix(solid.red(), cream.red()), mix(solid.green(), cream.green()),
                           mix(solid.blue(), cream.blue()));
            if (px == qRgb(255, 0, 0))
                px = qRgb(254, 0, 0);
            out.setPixel(x, y, px);
        }
    return out;
}

QImage paintTopicIndexBackground()
{
    const layout::TopicIndexLayout& L = layout::kFrm04;
    QImage img(640, 480, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintReadingGround(p);
    // Level 1, at the right: the chapters.
    paintCaptionCartouche(p, QRectF(L.level1Row.x - 6, 8, L.level1Row.w + 12, 32),
                          QStringLiteral("الأبواب"), 20);
    paintEnamelPanel(p, column(L.level1(0), L.level1(6), 7, L.lineUp1.x), QColor(16, 36, 92));
    paintRowRules(p, L.level1Row, 33, 7, QColor(212, 170, 62, 60));
    paintArrowColumn(p, L.lineUp1, L.pageUp1, L.pageDown1, L.lineDown1);
    // Level 2, in the middle: the sections of a chapter.
    paintCaptionCartouche(p, QRectF(L.level2Row.x - 6, 66, L.level2Row.w + 30, 32),
                          QStringLiteral("الفصول"), 20);
    paintEnamelPanel(p, column(L.level2(0), L.level2(6), 7, L.lineUp2.x), QColor(16, 36, 92));
    paintRowRules(p, L.level2Row, L.level2Step, 7, QColor(212, 170, 62, 60));
    paintArrowColumn(p, L.lineUp2, L.pageUp2, L.pageDown2, L.lineDown2);
    // The titles, at the left, in a list the screen draws itself.
    const QRectF titles = rectOf(L.titles);
    paintCaptionCartouche(p, QRectF(titles.left() + 30, titles.top() - 42, titles.width() - 60, 32),
                          QStringLiteral("المواضيع"), 20);
    p.fillRect(titles.adjusted(-5, -5, 5, 5).translated(3, 4), QColor(0, 0, 0, 100));
    paintGoldFrame(p, titles.adjusted(-5, -5, 5, 5), 5);
    paintCaptionCartouche(p, QRectF(130, 20, 240, 40), QStringLiteral("فهرس المعالم"), 24);
    paintOrnamentBand(p, QRectF(15, 372, 610, 26));
    // How the three columns lead to a text, said once on the screen.
    paintCaption(p, QStringLiteral("اختر بابا ثم فصلا، ثم انقر مرتين على الموضوع لقراءته"),
                 QRectF(30, 412, 580, 40), 19);
    paintDoorTileAt(p, L.back, QStringLiteral("رجوع"));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void writeTopicIndexResources(ArtWriter& out)
{
    const layout::TopicIndexLayout& L = layout::kFrm04;
    out.write(QStringLiteral("frm04/m1.png"), {640, 480}, paintTopicIndexBackground);
    out.write(QStringLiteral("frm04/m2.png"), {L.back.w, L.back.h}, [&L] {
        return paintDoorTile({L.back.w, L.back.h}, QStringLiteral("رجوع"), true);
    });
    const struct {
        const char* name;
        const Box& box;
        Arrow arrow;
    } pressed[] = {{"Image1", L.lineUp1, Arrow::LineUp},
                   {"Image4", L.lineDown1, Arrow::LineDown},
                   {"Image2", L.lineUp2, Arrow::LineUp},
                   {"Image3", L.lineDown2, Arrow::LineDown}};
    for (const auto& e : pressed) {
        const QSize size(e.box.w, e.box.h);
        const Arrow arrow = e.arrow;
        out.write(QStringLiteral("frm04/%1.png").arg(QLatin1String(e.name)), size,
                  [size, arrow] { return paintPressedArrow(size, arrow); });
    }
    for (int n = 1; n <= 9; ++n)
        out.write(QStringLiteral("icons/BITMAP_%1.png").arg(n), {kIndexIconSize, kIndexIconSize},
                  [n] { return paintIndexIcon(n); });
}

} // namespace ovta::art
