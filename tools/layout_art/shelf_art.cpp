#include "shelf_art.h"

#include "art_writer.h"
#include "reading_art.h"
#include "theme.h"

#include "books/shelf_layout.h"

#include <QPainter>
#include <QPainterPath>

namespace ovta::art {

namespace {

const QString kClose = QStringLiteral("إغلاق");
const QString kHeading = QStringLiteral("خزانة كتب الفقه");
constexpr qreal kLit = 1.4;

// The book each spine opens, by CurrentItem: its school gives the leather,
// its kind the word on the spine.
struct SpineLook {
    QColor leather;
    const char* kind;
};

const QColor kHanafi(122, 26, 30);
const QColor kMaliki(22, 84, 52);
const QColor kShafii(30, 52, 112);

SpineLook lookOf(int item)
{
    static const SpineLook looks[12] = {
        {kHanafi, "المتون"},  {kHanafi, "الشروح"},    {kHanafi, "الفتاوى"}, {kHanafi, "الحواشي"},
        {kMaliki, "المتون"},  {kMaliki, "الشروح"},    {kMaliki, "الفتاوى"}, {kMaliki, "النوازل"},
        {kMaliki, "الحواشي"}, {kShafii, "المختصرات"}, {kShafii, "الحواشي"}, {kShafii, "الفتاوى"},
    };
    return looks[item >= 0 && item < 12 ? item : 0];
}

void paintSpine(QPainter& p, const layout::ShelfSpine& spine, bool lit)
{
    const SpineLook look = lookOf(spine.tag);
    const qreal lift = lit ? kLit : 1.0;
    // Books stand a little apart in height, as real ones do.
    const qreal sink = (spine.tag * 7) % 17;
    const QRectF box(spine.place.x + 1, spine.place.y + sink, spine.place.w - 2,
                     spine.place.h - sink);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Rounded leather, lit from the left.
    QLinearGradient leather(box.topLeft(), box.topRight());
    leather.setColorAt(0, shade(look.leather, 0.55 * lift));
    leather.setColorAt(0.3, shade(look.leather, 1.25 * lift));
    leather.setColorAt(0.7, shade(look.leather, 1.0 * lift));
    leather.setColorAt(1, shade(look.leather, 0.45 * lift));
    QPainterPath body;
    body.addRoundedRect(box, 3, 3);
    p.fillPath(body, leather);
    // Gold bands near the head and the foot.
    for (qreal y : {box.top() + 14, box.top() + 22, box.bottom() - 26, box.bottom() - 18})
        p.fillRect(QRectF(box.left() + 2, y, box.width() - 4, 3),
                   goldGradient(QPointF(box.left(), y), QPointF(box.left(), y + 3), lift));
    // A medallion and the kind of book, set along the spine.
    paintRosette(p, QPointF(box.center().x(), box.top() + 44), box.width() * 0.3, lift);
    const qreal along = box.height() - 110;
    p.translate(box.center().x(), box.top() + 64 + along / 2);
    p.rotate(-90);
    const QRectF band(-along / 2, -box.width() / 2 + 4, along, box.width() - 8);
    paintCaption(p, QString::fromUtf8(look.kind), band, std::min<qreal>(22, box.width() * 0.55),
                 lift);
    p.restore();
    if (lit) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette::goldGlow, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 3, 3);
        p.restore();
    }
}

void paintCabinet(QPainter& p, bool lit)
{
    const QRectF inside = rectOf(layout::kShelfLit);
    // The back of the cabinet: dark wood, lit from above.
    QLinearGradient back(inside.topLeft(), inside.bottomLeft());
    back.setColorAt(0, QColor(58, 34, 18));
    back.setColorAt(1, QColor(26, 14, 8));
    p.fillRect(inside, back);
    if (lit) {
        QRadialGradient pool(inside.center(), inside.width() * 0.6);
        pool.setColorAt(0, QColor(255, 214, 120, 60));
        pool.setColorAt(1, QColor(255, 214, 120, 0));
        p.fillRect(inside, pool);
    }
    for (const layout::ShelfSpine& spine : layout::kShelfSpines)
        paintSpine(p, spine, lit);
    // The board the books stand on.
    const QRectF board(inside.left(), layout::kSpineTop + layout::kSpineHeight, inside.width(),
                       inside.bottom() - (layout::kSpineTop + layout::kSpineHeight));
    p.fillRect(board, goldGradient(board.topLeft(), board.bottomLeft(), 0.8));
}

// The heading's plaque with a shadow of its own rounded shape.
void paintHeading(QPainter& p, const QRectF& box)
{
    const qreal r = box.height() / 2;
    QPainterPath shadow;
    shadow.addRoundedRect(box.translated(3, 4), r, r);
    p.fillPath(shadow, QColor(0, 0, 0, 90));
    paintPlaque(p, box);
    const qreal rosette = box.height() * 0.32;
    paintRosette(p, QPointF(box.left() + box.height() * 0.55, box.center().y()), rosette);
    paintRosette(p, QPointF(box.right() - box.height() * 0.55, box.center().y()), rosette);
    paintCaption(p, kHeading, box.adjusted(box.height(), 4, -box.height(), -4), 24);
}

} // namespace

QImage paintShelfScreen(bool lit)
{
    QImage img(640, 480, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintReadingGround(p);
    // The cabinet: a gold frame round the shelf, a cornice with the heading.
    const QRectF inside = rectOf(layout::kShelfLit);
    p.fillRect(inside.adjusted(-14, -14, 14, 14).translated(4, 6), QColor(0, 0, 0, 120));
    paintGoldFrame(p, inside.adjusted(-14, -14, 14, 14), 12);
    paintCabinet(p, lit);
    paintHeading(p, QRectF(170, 30, 300, 46));
    paintDoorTileAt(p, layout::kShelfClose, kClose);
    paintOrnamentBand(p, QRectF(150, 420, 340, 26));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void writeShelfResources(ArtWriter& out)
{
    const layout::Box& lit = layout::kShelfLit;
    const layout::Box& close = layout::kShelfClose;
    out.write(QStringLiteral("frm49/m1.png"), {640, 480}, [] { return paintShelfScreen(false); });
    out.write(QStringLiteral("frm49/Image1.png"), {lit.w, lit.h},
              [&lit] { return paintShelfScreen(true).copy(lit.x, lit.y, lit.w, lit.h); });
    out.write(QStringLiteral("frm49/m2.png"), {close.w, close.h}, [&close] {
        return paintDoorTile({close.w, close.h}, kClose, true);
    });
}

} // namespace ovta::art
