#include "book_art.h"

#include "art_writer.h"
#include "reading_art.h"
#include "theme.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstring>

#include "books/book_layout.h"

namespace ovta::art {

namespace {

using layout::BookScreenLayout;
using layout::Box;

const QString kExit = QStringLiteral("خروج");
constexpr QSize kIconSize(14, 16);

QRectF grown(const Box& b, qreal by)
{
    return rectOf(b).adjusted(-by, -by, by, by);
}

// A gold side arrow pointing left (`left`) or right, filling `box`.
void paintSideArrow(QPainter& p, const QRectF& box, bool left)
{
    QPainterPath path;
    const qreal tip = left ? box.left() + 2 : box.right() - 2;
    const qreal back = left ? box.right() - 3 : box.left() + 3;
    path.moveTo(tip, box.center().y());
    path.lineTo(back, box.top() + 3);
    path.lineTo(back, box.bottom() - 3);
    path.closeSubpath();
    p.setPen(QPen(palette::ink, 1.2));
    p.setBrush(goldGradient(box.topLeft(), box.bottomRight(), 1.1));
    p.drawPath(path);
}

// The round button of previous or next article.
void paintStepButton(QPainter& p, const QRectF& box, bool previous, bool pressed)
{
    const QRectF disc = box.adjusted(3, 3, -3, -3);
    p.setPen(QPen(palette::goldDark, 2));
    p.setBrush(pressed ? palette::azure : palette::lapis);
    p.drawEllipse(disc);
    QPainterPath arrow;
    const QPointF c = disc.center();
    const qreal r = disc.width() * 0.28;
    // Upward for the previous article, downward for the next.
    const qreal dir = previous ? -1 : 1;
    arrow.moveTo(c.x(), c.y() + dir * r);
    arrow.lineTo(c.x() - r, c.y() - dir * r * 0.6);
    arrow.lineTo(c.x() + r, c.y() - dir * r * 0.6);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(pressed ? palette::goldGlow : palette::gold);
    p.drawPath(arrow);
}

QImage stepPicture(const Box& b, bool previous)
{
    QImage img(b.w, b.h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintStepButton(p, QRectF(0, 0, b.w, b.h), previous, true);
    return img;
}

void paintPane(QPainter& p, const char* kind, const BookScreenLayout& L)
{
    if (std::strcmp(kind, "frm43") == 0) {
        paintParchmentPanel(p, grown(layout::kQuestionList, 3));
        const QRectF down = rectOf(layout::kColumnOneDown);
        paintArrowButton(p, down, Arrow::LineDown, false);
        return;
    }
    paintArrowColumn(p, L.lineUp, L.pageUp, L.pageDown, L.lineDown);
    // The pane reaches past the text label's right edge, where its lines end.
    const qreal right = std::max<qreal>(L.lineUp.x - 2, L.text.right() + 7);
    if (std::strcmp(kind, "frm14") == 0 || std::strcmp(kind, "frm64") == 0) {
        const Box first = layout::articleRow(1);
        const Box last = layout::articleRow(6);
        const QRectF rows(first.x - 12, first.y - 6, right - (first.x - 12),
                          last.bottom() - first.y + 12);
        paintParchmentPanel(p, rows);
        paintRowRules(p, first, 31, 6, QColor(150, 110, 40, 90));
        paintArchWindow(p, QRectF(70, 276, 220, 192), std::strcmp(kind, "frm14") == 0 ? 14 : 64);
        return;
    }
    const QRectF text(L.text.x - 8, L.text.y - 8, right - (L.text.x - 8), L.text.h + 14);
    if (std::strcmp(kind, "frm63") == 0) {
        paintParchmentPanel(p, text.adjusted(0, -36, 0, 0));
        p.setPen(QPen(QColor(150, 110, 40, 160), 1));
        p.drawLine(QPointF(text.left() + 10, text.top() - 2),
                   QPointF(text.right() - 10, text.top() - 2));
        return;
    }
    paintParchmentPanel(p, text);
    if (std::strcmp(kind, "frm410") == 0) {
        paintStepButton(p, rectOf(layout::kPreviousArticle), true, false);
        paintStepButton(p, rectOf(layout::kNextArticle), false, false);
    }
}

} // namespace

QImage paintBookBackground(const char* kind)
{
    const BookScreenLayout& L = layout::bookScreenLayout(kind);
    QImage img(640, 480, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintReadingGround(p);
    // The book title stands on a plaque; the path caption on parchment.
    paintPlaque(p, grown(layout::kBookTitle, 2));
    paintParchmentPanel(p, QRectF(L.path.x - 6, L.path.y - 3, L.path.w + 10, L.path.h + 6));
    // The strip window in a gold frame, the side arrows beside it.
    paintGoldFrame(p, grown(layout::kStripWindow, 5), 5);
    paintSideArrow(p, rectOf(layout::kStripLeftArrow), true);
    paintSideArrow(p, rectOf(layout::kStripRightArrow), false);
    paintPane(p, kind, L);
    paintDoorTileAt(p, L.exit, kExit);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintTreeIcon(int icon)
{
    QImage img(kIconSize, QImage::Format_RGB32);
    // The strip's own colour, so the icon sits on it without a box.
    img.fill(QColor(248, 242, 214));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF book(1.5, 2.5, 11, 11);
    if (icon == 3) {
        // A single leaf: a small diamond.
        QPainterPath leaf;
        leaf.moveTo(7, 4);
        leaf.lineTo(11, 8);
        leaf.lineTo(7, 12);
        leaf.lineTo(3, 8);
        leaf.closeSubpath();
        p.setPen(QPen(palette::goldDark, 1));
        p.setBrush(palette::gold);
        p.drawPath(leaf);
        return img;
    }
    p.setPen(QPen(palette::deepBlue, 1));
    p.setBrush(icon == 2 ? palette::azure : palette::lapis);
    p.drawRoundedRect(book, 2, 2);
    p.setPen(QPen(palette::goldLight, 1.6));
    p.drawLine(QPointF(4.5, 8), QPointF(9.5, 8));
    if (icon == 1)
        p.drawLine(QPointF(7, 5.5), QPointF(7, 10.5));
    return img;
}

void writeBookResources(ArtWriter& out)
{
    for (const BookScreenLayout& look : layout::kBookScreens) {
        const QString dir = QString::fromLatin1(look.kind) + '/';
        const char* kind = look.kind;
        out.write(dir + "m1.png", {640, 480}, [kind] { return paintBookBackground(kind); });
        const QSize up(look.lineUp.w, look.lineUp.h);
        const QSize down(look.lineDown.w, look.lineDown.h);
        out.write(dir + "m4.png", up, [up] { return paintPressedArrow(up, Arrow::LineUp); });
        out.write(dir + "m5.png", down,
                  [down] { return paintPressedArrow(down, Arrow::LineDown); });
    }
    const Box exit = layout::kBookScreens[0].exitHover;
    out.write(QStringLiteral("books/m6.png"), {exit.w, exit.h}, [exit] {
        return paintDoorTile({exit.w, exit.h}, kExit, true);
    });
    const Box track = layout::columnTrack(1);
    out.write(QStringLiteral("books/mp.png"), {track.w, track.h}, [track] {
        QImage img(track.w, track.h, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(QRectF(3, 2, track.w - 6, track.h - 4), QColor(226, 214, 176));
        paintArrowButton(p, QRectF(0, 1, track.w, 30), Arrow::LineUp, false);
        paintArrowButton(p, QRectF(0, 103, track.w, 30), Arrow::LineDown, false);
        return img;
    });
    const QSize pressed(15, 27);
    out.write(QStringLiteral("books/Image1.png"), pressed,
              [pressed] { return paintPressedArrow(pressed, Arrow::LineUp); });
    out.write(QStringLiteral("books/Image2.png"), pressed,
              [pressed] { return paintPressedArrow(pressed, Arrow::LineDown); });
    const Box previous = layout::kPreviousArticle;
    const Box next = layout::kNextArticle;
    out.write(QStringLiteral("books/Image3.png"), {previous.w, previous.h},
              [previous] { return stepPicture(previous, true); });
    out.write(QStringLiteral("books/Image4.png"), {next.w, next.h},
              [next] { return stepPicture(next, false); });
}

void writeBookContentPictures(ArtWriter& out)
{
    for (int icon = 1; icon <= 3; ++icon)
        out.write(QStringLiteral("data1/1/%1.bmp").arg(icon), kIconSize,
                  [icon] { return paintTreeIcon(icon); });
}

} // namespace ovta::art
