#include "preview.h"

#include "cursor_art.h"
#include "hot_spot_art.h"
#include "intro_art.h"
#include "menu_art.h"
#include "menu_strips.h"
#include "section_art.h"
#include "sprite_strip.h"
#include "theme.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace ovta::art {

namespace {

void save(const QImage& img, const QString& dir, const QString& name)
{
    const QString path = QDir(dir).filePath(name);
    if (!img.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

// The menu after `ticks` ticks of every animation, as the screen composes it.
QImage menuAt(int ticks, int lit)
{
    QImage img = paintMenuBackground();
    QPainter p(&img);
    for (const MenuSection& s : menuSections()) {
        const QImage strip = paintMenuStrip(s.tag);
        // The first tick after activation shows slices 15..24, then one to the left.
        const int first = ((15 - 1 - ticks) % 24 + 24) % 24 + 1;
        p.drawImage(s.label,
                    stripWindow(strip, kMenuStripSlice, kMenuStripSlices, kMenuStripCells, first));
    }
    if (lit & LightTitle)
        p.drawImage(kMenuTitleRect.topLeft(), paintMenuHighlight(LightTitle));
    if (lit & LightAbout)
        p.drawImage(kMenuAboutRect.topLeft(), paintMenuHighlight(LightAbout));
    if (lit & LightExit)
        p.drawImage(kMenuExitRect.topLeft(), paintMenuHighlight(LightExit));
    p.drawImage(kMenuMusicRect.topLeft(), paintMusicIcon(true));
    p.end();
    return img;
}

QImage enlarged(const QImage& img, int factor)
{
    return img.scaled(img.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage cursorSheet()
{
    const int zoom = 6, cell = 32 * zoom + 16;
    QImage sheet(cell * kCursorCount, cell * 2 + 40, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter p(&sheet);
    p.fillRect(QRect(0, cell, sheet.width(), cell), QColor(220, 220, 220));
    for (int n = 1; n <= kCursorCount; ++n) {
        const QImage c = paintCursor(n);
        for (int row = 0; row < 2; ++row) {
            const QPoint at((n - 1) * cell + 8, row * cell + 8);
            p.drawImage(at, enlarged(c, zoom));
            p.setPen(Qt::red);
            p.drawRect(QRect(at, QSize(zoom, zoom))); // the hot spot pixel
        }
        // Actual size, on the menu ground.
        p.drawImage(QPoint((n - 1) * cell + 8, 2 * cell + 4),
                    paintMenuBackground().copy(64, 96, 140, 34));
        p.drawImage(QPoint((n - 1) * cell + 30, 2 * cell + 5), c);
    }
    p.end();
    return sheet;
}

QImage stripSheet()
{
    // Each panorama twice over, cut where the screen wraps (columns 13..324),
    // so a seam would show in the middle of each row.
    const int w = kMenuStripWidth - kMenuStripSlice - 8;
    QImage sheet(2 * w + 20, 9 * (kMenuStripHeight + 6), QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    for (int tag = 1; tag <= 9; ++tag) {
        const QImage strip = paintMenuStrip(tag);
        const QImage pano = strip.copy(kMenuStripSlice, 0, w, kMenuStripHeight);
        const int y = (tag - 1) * (kMenuStripHeight + 6);
        p.drawImage(QPoint(0, y), pano);
        p.drawImage(QPoint(w, y), pano);
        p.drawImage(QPoint(2 * w + 4, y), strip.copy(0, 0, 16, kMenuStripHeight));
    }
    p.end();
    return sheet;
}

// Mean colour difference between two columns of a picture.
double columnDistance(const QImage& img, int a, int b)
{
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb p = img.pixel(a, y), q = img.pixel(b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / img.height();
}

// Per strip: the step across the wrap (last shown column to the first) next to
// the steps between neighbouring columns elsewhere. A seam stands out as a
// wrap step well above the usual ones.
QString seamReport()
{
    QString report;
    const int first = kMenuStripSlice, last = kMenuStripSlice * kMenuStripSlices - 1;
    for (int tag = 1; tag <= 9; ++tag) {
        const QImage strip = paintMenuStrip(tag);
        double total = 0, worst = 0;
        for (int x = first; x < last; ++x) {
            const double d = columnDistance(strip, x, x + 1);
            total += d;
            worst = std::max(worst, d);
        }
        report += QStringLiteral("m%1%1: wrap step %2, mean step %3, largest step %4\n")
                      .arg(tag)
                      .arg(columnDistance(strip, last, first), 0, 'f', 1)
                      .arg(total / (last - first), 0, 'f', 1)
                      .arg(worst, 0, 'f', 1);
    }
    return report;
}

// Per highlight: how many pixels of its outermost ring differ from the plain
// background under it. Zero means the swap shows no edge.
QString highlightReport()
{
    const QImage plain = paintMenuBackground();
    QString report;
    const std::pair<MenuLight, QRect> parts[] = {
        {LightTitle, kMenuTitleRect}, {LightAbout, kMenuAboutRect}, {LightExit, kMenuExitRect}};
    for (const auto& [part, area] : parts) {
        const QImage lit = paintMenuHighlight(part);
        int ring = 0, inside = 0;
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) {
                if (lit.pixel(x, y) == plain.pixel(area.x() + x, area.y() + y))
                    continue;
                const bool edge =
                    x == 0 || y == 0 || x == area.width() - 1 || y == area.height() - 1;
                ++(edge ? ring : inside);
            }
        }
        report += QStringLiteral("highlight at %1,%2: %3 edge pixels differ, %4 inside\n")
                      .arg(area.x())
                      .arg(area.y())
                      .arg(ring)
                      .arg(inside);
    }
    return report;
}

QImage introSheet(int frame)
{
    QImage img = paintIntroStill();
    QPainter p(&img);
    p.drawImage(kIntroVideoRect.topLeft(), paintIntroFrame(frame));
    p.end();
    return img;
}

QImage videoSheet()
{
    const int cols = 4, step = kIntroFrameCount / 12;
    QImage sheet(cols * 164, 3 * 124, QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < 12; ++i) {
        const QImage f = paintIntroFrame(i * step + step - 1);
        p.drawImage(QRect((i % cols) * 164 + 2, (i / cols) * 124 + 2, 160, 120), f);
    }
    p.end();
    return sheet;
}

QImage hotSpotSheet()
{
    QImage sheet(4 * 200, 200, QImage::Format_RGB32);
    sheet.fill(palette::night);
    QPainter p(&sheet);
    const QImage tiles[] = {paintExitHotSpot(false), paintExitHotSpot(true),
                            paintSearchHotSpot(false), paintSearchHotSpot(true)};
    for (int i = 0; i < 4; ++i)
        p.drawImage(QPoint(i * 200 + 4, 4), enlarged(tiles[i], 3));
    p.end();
    return sheet;
}

} // namespace

void writePreviews(const QString& dir)
{
    QDir().mkpath(dir);
    save(menuAt(0, LightNone), dir, "menu.png");
    save(menuAt(5, LightTitle | LightAbout | LightExit), dir, "menu_lit.png");
    save(cursorSheet(), dir, "cursors.png");
    save(stripSheet(), dir, "strips.png");
    save(introSheet(kIntroFrameCount * 4 / 5), dir, "intro.png");
    save(videoSheet(), dir, "video.png");
    save(hotSpotSheet(), dir, "hot_spots.png");
    writeSectionPreviews(dir);
    const QByteArray seams = (seamReport() + highlightReport()).toUtf8();
    std::fwrite(seams.constData(), 1, seams.size(), stdout);
}

} // namespace ovta::art
