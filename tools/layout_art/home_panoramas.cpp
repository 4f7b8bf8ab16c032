#include "home_panoramas.h"

#include "sprite_strip.h"
#include "strip_scenes.h"
#include "theme.h"

#include <QPainter>
#include <QRadialGradient>

#include <stdexcept>
#include <string>

namespace ovta::art {

namespace {

using Scene = void (*)(QPainter&);

Scene sceneOf(int tag)
{
    // In the order of the menu's section tags.
    static const Scene scenes[] = {
        scenes::jurisprudence, scenes::history,    scenes::landmarks,
        scenes::creeds,        scenes::biography,  scenes::figures,
        scenes::quran,         scenes::principles, scenes::sects,
    };
    if (tag < 1 || tag > 9)
        throw std::out_of_range("no home panorama for section tag " + std::to_string(tag));
    return scenes[tag - 1];
}

} // namespace

QImage paintHomePanorama(int tag)
{
    const Scene scene = sceneOf(tag);
    const int width = (kHomeStripSlices - 1) * kHomeStripSlice;
    QImage panorama(width, kHomeStripHeight, QImage::Format_ARGB32_Premultiplied);
    panorama.fill(palette::night);
    QPainter p(&panorama);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(width) / scenes::kWidth, qreal(kHomeStripHeight) / scenes::kHeight);
    // Three copies side by side, so whatever crosses an edge comes back in.
    for (int dx : {-scenes::kWidth, 0, scenes::kWidth}) {
        p.save();
        p.translate(dx, 0);
        scene(p);
        p.restore();
    }
    p.resetTransform();
    // A veil of night over the scene keeps the hot spots in front of it.
    p.fillRect(panorama.rect(), QColor(5, 12, 36, 120));
    p.end();
    return stripFromPanorama(panorama, kHomeStripSlice, kHomeStripSlices, kHomeStripWidth);
}

} // namespace ovta::art
