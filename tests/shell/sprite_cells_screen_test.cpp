// Cells shown straight from the strip must look exactly like the cells
// copied one by one onto a canvas, at every tick of a whole turn (the wrap
// from the first slice back to the last included), and a tick that shows
// nothing leaves the picture as it was; the same on a target of
// premultiplied pixels, where the strip's bytes are copied as they are, and
// on a display that takes two or three device pixels to a pixel, where the
// cells are enlarged by hand.
#include "shell/sprite_painter.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace ovta {
namespace {

// A strip of `slices` slices, each of its own colour, with a line that
// tells its columns apart.
QPixmap numberedStrip(int slices, int width, int height)
{
    QImage strip(slices * width, height, QImage::Format_RGB32);
    for (int k = 0; k < slices; ++k)
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; ++y)
                strip.setPixelColor(k * width + x, y,
                                    QColor(k * 7 % 256, x * 19 % 256, y == x ? 255 : 40));
    return QPixmap::fromImage(strip);
}

QImage cellByCell(const std::vector<SpriteAnimation::Copy>& copies, const QPixmap& strip,
                  QImage canvas)
{
    QPainter painter(&canvas);
    for (const auto& c : copies)
        painter.drawPixmap(QRect(c.dstX, c.dstY, c.width, c.height), strip,
                           QRect(c.srcX, c.srcY, c.width, c.height));
    return canvas;
}

TEST(SpriteCells, ShowWhatCopyingEachCellWouldShowAtEveryTickOfATurn)
{
    const struct {
        int slices, cells, width, height;
        QSize target;
    } cases[] = {
        {26, 10, 13, 100, {131, 100}},  // a menu label: one column is never a cell
        {230, 24, 13, 102, {311, 102}},  // the about screen's band
        {25, 10, 64, 480, {640, 480}},   // a home's panorama
        {3, 2, 5, 4, {10, 4}},           // the smallest strip that turns
    };
    const QColor ground(10, 22, 56);
    for (const auto& tc : cases) {
        const QPixmap strip = numberedStrip(tc.slices, tc.width, tc.height);
        SpriteAnimation shown(tc.slices, tc.cells), reference(tc.slices, tc.cells);
        SpriteCells cells;
        QImage canvas(tc.target, QImage::Format_RGB32);
        canvas.fill(ground);
        for (int t = 0; t < tc.slices + 2; ++t) {
            ASSERT_TRUE(cells.tick(shown, strip));
            canvas = cellByCell(reference.tick(strip.width(), strip.height()), strip, canvas);
            ASSERT_EQ(cells.picture(tc.target, ground), canvas)
                << tc.slices << " slices, tick " << t;
            // A window's backing store holds premultiplied pixels: there
            // the strip's bytes are copied as they are.
            ASSERT_EQ(cells.picture(tc.target, ground, QImage::Format_ARGB32_Premultiplied)
                          .convertToFormat(QImage::Format_RGB32),
                      canvas)
                << tc.slices << " slices, tick " << t << ", premultiplied target";
            for (const int scale : {2, 3}) {
                const QImage enlarged = canvas.scaled(tc.target * scale, Qt::IgnoreAspectRatio,
                                                      Qt::FastTransformation);
                for (const auto format :
                     {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
                    QImage shownScaled = cells.picture(tc.target, ground, format, scale);
                    shownScaled.setDevicePixelRatio(1);
                    ASSERT_EQ(shownScaled.convertToFormat(QImage::Format_RGB32), enlarged)
                        << tc.slices << " slices, tick " << t << ", scale " << scale
                        << ", format " << format;
                }
            }
        }
    }
}

TEST(SpriteCells, ATickOfAnEmptyStripStepsButKeepsThePicture)
{
    const QPixmap strip = numberedStrip(26, 13, 100);
    SpriteAnimation animation(26, 10);
    SpriteCells cells;
    ASSERT_TRUE(cells.tick(animation, strip));
    const QImage before = cells.picture({131, 100}, Qt::black);
    const int frame = animation.frame();
    EXPECT_FALSE(cells.tick(animation, QPixmap()));
    EXPECT_NE(animation.frame(), frame);
    EXPECT_EQ(cells.picture({131, 100}, Qt::black), before);
}

// A paint event's region: what lies inside it shows the cells and the
// ground as a whole paint would, what lies outside is left untouched, for a
// region of one rectangle and one of many (controls over a panorama).
TEST(SpriteCells, PaintOnlyWithinTheDirtyRegion)
{
    const QPixmap strip = numberedStrip(25, 64, 48);
    SpriteAnimation animation(25, 8);  // 8 cells of 64: 512 of the 640 wide target
    SpriteCells cells;
    ASSERT_TRUE(cells.tick(animation, strip));
    const QColor ground(10, 22, 56), untouched(255, 0, 255);
    const QSize size(640, 48);
    const QImage whole = cells.picture(size, ground);
    QRegion many = QRegion(0, 0, 640, 48) - QRegion(40, 10, 30, 20) - QRegion(500, 0, 80, 30);
    const QRegion regions[] = {QRegion(100, 5, 200, 20), many, QRegion(520, 0, 120, 48)};
    for (const QRegion& dirty : regions) {
        for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
            for (const int scale : {1, 2}) {
                QImage canvas(size * scale, format);
                canvas.setDevicePixelRatio(scale);
                canvas.fill(untouched);
                {
                    QPainter painter(&canvas);
                    cells.paint(painter, QRect(QPoint(0, 0), size), ground, dirty);
                }
                canvas = canvas.convertToFormat(QImage::Format_RGB32);
                for (int y = 0; y < canvas.height(); ++y)
                    for (int x = 0; x < canvas.width(); ++x) {
                        const QPoint at(x / scale, y / scale);
                        const QRgb expected =
                            dirty.contains(at) ? whole.pixel(at) : untouched.rgb();
                        ASSERT_EQ(canvas.pixel(x, y), expected)
                            << x << "," << y << " in a region of " << dirty.rectCount()
                            << " rectangles, format " << format << ", scale " << scale;
                    }
            }
        }
    }
}

}  // namespace
}  // namespace ovta
