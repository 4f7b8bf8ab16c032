#include "sprite_strip.h"

#include <QPainter>

namespace ovta::art {

QImage paintWrapped(int width, int height, const std::function<void(QPainter&)>& scene)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int dx : {-width, 0, width}) {
        p.save();
        p.translate(dx, 0);
        scene(p);
        p.restore();
    }
    p.end();
    return img;
}

QImage stripFromPanorama(const QImage& panorama, int sliceWidth, int slices, int stripWidth)
{
    const int shown = (slices - 1) * sliceWidth;
    QImage strip(stripWidth, panorama.height(), QImage::Format_RGB32);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int x = 0; x < stripWidth; ++x) {
        // Strip column x shows panorama column x - w, wrapped into the panorama.
        const int from = ((x - sliceWidth) % shown + shown) % shown;
        p.drawImage(QPoint(x, 0), panorama, QRect(from, 0, 1, panorama.height()));
    }
    p.end();
    return strip;
}

QImage stripWindow(const QImage& strip, int sliceWidth, int slices, int cells, int firstSlice)
{
    QImage out(cells * sliceWidth, strip.height(), QImage::Format_RGB32);
    QPainter p(&out);
    for (int n = 0; n < cells; ++n) {
        const int slice = (firstSlice - 1 + n) % (slices - 1) + 1;
        p.drawImage(QPoint(n * sliceWidth, 0), strip,
                    QRect(slice * sliceWidth, 0, sliceWidth, strip.height()));
    }
    p.end();
    return out;
}

unsigned Dice::next()
{
    // xorshift32: tiny, portable and the same everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Dice::uniform(double lo, double hi)
{
    return lo + (hi - lo) * (next() % 100000) / 100000.0;
}

} // namespace ovta::art
