#include "shell/sprite_painter.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

namespace ovta {

namespace {

// Neighbouring cells mostly show neighbouring slices: such a run is one copy
// of the strip, not one per cell (a window shows at most two runs, split
// where the strip wraps).
std::vector<SpriteAnimation::Copy> joinedRuns(const std::vector<SpriteAnimation::Copy>& cells)
{
    std::vector<SpriteAnimation::Copy> runs;
    for (const auto& c : cells) {
        if (!runs.empty()) {
            auto& run = runs.back();
            const bool sameRow = c.srcY == run.srcY && c.dstY == run.dstY && c.height == run.height;
            if (sameRow && c.srcX + c.width == run.srcX && c.dstX + c.width == run.dstX) {
                run.srcX = c.srcX;
                run.dstX = c.dstX;
                run.width += c.width;
                continue;
            }
            if (sameRow && run.srcX + run.width == c.srcX && run.dstX + run.width == c.dstX) {
                run.width += c.width;
                continue;
            }
        }
        runs.push_back(c);
    }
    return runs;
}

}  // namespace

bool SpriteCells::tick(SpriteAnimation& animation, const QPixmap& strip)
{
    const auto cells = animation.tick(strip.width(), strip.height());
    if (cells.empty())
        return false;
    if (strip.cacheKey() != strip_.cacheKey()) {
        strip_ = strip;
        stripPixels_ = strip.toImage();
        stripAsTarget_ = QImage();
        if (stripPixels_.format() == QImage::Format_RGB32)
            stripAsTarget_ = QImage(stripPixels_.constBits(), stripPixels_.width(),
                                    stripPixels_.height(), stripPixels_.bytesPerLine(),
                                    QImage::Format_ARGB32_Premultiplied);
    }
    cells_ = joinedRuns(cells);
    QRegion area;
    for (const auto& c : cells_)
        area += QRect(c.dstX, c.dstY, c.width, c.height);
    if (area != area_) {
        area_ = area;
        restOf_.reset();
    }
    return true;
}

const QImage* SpriteCells::sourceFor(const QPainter& painter) const
{
    if (stripAsTarget_.isNull() || !painter.paintEngine())
        return nullptr;
    const QPaintDevice* device = painter.paintEngine()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    const auto* image = static_cast<const QImage*>(device);
    return image->format() == QImage::Format_ARGB32_Premultiplied ? &stripAsTarget_ : nullptr;
}

void SpriteCells::paint(QPainter& painter, const QRect& target, const QColor& ground,
                        const QRegion& dirty) const
{
    if (cells_.empty())
        return;
    if (restOf_ != target) {
        restOf_ = target;
        rest_ = QRegion(target) - area_;
    }
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage* asTarget = sourceFor(painter);
    // A window paints a widget through a clip of what needs painting. Where
    // that is not one rectangle (controls lie over the widget), every copy
    // would go pixel by pixel along the clip's spans: each rectangle is then
    // painted under a clip of its own, where copies are row copies.
    const QRegion parts = dirty.isEmpty() ? QRegion(target) : dirty & target;
    if (parts.rectCount() <= 1) {
        paintWithin(painter, parts.boundingRect(), ground, asTarget);
    } else {
        painter.save();
        for (const QRect& r : parts) {
            painter.setClipRect(r);
            paintWithin(painter, r, ground, asTarget);
        }
        painter.restore();
    }
    painter.setCompositionMode(mode);
}

void SpriteCells::paintWithin(QPainter& painter, const QRect& bounds, const QColor& ground,
                              const QImage* asTarget) const
{
    // Clipped by hand: a clip on the painter costs more than the copies.
    for (const QRect& r : rest_) {
        const QRect fill = r & bounds;
        if (!fill.isEmpty())
            painter.fillRect(fill, ground);
    }
    for (const auto& c : cells_) {
        const QRect to = QRect(c.dstX, c.dstY, c.width, c.height) & bounds;
        if (to.isEmpty())
            continue;
        const QRect from(c.srcX + to.left() - c.dstX, c.srcY + to.top() - c.dstY, to.width(),
                         to.height());
        if (asTarget)
            painter.drawImage(to.topLeft(), *asTarget, from);
        else
            painter.drawPixmap(to.topLeft(), strip_, from);
    }
}

QImage SpriteCells::picture(const QSize& size, const QColor& ground, QImage::Format format) const
{
    QImage image(size, format);
    image.fill(ground);
    QPainter painter(&image);
    paint(painter, QRect(QPoint(0, 0), size), ground);
    return image;
}

}  // namespace ovta
