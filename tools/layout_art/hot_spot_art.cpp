#include "hot_spot_art.h"

#include "emblems.h"
#include "theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace ovta::art {

namespace {

QImage paintTile(const QString& caption, bool lit,
                 const std::function<void(QPainter&, const QRectF&)>& emblem)
{
    const qreal lift = lit ? 1.32 : 1.0;
    QImage img(kHotSpotSize, kHotSpotSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(img.rect());
    QRadialGradient enamel(QPointF(28, 24), 46);
    enamel.setColorAt(0, shade(palette::lapis, lit ? 1.45 : 1.0));
    enamel.setColorAt(0.7, shade(palette::deepBlue, lit ? 1.2 : 1.0));
    enamel.setColorAt(1, palette::night);
    p.fillRect(all, enamel);
    paintStarLattice(p, all.adjusted(3, 3, -3, -3), 16, QColor(212, 170, 62, lit ? 46 : 28));
    if (lit) {
        QRadialGradient pool(QPointF(32, 26), 30);
        pool.setColorAt(0, QColor(255, 214, 120, 90));
        pool.setColorAt(1, QColor(255, 214, 120, 0));
        p.fillRect(all, pool);
    }
    if (lit) {
        // A ring of light just inside the frame tells the hover at a glance.
        QPainterPath rim;
        rim.addRect(all.adjusted(5, 5, -5, -5));
        p.save();
        p.setClipRect(all.adjusted(3, 3, -3, -3));
        paintGlow(p, rim, QColor(255, 206, 110, 130), 3.0);
        p.restore();
    }
    emblem(p, QRectF(17, 7, 30, 34));
    paintCaption(p, caption, QRectF(6, 42, 52, 16), 15, lift);
    paintGoldFrame(p, all, 3, lift);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage paintExitHotSpot(bool lit)
{
    return paintTile(QStringLiteral("خروج"), lit,
                     [lit](QPainter& p, const QRectF& box) { paintDoorEmblem(p, box, lit); });
}

QImage paintSearchHotSpot(bool lit)
{
    return paintTile(QStringLiteral("بحث"), lit, [lit](QPainter& p, const QRectF& box) {
        paintSearchEmblem(p, box.adjusted(0, 1, 0, 1), lit);
    });
}

} // namespace ovta::art
