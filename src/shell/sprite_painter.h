// Showing one tick of a sprite-strip animation: the one place where the
// slices of a strip picture are put on the display, for the main menu's
// section labels, the section homes' panoramas and the about screen's band.
//
// A tick keeps the slices it shows and the widget draws them straight from
// the strip when it paints: no picture of the whole target is kept and
// copied again at every tick.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <optional>
#include <vector>

#include "shell/sprite_strip.h"

class QPainter;

namespace ovta {

class SpriteCells {
public:
    // Steps `animation` one tick and keeps the slices it shows from `strip`.
    // A tick that shows nothing (an empty strip) keeps what was shown.
    // Returns whether the cells changed (the caller repaints the widget).
    bool tick(SpriteAnimation& animation, const QPixmap& strip);

    bool empty() const { return cells_.empty(); }

    // The area the cells cover, in the target's coordinates.
    const QRegion& area() const { return area_; }

    // Draws the cells, plain pixels over plain pixels, and fills the rest
    // of `target` with `ground`, as a canvas of that colour would show;
    // only within `dirty` when it is given (a paint event's region).
    void paint(QPainter& painter, const QRect& target, const QColor& ground,
               const QRegion& dirty = {}) const;

    // What the target shows, `size` big over `ground` (tests, grabs), drawn
    // into an image of `format`, `scale` device pixels to a pixel.
    QImage picture(const QSize& size, const QColor& ground,
                   QImage::Format format = QImage::Format_RGB32, int scale = 1) const;

private:
    // The strip as drawn: where the target is a premultiplied-alpha image
    // (a window's backing store) and the strip is opaque 32-bit pixels, the
    // same bytes seen as premultiplied pixels, so that each copy is a plain
    // row copy instead of a per-pixel conversion spread over worker threads.
    const QImage* sourceFor(const QPainter& painter) const;
    void paintWithin(QPainter& painter, const QRect& bounds, const QColor& ground,
                     const QImage* asTarget, int scale) const;
    // Draws `from` of the strip at `to`, enlarged `scale` times by hand and
    // then copied pixel for pixel: Qt would enlarge it while drawing, pixel
    // by pixel, spread over worker threads.
    static void drawEnlarged(QPainter& painter, const QImage& source, const QRect& from,
                             const QPoint& to, int scale);

    QPixmap strip_;
    QImage stripPixels_;   // shares the pixmap's bytes
    QImage stripAsTarget_; // a view of those bytes, or null
    // The copies that show the cells, neighbours joined into runs.
    std::vector<SpriteAnimation::Copy> cells_;
    QRegion area_;
    // The part of the last target painted that no cell covers.
    mutable std::optional<QRect> restOf_;
    mutable QRegion rest_;
};

}  // namespace ovta
