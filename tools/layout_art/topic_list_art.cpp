#include "topic_list_art.h"

#include "art_writer.h"
#include "hot_spot_art.h"
#include "reading_art.h"
#include "theme.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace ovta::art {

namespace {

using layout::Box;
using layout::TopicListLayout;

const QString kBack = QStringLiteral("رجوع");

// The letters of the index, Tag 1 to 28.
const QString kLetters = QStringLiteral("ابتثجحخدذرزسشصضطظعغفقكلمنهوي");

QImage canvas()
{
    QImage img(640, 480, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    return img;
}

// The panel around the rows, kept clear of the arrows at its right.
QRectF around(const TopicListLayout& L, int rows, qreal margin)
{
    const Box first = L.row(0);
    const Box last = L.row(rows - 1);
    const qreal right = std::min<qreal>(first.right() + margin, L.lineUp.x - 2);
    return QRectF(first.x - margin, first.y - margin, right - (first.x - margin),
                  last.bottom() - first.y + 2 * margin);
}

void paintArrows(QPainter& p, const TopicListLayout& L)
{
    paintArrowColumn(p, L.lineUp, L.pageUp, L.pageDown, L.lineDown);
}

QImage frm02()
{
    const TopicListLayout& L = layout::kFrm02;
    QImage img = canvas();
    QPainter p(&img);
    paintReadingGround(p);
    paintEnamelPanel(p, around(L, 9, 10).adjusted(-4, 0, 0, 0), QColor(16, 36, 92));
    paintRowRules(p, L.firstRow, L.rowStep, 9, QColor(212, 170, 62, 70));
    paintArrows(p, L);
    paintHeadingPlaque(p, rectOf(L.heading));
    paintArchWindow(p, QRectF(336, 94, 236, 292), 2);
    paintCaptionCartouche(p, QRectF(372, 400, 164, 38), QStringLiteral("معالم إسلامية"), 22);
    paintDoorTileAt(p, L.back, kBack);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void paintPageButton(QPainter& p, const Box& box, const QString& caption, bool up)
{
    const QRectF r = rectOf(box);
    p.fillRect(r.translated(2, 3), QColor(0, 0, 0, 90));
    paintPlaque(p, r);
    const QRectF arrow(r.left() + 8, r.top() + 7, 14, r.height() - 14);
    paintArrowButton(p, arrow.adjusted(-2, -2, 2, 2), up ? Arrow::PageUp : Arrow::PageDown, false);
    paintCaption(p, caption, r.adjusted(26, 3, -14, -3), 17);
}

void paintTrack(QPainter& p, const Box& track)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rectOf(track);
    QPainterPath slot;
    slot.addRoundedRect(r.adjusted(2, 0, -2, 0), 5, 5);
    p.setPen(QPen(palette::gold, 1.5));
    QLinearGradient well(r.topLeft(), r.topRight());
    well.setColorAt(0, palette::night);
    well.setColorAt(0.5, shade(palette::deepBlue, 0.9));
    well.setColorAt(1, palette::night);
    p.setBrush(well);
    p.drawPath(slot);
    p.setPen(QPen(QColor(212, 170, 62, 80), 1));
    for (int y = track.y + 20; y < track.bottom() - 10; y += 20)
        p.drawLine(QPointF(r.center().x() - 3, y), QPointF(r.center().x() + 3, y));
    p.restore();
}

QImage frm12()
{
    const TopicListLayout& L = layout::kFrm12;
    QImage img = canvas();
    QPainter p(&img);
    paintReadingGround(p);
    paintEnamelPanel(p, around(L, 9, 10).adjusted(-1, 0, -1, 0), QColor(10, 60, 34));
    paintRowRules(p, L.firstRow, L.rowStep, 9, QColor(212, 170, 62, 70));
    paintTrack(p, layout::kFrm12Track);
    paintArrowButton(p, rectOf(L.lineUp), Arrow::LineUp, false);
    paintArrowButton(p, rectOf(L.lineDown), Arrow::LineDown, false);
    // Under the letter board: what the third set, which has no index, shows.
    const QRectF board = rectOf(layout::kFrm12Board);
    paintEnamelPanel(p, board, QColor(16, 36, 92));
    paintRosette(p, board.center(), 52);
    paintPageButton(p, L.pageDown, QStringLiteral("صفحة للأسفل"), false);
    paintPageButton(p, L.pageUp, QStringLiteral("صفحة للأعلى"), true);
    paintCaptionCartouche(p, QRectF(356, 262, 200, 40), QStringLiteral("تراجم الأعلام"), 23);
    paintArchWindow(p, QRectF(386, 312, 140, 152), 12);
    paintDoorTileAt(p, L.back, kBack);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

// A reading room by lamplight: shelves of books behind an open book on
// its folding stand.
void paintStudyScene(QPainter& p, const QRectF& in)
{
    QLinearGradient wall(in.topLeft(), in.bottomLeft());
    wall.setColorAt(0, palette::night);
    wall.setColorAt(0.7, QColor(40, 30, 40));
    wall.setColorAt(1, QColor(70, 46, 30));
    p.fillRect(in, wall);
    // Shelves with the spines of books.
    const QColor spines[] = {QColor(120, 30, 30), QColor(30, 70, 120), QColor(40, 90, 50),
                             QColor(130, 90, 30), QColor(90, 40, 90)};
    int k = 0;
    for (qreal y = in.top() + in.height() * 0.3; y < in.top() + in.height() * 0.68; y += 42) {
        p.fillRect(QRectF(in.left(), y + 34, in.width(), 5), QColor(90, 60, 30));
        for (qreal x = in.left() + 4; x < in.right() - 8; x += 9 + (k % 3)) {
            const qreal h = 24 + (k * 7) % 9;
            p.fillRect(QRectF(x, y + 34 - h, 7 + (k % 2), h), spines[k % 5]);
            p.fillRect(QRectF(x, y + 34 - h + 4, 7 + (k % 2), 1.5), QColor(212, 170, 62, 160));
            ++k;
        }
    }
    // The lamp and its light.
    const QPointF lamp(in.center().x(), in.top() + in.height() * 0.2);
    QRadialGradient light(lamp, in.width() * 0.8);
    light.setColorAt(0, QColor(255, 214, 120, 120));
    light.setColorAt(1, QColor(255, 214, 120, 0));
    p.fillRect(in, light);
    p.setPen(QPen(palette::goldDark, 1.2));
    p.drawLine(QPointF(lamp.x(), in.top()), lamp - QPointF(0, 10));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(goldGradient(lamp - QPointF(12, 12), lamp + QPointF(12, 12)));
    QPainterPath body;
    body.moveTo(lamp + QPointF(-12, -6));
    body.lineTo(lamp + QPointF(12, -6));
    body.lineTo(lamp + QPointF(5, 10));
    body.lineTo(lamp + QPointF(-5, 10));
    body.closeSubpath();
    p.drawPath(body);
    paintGlow(p, body, QColor(255, 220, 140, 160), 8);
    // The stand: two crossed boards, the book open on top.
    const QPointF base(in.center().x(), in.bottom() - 10);
    const qreal w = in.width() * 0.34;
    p.setPen(QPen(QColor(60, 36, 18), 1));
    p.setBrush(QColor(120, 76, 36));
    QPainterPath legs;
    legs.moveTo(base + QPointF(-w, 0));
    legs.lineTo(base + QPointF(-w + 10, 0));
    legs.lineTo(base + QPointF(w * 0.8, -w * 0.9));
    legs.lineTo(base + QPointF(w * 0.8 - 10, -w * 0.9));
    legs.closeSubpath();
    legs.moveTo(base + QPointF(w, 0));
    legs.lineTo(base + QPointF(w - 10, 0));
    legs.lineTo(base + QPointF(-w * 0.8, -w * 0.9));
    legs.lineTo(base + QPointF(-w * 0.8 + 10, -w * 0.9));
    legs.closeSubpath();
    p.drawPath(legs);
    const QPointF spine = base + QPointF(0, -w * 0.95);
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(spine);
        page.cubicTo(spine + QPointF(side * w * 0.4, -14), spine + QPointF(side * w * 0.8, -10),
                     spine + QPointF(side * w * 1.05, -4));
        page.lineTo(spine + QPointF(side * w * 0.95, 26));
        page.cubicTo(spine + QPointF(side * w * 0.6, 20), spine + QPointF(side * w * 0.3, 22),
                     spine + QPointF(0, 30));
        page.closeSubpath();
        p.setPen(QPen(QColor(150, 120, 80), 1));
        p.setBrush(QColor(246, 236, 206));
        p.drawPath(page);
        p.setPen(QPen(QColor(80, 60, 60, 150), 1));
        for (int line = 0; line < 4; ++line) {
            const qreal y = spine.y() + 2 + line * 5;
            p.drawLine(QPointF(spine.x() + side * 8, y),
                       QPointF(spine.x() + side * w * 0.8, y - 3));
        }
    }
}

// A tree of gold branching again and again under a night sky: one stem,
// many branches.
void paintBranch(QPainter& p, QPointF from, qreal angle, qreal length, int depth)
{
    const QPointF to = from + QPointF(std::cos(angle), -std::sin(angle)) * length;
    p.setPen(QPen(goldGradient(from, to), std::max(1.0, depth * 1.6), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    if (depth == 0) {
        p.setPen(QPen(palette::goldDark, 0.6));
        p.setBrush(goldGradient(to - QPointF(5, 5), to + QPointF(5, 5), 1.25));
        p.drawPath(khatamPath(to, 4.5, depth * 10));
        return;
    }
    paintBranch(p, to, angle + 0.42, length * 0.74, depth - 1);
    paintBranch(p, to, angle - 0.38, length * 0.7, depth - 1);
}

void paintTreeScene(QPainter& p, const QRectF& in)
{
    QLinearGradient sky(in.topLeft(), in.bottomLeft());
    sky.setColorAt(0, palette::night);
    sky.setColorAt(1, shade(palette::deepBlue, 1.3));
    p.fillRect(in, sky);
    paintStarLattice(p, in, 30, QColor(212, 170, 62, 20));
    const QPointF root(in.center().x(), in.bottom() - 16);
    p.setRenderHint(QPainter::Antialiasing);
    paintBranch(p, root, M_PI / 2, in.height() * 0.24, 6);
    QPainterPath ground;
    ground.addEllipse(QPointF(root.x(), in.bottom()), in.width() * 0.45, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 14, 30));
    p.drawPath(ground);
}

QImage parchmentList(const TopicListLayout& L, const QString& caption, const QRectF& captionBox,
                     const QRectF& window,
                     const std::function<void(QPainter&, const QRectF&)>& scene)
{
    QImage img = canvas();
    QPainter p(&img);
    paintReadingGround(p);
    paintParchmentPanel(p, around(L, 9, 9).adjusted(0, 0, 0, 0));
    paintRowRules(p, L.firstRow, L.rowStep, 9, QColor(128, 0, 0, 45));
    paintArrows(p, L);
    paintCaptionCartouche(p, captionBox, caption, 24);
    paintArchFrame(p, window, scene);
    paintDoorTileAt(p, L.back, kBack);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage paintTopicListBackground(const char* kind)
{
    if (std::strcmp(kind, "frm02") == 0)
        return frm02();
    if (std::strcmp(kind, "frm12") == 0)
        return frm12();
    if (std::strcmp(kind, "frm45") == 0)
        return parchmentList(layout::kFrm45, QStringLiteral("أبواب الفقه"),
                             QRectF(364, 44, 184, 44), QRectF(50, 112, 262, 334), paintStudyScene);
    return parchmentList(layout::kFrm82, QStringLiteral("الفرق والمذاهب"), QRectF(398, 42, 176, 44),
                         QRectF(60, 112, 262, 334), paintTreeScene);
}

QImage paintLetterBoard(bool pressed)
{
    const Box b = layout::kFrm12Board;
    QImage img(b.w, b.h, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintEnamelPanel(p, QRectF(0, 0, b.w, b.h), QColor(10, 60, 34));
    for (int tag = 1; tag <= 28; ++tag) {
        const Box cell = layout::frm12Letter(tag);
        const QRectF r = QRectF(cell.x - b.x, cell.y - b.y, cell.w, cell.h).adjusted(4, 5, -4, -5);
        QPainterPath tile;
        tile.addRoundedRect(r, 5, 5);
        p.setPen(QPen(pressed ? palette::goldGlow : palette::goldDark, pressed ? 1.6 : 1));
        QLinearGradient enamel(r.topLeft(), r.bottomLeft());
        enamel.setColorAt(0, pressed ? QColor(20, 110, 64) : QColor(18, 84, 48));
        enamel.setColorAt(1, pressed ? QColor(8, 60, 34) : QColor(4, 34, 18));
        p.setBrush(enamel);
        p.drawPath(tile);
        if (pressed)
            paintGlow(p, tile, QColor(255, 214, 110, 110), 2.5);
        paintCaption(p, kLetters.mid(tag - 1, 1), r.adjusted(2, 1, -2, -3), 21,
                     pressed ? 1.35 : 1.0);
    }
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintThumb()
{
    QImage img(8, 10, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath lozenge;
    lozenge.moveTo(4, 0.5);
    lozenge.lineTo(7.5, 5);
    lozenge.lineTo(4, 9.5);
    lozenge.lineTo(0.5, 5);
    lozenge.closeSubpath();
    p.setPen(QPen(palette::ink, 0.6));
    p.setBrush(goldGradient(QPointF(0, 0), QPointF(8, 10), 1.2));
    p.drawPath(lozenge);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void writeTopicListResources(ArtWriter& out)
{
    struct Member {
        const char* kind;
        const TopicListLayout& layout;
        const char* up;
        const char* down;
        const char* search;
    };
    const Member members[] = {
        {"frm02", layout::kFrm02, "Image1", "Image2", "Image3"},
        {"frm12", layout::kFrm12, "Image4", "Image5", "Image6"},
        {"frm45", layout::kFrm45, "Image2", "Image3", "Image4"},
        {"frm82", layout::kFrm82, "Image2", "Image3", "Image1"},
    };
    for (const Member& m : members) {
        const QString dir = QString::fromLatin1(m.kind) + '/';
        const TopicListLayout& L = m.layout;
        out.write(dir + "m1.png", {640, 480}, [&m] { return paintTopicListBackground(m.kind); });
        out.write(dir + "m2.png", {L.back.w, L.back.h}, [&L] {
            return paintDoorTile({L.back.w, L.back.h}, kBack, true);
        });
        out.write(dir + m.up + ".png", {L.lineUp.w, L.lineUp.h}, [&L] {
            return paintPressedArrow({L.lineUp.w, L.lineUp.h}, Arrow::LineUp);
        });
        out.write(dir + m.down + ".png", {L.lineDown.w, L.lineDown.h}, [&L] {
            return paintPressedArrow({L.lineDown.w, L.lineDown.h}, Arrow::LineDown);
        });
        out.write(dir + m.search + ".png", {kHotSpotSize, kHotSpotSize},
                  [] { return paintSearchHotSpot(false); });
    }
    const QSize board(layout::kFrm12Board.w, layout::kFrm12Board.h);
    out.write(QStringLiteral("frm12/Image3.png"), board, [] { return paintLetterBoard(false); });
    out.write(QStringLiteral("frm12/Image1.png"), board, [] { return paintLetterBoard(true); });
    out.write(QStringLiteral("frm12/mm.png"), {8, 10}, paintThumb);
}

} // namespace ovta::art
