#include "question_art.h"

#include "art_writer.h"
#include "reading_art.h"
#include "theme.h"

#include "books/question_layout.h"

#include <QPainter>
#include <QPainterPath>

namespace ovta::art {

namespace {

const QString kClose = QStringLiteral("إغلاق");
const QString kSummary = QStringLiteral("الخلاصة");
// The answer categories are the three schools, by category 1, 2, 3.
const QString kSchools[3] = {QStringLiteral("الحنفية"), QStringLiteral("الشافعية"),
                             QStringLiteral("المالكية")};
constexpr qreal kLit = 1.45;

QSize sizeOf(const layout::Box& b)
{
    return {b.w, b.h};
}

// A category button drawn in place on the screen's ground; lit, it glows.
void paintCategoryButton(QPainter& p, const QRectF& box, int category, bool lit)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (lit) {
        QPainterPath halo;
        halo.addRoundedRect(box.adjusted(5, 5, -5, -5), 10, 10);
        paintGlow(p, halo, palette::goldGlow, 5);
    }
    paintPlaque(p, box.adjusted(2, 2, -2, -2), lit ? kLit : 1.0);
    paintCaption(p, kSchools[category - 1], box.adjusted(14, 4, -14, -4), 19, lit ? kLit : 1.0);
    p.restore();
}

// A small gold triangle on blue: the reference arrows.
QImage paintReferenceArrow(QSize size, bool up)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(img.rect());
    p.setPen(QPen(palette::goldDark, 1));
    p.setBrush(palette::lapis);
    p.drawRoundedRect(all.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    QPainterPath tri;
    const qreal w = all.width(), h = all.height();
    if (up) {
        tri.moveTo(w / 2, 3);
        tri.lineTo(w - 3, h - 4);
        tri.lineTo(3, h - 4);
    } else {
        tri.moveTo(3, 4);
        tri.lineTo(w - 3, 4);
        tri.lineTo(w / 2, h - 3);
    }
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(QPointF(0, 0), QPointF(w, h), 1.2));
    p.drawPath(tri);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

// A lit-up copy of the question-up arrow.
QImage paintUpArrowLit(QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::deepBlue);
    QPainter p(&img);
    paintArrowButton(p, QRectF(QPointF(0, 0), QSizeF(size)), Arrow::PageUp, true);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void framePanel(QPainter& p, const layout::Box& list)
{
    paintParchmentPanel(p, rectOf(list).adjusted(-7, -7, 7, 7));
}

} // namespace

// The whole screen with category `lit` (0 for none) lit up.
static QImage paintQuestionScreen(int lit)
{
    const layout::QuestionLayout& L = layout::kFrm42;
    QImage img(640, 480, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintReadingGround(p);
    framePanel(p, L.List1);
    framePanel(p, L.List2);
    framePanel(p, L.List3);
    for (int t = 1; t <= 3; ++t) {
        const layout::Box& b = L.category[static_cast<std::size_t>(t - 1)];
        paintCategoryButton(p, rectOf(b), t, t == lit);
    }
    paintArrowButton(p, rectOf(L.Label6), Arrow::PageUp, false);
    paintArrowButton(p, rectOf(L.Label7), Arrow::PageDown, false);
    // The rail the reference arrows sit on.
    p.fillRect(QRectF(L.m2.x - 2, L.m2.y - 2, L.m2.w + 4, L.m3.bottom() - L.m2.y + 4),
               QColor(0, 0, 0, 90));
    paintCaptionCartouche(p, rectOf(L.Label5), kSummary, 18);
    paintDoorTileAt(p, L.Label4, kClose);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintQuestionBackground()
{
    return paintQuestionScreen(0);
}

QImage paintSummaryBackground()
{
    const layout::SummaryLayout& L = layout::kFrm48;
    QImage img(640, 480, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A plain white page: a thin gold border and rules between the parts.
    p.setPen(QPen(palette::gold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 4, 632, 472));
    p.setPen(QPen(palette::goldDark, 1));
    p.drawLine(QPointF(24, L.List1.bottom() + 8), QPointF(616, L.List1.bottom() + 8));
    for (std::size_t i = 1; i < L.List.size(); ++i) {
        const qreal y = (L.List[i - 1].bottom() + L.List[i].y) / 2.0;
        p.drawLine(QPointF(40, y), QPointF(600, y));
    }
    p.drawImage(QPointF(L.l1.x, L.l1.y), paintDoorTile(sizeOf(L.l1), kClose, false));
    p.end();
    return img;
}

void writeQuestionResources(ArtWriter& out)
{
    const layout::QuestionLayout& L = layout::kFrm42;
    out.write(QStringLiteral("frm42/m1.png"), {640, 480}, paintQuestionBackground);
    for (int t = 1; t <= 3; ++t) {
        const layout::Box& b = L.category[static_cast<std::size_t>(t - 1)];
        out.write(
            QStringLiteral("frm42/%1.png")
                .arg(QLatin1String(layout::kCategoryHighlights[static_cast<std::size_t>(t - 1)])),
            sizeOf(b), [&b, t] { return paintQuestionScreen(t).copy(b.x, b.y, b.w, b.h); });
    }
    out.write(QStringLiteral("frm42/m2.png"), sizeOf(L.m2),
              [&L] { return paintReferenceArrow(sizeOf(L.m2), true); });
    out.write(QStringLiteral("frm42/m3.png"), sizeOf(L.m3),
              [&L] { return paintReferenceArrow(sizeOf(L.m3), false); });
    out.write(QStringLiteral("frm42/mup.png"), sizeOf(L.Label6),
              [&L] { return paintPressedArrow(sizeOf(L.Label6), Arrow::PageUp); });
    out.write(QStringLiteral("frm42/mdn.png"), sizeOf(L.Label7),
              [&L] { return paintPressedArrow(sizeOf(L.Label7), Arrow::PageDown); });
    out.write(QStringLiteral("frm42/m8.png"), sizeOf(L.Label4),
              [&L] { return paintDoorTile(sizeOf(L.Label4), kClose, true); });

    const layout::SummaryLayout& S = layout::kFrm48;
    out.write(QStringLiteral("frm48/m1.png"), {640, 480}, paintSummaryBackground);
    out.write(QStringLiteral("frm48/m2.png"), sizeOf(S.l1),
              [&S] { return paintDoorTile(sizeOf(S.l1), kClose, true); });
}

void writeQuestionContentPictures(ArtWriter& out)
{
    const layout::Box& up = layout::kFrm42.Label6;
    out.write(QStringLiteral("data1/ram052.bmp"), sizeOf(up),
              [&up] { return paintUpArrowLit(sizeOf(up)); });
}

} // namespace ovta::art
