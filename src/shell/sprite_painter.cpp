#include "shell/sprite_painter.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

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

// The whole number of device pixels a pixel takes where the painter only
// enlarges and moves (a window drawn at a factor of the display's); 1 where
// it does not enlarge, or does anything else.
int wholeScale(const QPainter& painter)
{
    const QTransform t = painter.deviceTransform();
    if (t.type() != QTransform::TxScale || t.m11() != t.m22())
        return 1;
    const double f = t.m11();
    return f >= 2 && f <= 16 && f == std::floor(f) ? static_cast<int>(f) : 1;
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
    // Enlarged by hand only from 32-bit pixels, the strips the content has.
    const int scale = (asTarget ? asTarget : &stripPixels_)->depth() == 32 ? wholeScale(painter) : 1;
    // A window paints a widget through a clip of what needs painting. Where
    // that is not one rectangle (controls lie over the widget), every copy
    // would go pixel by pixel along the clip's spans: each rectangle is then
    // painted under a clip of its own, where copies are row copies.
    const QRegion parts = dirty.isEmpty() ? QRegion(target) : dirty & target;
    if (parts.rectCount() <= 1) {
        paintWithin(painter, parts.boundingRect(), ground, asTarget, scale);
    } else {
        painter.save();
        for (const QRect& r : parts) {
            painter.setClipRect(r);
            paintWithin(painter, r, ground, asTarget, scale);
        }
        painter.restore();
    }
    painter.setCompositionMode(mode);
}

void SpriteCells::paintWithin(QPainter& painter, const QRect& bounds, const QColor& ground,
                              const QImage* asTarget, int scale) const
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
        if (scale > 1)
            drawEnlarged(painter, asTarget ? *asTarget : stripPixels_, from, to.topLeft(), scale);
        else if (asTarget)
            painter.drawImage(to.topLeft(), *asTarget, from);
        else
            painter.drawPixmap(to.topLeft(), strip_, from);
    }
}

void SpriteCells::drawEnlarged(QPainter& painter, const QImage& source, const QRect& from,
                               const QPoint& to, int scale)
{
    // One buffer for every strip, a few source rows at a time: small enough
    // to stay in the processor's cache between being filled and copied out,
    // whatever the factor.
    constexpr qsizetype kScratchBytes = 256 * 1024;
    static QImage scratch;
    const int width = from.width() * scale;
    const qsizetype bandBytes = static_cast<qsizetype>(width) * scale * 4;
    const int rows = static_cast<int>(std::clamp<qsizetype>(kScratchBytes / bandBytes, 1,
                                                            from.height()));
    if (scratch.format() != source.format() || scratch.width() < width ||
        scratch.height() < rows * scale)
        scratch = QImage(QSize(width, rows * scale).expandedTo(scratch.size()), source.format());
    const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(quint32);
    // In device pixels: each copy is then a plain copy of rows. The clip
    // already set stays where it was on the device.
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1.0 / scale, 1.0 / scale), true);
    for (int top = 0; top < from.height(); top += rows) {
        const int band = std::min(rows, from.height() - top);
        for (int y = 0; y < band; ++y) {
            const auto* in =
                reinterpret_cast<const quint32*>(source.constScanLine(from.top() + top + y)) +
                from.left();
            auto* out = reinterpret_cast<quint32*>(scratch.scanLine(y * scale));
            for (int x = 0; x < from.width(); ++x)
                for (int k = 0; k < scale; ++k)
                    *out++ = in[x];
            const uchar* first = scratch.constScanLine(y * scale);
            for (int k = 1; k < scale; ++k)
                std::memcpy(scratch.scanLine(y * scale + k), first, rowBytes);
        }
        painter.drawImage(QPoint(to.x(), to.y() + top) * scale, scratch,
                          QRect(0, 0, width, band * scale));
    }
    painter.restore();
}

QImage SpriteCells::picture(const QSize& size, const QColor& ground, QImage::Format format,
                            int scale) const
{
    QImage image(size * scale, format);
    image.setDevicePixelRatio(scale);
    image.fill(ground);
    QPainter painter(&image);
    paint(painter, QRect(QPoint(0, 0), size), ground);
    return image;
}

}  // namespace ovta
