#include "reader_art.h"

#include "art_writer.h"
#include "reading_art.h"
#include "theme.h"

#include <QPainter>
#include <QPainterPath>

#include <cstring>

namespace ovta::art {

namespace {

const QString kClose = QStringLiteral("إغلاق");

struct ReaderLook {
    const char* kind;
    const char* caption; // the section, beside the chooser
    int seed;
};

constexpr ReaderLook kLooks[] = {
    {"frm03", "معالم إسلامية", 3},   {"frm13", "تراجم الأعلام", 13},
    {"frm46", "أبواب الفقه", 46},    {"frm65", "تفسير القرآن الكريم", 65},
    {"frm83", "الفرق والمذاهب", 83},
};

const ReaderLook& lookOf(const char* kind)
{
    for (const ReaderLook& l : kLooks)
        if (std::strcmp(l.kind, kind) == 0)
            return l;
    return kLooks[0];
}

} // namespace

QImage paintReaderBackground(const char* kind)
{
    const ReaderLook& look = lookOf(kind);
    const layout::ReaderLayout& L = layout::kReader;
    QImage img(640, 480, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintReadingGround(p);
    // The title plaque: parchment inside a gold rim, with the title centred.
    const QRectF title = rectOf(L.title).adjusted(-14, -6, 14, 6);
    p.fillRect(title.translated(3, 4), QColor(0, 0, 0, 90));
    paintParchmentPanel(p, title);
    paintRosette(p, QPointF(title.left() - 16, title.center().y()), 12);
    paintRosette(p, QPointF(title.right() + 16, title.center().y()), 12);
    // The page: chooser bar on top, the text below it.
    const qreal left = L.text.x - 16;
    const QRectF page(left, L.chooser.y - 12, L.lineUp.x - 3 - left,
                      L.text.bottom() - L.chooser.y + 28);
    paintParchmentPanel(p, page);
    const qreal rule = L.chooser.bottom() + 6.5;
    p.setPen(QPen(QColor(150, 110, 40, 160), 1));
    p.drawLine(QPointF(page.left() + 12, rule), QPointF(page.right() - 12, rule));
    // The section's name on the bar, right of the chooser.
    const QRectF bar(L.chooser.right() + 24, L.chooser.y - 2, page.right() - L.chooser.right() - 40,
                     L.chooser.h + 4);
    QPainterPath path = captionPath(QString::fromUtf8(look.caption), arabicFont(20), bar);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 86, 22));
    p.drawPath(path.translated(bar.right() - path.boundingRect().right() - 4, 0));
    paintArrowColumn(p, L.lineUp, L.pageUp, L.pageDown, L.lineDown);
    paintDoorTileAt(p, L.close, kClose);
    paintOrnamentBand(p, QRectF(150, 430, 340, 26));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void writeReaderResources(ArtWriter& out)
{
    const layout::ReaderLayout& L = layout::kReader;
    for (const ReaderLook& look : kLooks) {
        const QString dir = QString::fromLatin1(look.kind) + '/';
        const char* kind = look.kind;
        out.write(dir + "m1.png", {640, 480}, [kind] { return paintReaderBackground(kind); });
        out.write(dir + "m9.png", {L.close.w, L.close.h}, [&L] {
            return paintDoorTile({L.close.w, L.close.h}, kClose, true);
        });
        out.write(dir + "Image1.png", {L.lineUp.w, L.lineUp.h}, [&L] {
            return paintPressedArrow({L.lineUp.w, L.lineUp.h}, Arrow::LineUp);
        });
        out.write(dir + "Image2.png", {L.lineDown.w, L.lineDown.h}, [&L] {
            return paintPressedArrow({L.lineDown.w, L.lineDown.h}, Arrow::LineDown);
        });
    }
}

} // namespace ovta::art
