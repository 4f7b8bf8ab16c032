#include "search_dialog_art.h"

#include "theme.h"

#include <QPainter>
#include <QRadialGradient>

namespace ovta::art {

namespace {

// Places of the dialog's layout that the picture frames.
constexpr QRectF kBox{22, 20, 228, 37};          // around the input box
constexpr QRectF kFirstCaption{168, 64, 60, 25}; // beside rad1 (231, 68)
constexpr QRectF kNextCaption{58, 64, 44, 25};   // beside rad2 (104, 68)
constexpr QRectF kTitle{30, 3, 209, 18};

void paintButton(QPainter& p, const QRect& area, const QString& caption, bool pressed)
{
    const QRectF box = QRectF(area).adjusted(1, 1, -1, -1);
    if (!pressed) {
        // A soft shadow under the raised plaque.
        QPainterPath shadow;
        shadow.addRoundedRect(box.translated(1.2, 1.6), box.height() / 2, box.height() / 2);
        p.fillPath(shadow, QColor(0, 0, 0, 120));
    }
    const QRectF face = pressed ? box.translated(0.8, 1.0) : box;
    paintPlaque(p, face, pressed ? 0.82 : 1.08);
    if (pressed) {
        QPainterPath glow;
        glow.addRoundedRect(face.adjusted(4, 4, -4, -4), face.height() / 3, face.height() / 3);
        paintGlow(p, glow, QColor(255, 206, 110, 70), 3.0);
    }
    paintCaption(p, caption, face.adjusted(6, 2, -6, -2), 17, pressed ? 1.35 : 1.0);
}

} // namespace

QImage paintSearchDialog(SearchDialogPress pressed)
{
    QImage img(kSearchDialogSize, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(img.rect());
    paintBlueGround(p, all, QPointF(134, 60), 190);
    paintStarLattice(p, all.adjusted(4, 4, -4, -4), 22, QColor(212, 170, 62, 26));

    paintCaption(p, QStringLiteral("ابحث في العناوين"), kTitle, 13);

    // A gold rim around the input box, which draws its own white field.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(3, 7, 20, 200));
    p.drawRoundedRect(kBox.adjusted(-1, -1, 1, 1), 3, 3);
    paintGoldFrame(p, kBox.adjusted(-1, -1, 1, 1), 1.5);

    // Captions of the options: each reads from its button leftwards.
    paintCaption(p, QStringLiteral("من البداية"), kFirstCaption, 15);
    paintCaption(p, QStringLiteral("التالي"), kNextCaption, 15);
    for (const QPointF centre : {QPointF(238.5, 75.5), QPointF(111.5, 75)}) {
        QRadialGradient halo(centre, 11);
        halo.setColorAt(0, QColor(255, 214, 110, 80));
        halo.setColorAt(1, QColor(255, 214, 110, 0));
        p.setBrush(halo);
        p.drawEllipse(centre, 11, 11);
    }

    paintButton(p, kSearchButtonRect, QStringLiteral("بحث"), pressed == PressSearch);
    paintButton(p, kCloseButtonRect, QStringLiteral("إغلاق"), pressed == PressClose);

    paintGoldFrame(p, all, 3);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintSearchDialogPressed(SearchDialogPress button)
{
    const QRect area = button == PressSearch ? kSearchButtonRect : kCloseButtonRect;
    return paintSearchDialog(button).copy(area);
}

} // namespace ovta::art
