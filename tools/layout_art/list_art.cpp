#include "list_art.h"

#include "art_writer.h"
#include "hot_spot_art.h"
#include "reading_art.h"
#include "theme.h"

#include <QPainter>
#include <QPainterPath>

#include <cstring>

#include "lists/list_layout.h"

namespace ovta::art {

namespace {

using layout::Box;

const QString kClose = QStringLiteral("خروج");

// The categories by Tag 1..7.
const QString kCategories[7] = {
    QStringLiteral("التوحيد"), QStringLiteral("الملائكة"),    QStringLiteral("الكتب"),
    QStringLiteral("الرسل"),   QStringLiteral("اليوم الآخر"), QStringLiteral("القدر"),
    QStringLiteral("الإيمان"),
};

QImage canvas()
{
    QImage img(640, 480, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    return img;
}

QRectF grown(const Box& b, qreal by)
{
    return rectOf(b).adjusted(-by, -by, by, by);
}

void paintColumn(QPainter& p, const layout::ArrowColumn& c)
{
    paintArrowColumn(p, c.lineUp, c.pageUp, c.pageDown, c.lineDown);
}

// A plain tile behind the search button, so the layout's picture sits in
// a frame before the first hover swap.
void paintButtonWell(QPainter& p, const Box& b)
{
    p.fillRect(grown(b, 3).translated(2, 3), QColor(0, 0, 0, 90));
    paintGoldFrame(p, grown(b, 4), 3);
}

QImage twoPane(const layout::TwoPaneLayout& L, bool parchment, const QString& caption,
               const QRectF& captionBox)
{
    QImage img = canvas();
    QPainter p(&img);
    paintReadingGround(p);
    const QRectF rowsPanel(L.firstRow.x - 8, L.firstRow.y - 8, L.firstRow.w + 14,
                           L.lastRow.bottom() - L.firstRow.y + 16);
    const QRectF textPanel = grown(L.text, 6);
    if (parchment) {
        paintParchmentPanel(p, rowsPanel);
        paintParchmentPanel(p, textPanel);
    } else {
        paintEnamelPanel(p, rowsPanel, QColor(16, 36, 92));
        paintEnamelPanel(p, textPanel, QColor(16, 36, 92));
    }
    paintRowRules(p, L.firstRow, (L.lastRow.y - L.firstRow.y) / 8, 9,
                  parchment ? QColor(128, 0, 0, 45) : QColor(212, 170, 62, 70));
    paintColumn(p, L.listArrows);
    paintColumn(p, L.textArrows);
    if (L.heading.w > 0)
        paintHeadingPlaque(p, grown(L.heading, 4));
    paintButtonWell(p, L.search);
    paintDoorTileAt(p, L.close, kClose);
    if (!captionBox.isEmpty())
        paintCaptionCartouche(p, captionBox, caption, 22);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage frm05()
{
    const layout::TwoPaneLayout& L = layout::kFrm05;
    QImage img = twoPane(L, false, QString(), QRectF());
    QPainter p(&img);
    paintArchWindow(p, QRectF(236, 56, 180, 214), 5);
    paintOrnamentBand(p, QRectF(24, 62, 196, 28));
    paintOrnamentBand(p, QRectF(24, 142, 196, 28));
    p.end();
    return img;
}

void paintCategories(QPainter& p, const QPointF& origin, bool lit)
{
    for (int tag = 1; tag <= 7; ++tag) {
        const Box b = layout::frm34Category(tag);
        const QRectF r = QRectF(b.x, b.y, b.w, b.h).translated(-origin).adjusted(4, 5, -4, -5);
        QPainterPath tile;
        tile.addRoundedRect(r, 6, 6);
        p.setPen(QPen(lit ? palette::goldGlow : palette::goldDark, lit ? 1.8 : 1.2));
        QLinearGradient enamel(r.topLeft(), r.bottomLeft());
        enamel.setColorAt(0, lit ? QColor(60, 100, 190) : QColor(26, 58, 130));
        enamel.setColorAt(1, lit ? QColor(20, 50, 120) : QColor(8, 20, 60));
        p.setBrush(enamel);
        p.drawPath(tile);
        if (lit)
            paintGlow(p, tile, QColor(255, 214, 110, 120), 3);
        paintCaption(p, kCategories[tag - 1], r.adjusted(3, 4, -3, -4), 17, lit ? 1.4 : 1.0);
    }
}

QImage frm34()
{
    const layout::TwoPaneLayout& L = layout::kFrm34;
    QImage img = twoPane(L, true, QStringLiteral("مسائل العقيدة"), QRectF(236, 46, 150, 44));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = rectOf(L.categories);
    paintEnamelPanel(p, panel.adjusted(-6, -6, 6, 6), QColor(10, 24, 64));
    paintCategories(p, QPointF(0, 0), false);
    p.end();
    return img;
}

QImage frm33()
{
    const layout::BlockListLayout& L = layout::kFrm33;
    QImage img = canvas();
    QPainter p(&img);
    paintReadingGround(p);
    paintParchmentPanel(p, grown(L.list, 6));
    paintParchmentPanel(p, grown(L.caption, 5));
    paintParchmentPanel(p, grown(L.text, 6));
    paintColumn(p, L.textArrows);
    paintHeadingPlaque(p, grown(L.heading, 3));
    paintDoorTileAt(p, L.close, kClose);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage frm47()
{
    const layout::EntryListLayout& L = layout::kFrm47;
    QImage img = canvas();
    QPainter p(&img);
    paintReadingGround(p);
    paintParchmentPanel(p, grown(L.list, 6));
    paintParchmentPanel(p, grown(L.lines, 6));
    paintArchWindow(p, QRectF(40, 30, 150, 180), 9);
    paintCaptionCartouche(p, QRectF(206, 60, 160, 44), QStringLiteral("مسائل الفقه"), 22);
    paintOrnamentBand(p, QRectF(206, 130, 160, 28));
    paintButtonWell(p, L.search);
    paintDoorTileAt(p, L.close, kClose);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage paintListBackground(const char* kind)
{
    if (std::strcmp(kind, "frm05") == 0)
        return frm05();
    if (std::strcmp(kind, "frm34") == 0)
        return frm34();
    if (std::strcmp(kind, "frm33") == 0)
        return frm33();
    return frm47();
}

QImage paintCategoryPanel(bool lit)
{
    const Box b = layout::kFrm34.categories;
    QImage img(b.w, b.h, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(10, 24, 64));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintCategories(p, QPointF(b.x, b.y), lit);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void writeListResources(ArtWriter& out)
{
    const QSize tile(kHotSpotSize, kHotSpotSize);
    const QSize arrow(18, 32);
    for (const char* kind : {"frm05", "frm34", "frm33", "frm47"}) {
        const QString dir = QString::fromLatin1(kind) + '/';
        out.write(dir + "m1.png", {640, 480}, [kind] { return paintListBackground(kind); });
    }
    // Lit close buttons.
    const struct {
        const char* path;
        Box box;
    } closes[] = {
        {"frm05/m6.png", layout::kFrm05.close},
        {"frm34/m6.png", layout::kFrm34.close},
        {"frm33/m2.png", layout::kFrm33.close},
        {"frm47/m2.png", layout::kFrm47.close},
    };
    for (const auto& c : closes)
        out.write(QString::fromLatin1(c.path), {c.box.w, c.box.h}, [c] {
            return paintDoorTile({c.box.w, c.box.h}, kClose, true);
        });
    // Pressed line arrows: up then down.
    const struct {
        const char* up;
        const char* down;
    } pressed[] = {
        {"frm05/Image2.png", "frm05/Image3.png"},   {"frm05/Image4.png", "frm05/Image5.png"},
        {"frm34/Image10.png", "frm34/Image11.png"}, {"frm34/Image12.png", "frm34/Image13.png"},
        {"frm33/Image1.png", "frm33/Image2.png"},
    };
    for (const auto& pr : pressed) {
        out.write(QString::fromLatin1(pr.up), arrow,
                  [arrow] { return paintPressedArrow(arrow, Arrow::LineUp); });
        out.write(QString::fromLatin1(pr.down), arrow,
                  [arrow] { return paintPressedArrow(arrow, Arrow::LineDown); });
    }
    // Search buttons as the layouts store them.
    for (const char* path : {"frm05/Image1.png", "frm34/Image9.png", "frm47/Image1.png"})
        out.write(QString::fromLatin1(path), tile, [] { return paintSearchHotSpot(false); });
    const Box panel = layout::kFrm34.categories;
    out.write(QStringLiteral("frm34/Image1.png"), {panel.w, panel.h},
              [] { return paintCategoryPanel(true); });
}

} // namespace ovta::art
