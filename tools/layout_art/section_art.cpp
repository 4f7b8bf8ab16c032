#include "section_art.h"

#include "about_art.h"
#include "art_writer.h"
#include "home_panoramas.h"
#include "home_tiles.h"
#include "hot_spot_art.h"
#include "sprite_strip.h"

#include "sections/home_settings.h"

#include <QDir>
#include <QPainter>

#include <cstring>
#include <stdexcept>

namespace ovta::art {

namespace {

bool isHelp(const HomeHotSpot& spot)
{
    return std::strcmp(spot.opens, "frm24") == 0;
}

// The picture inside a panel: the panel's size, less a bevel.
QSize pictureSize(const HomeHotSpot& spot)
{
    const int inset = spot.bevel ? 2 : 0;
    return {spot.place.w - inset, spot.place.h - inset};
}

QImage paintHotSpot(const HomeSettings& home, const HomeHotSpot& spot)
{
    if (isHelp(spot))
        return paintHomeHelp(home.menuTag, pictureSize(spot));
    return paintHomeTile(homeTile(home.kind, spot.image));
}

// A home as the screen shows it after its first panorama tick.
QImage composeHome(const HomeSettings& home)
{
    QImage img(640, 480, QImage::Format_RGB32);
    QPainter p(&img);
    const QImage strip = paintHomePanorama(home.menuTag);
    p.drawImage(0, 0, stripWindow(strip, kHomeStripSlice, kHomeStripSlices, kHomeStripCells, 15));
    auto place = [&](const HomeHotSpot& spot, const QImage& picture) {
        const QRect panel(spot.place.x, spot.place.y, spot.place.w, spot.place.h);
        if (spot.bevel) {
            p.fillRect(panel, QColor(176, 136, 48));
            p.drawImage(panel.topLeft() + QPoint(1, 1), picture);
        } else {
            p.drawImage(panel.topLeft(), picture);
        }
    };
    for (const HomeHotSpot& spot : home.hotSpots)
        place(spot, paintHotSpot(home, spot));
    place(HomeExit, paintExitHotSpot(false));
    p.end();
    return img;
}

void save(const QImage& img, const QString& dir, const QString& name)
{
    const QString path = QDir(dir).filePath(name);
    if (!img.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

void writeSectionResources(ArtWriter& out)
{
    const QSize tile(kHotSpotSize, kHotSpotSize);
    out.write(QStringLiteral("sections/Image5.png"), tile, [] { return paintExitHotSpot(false); });
    for (const HomeSettings& home : homeSettings()) {
        const QString kind = QString::fromLatin1(home.kind);
        const int tag = home.menuTag;
        out.write(kind + QStringLiteral("/m1.png"), {kHomeStripWidth, kHomeStripHeight},
                  [tag] { return paintHomePanorama(tag); });
        for (const HomeHotSpot& spot : home.hotSpots)
            out.write(kind + QLatin1Char('/') + QString::fromLatin1(spot.image) +
                          QStringLiteral(".png"),
                      pictureSize(spot), [&home, &spot] { return paintHotSpot(home, spot); });
    }
    out.write(QStringLiteral("fabout/Image1.png"), {640, 480}, paintAboutBackground);
    out.write(QStringLiteral("fabout/Image2.png"), tile, [] { return paintExitHotSpot(true); });
    out.write(QStringLiteral("fabout/m1.png"), {kAboutStripWidth, kAboutStripHeight},
              paintAboutBand);
    out.write(QStringLiteral("frm22/Image1.png"), {350, 270}, paintCreditsPicture);
    out.write(QStringLiteral("frm24/m1.png"), {640, 480}, paintOverview);
    out.write(QStringLiteral("frm24/m2.png"), tile, [] { return paintExitHotSpot(true); });
}

void writeSectionPreviews(const QString& dir)
{
    QImage sheet(3 * 320 + 8, 3 * 240 + 8, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter sp(&sheet);
    sp.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const HomeSettings& home : homeSettings()) {
        const QImage composed = composeHome(home);
        save(composed, dir, QStringLiteral("home_%1.png").arg(QString::fromLatin1(home.kind)));
        const int cell = home.menuTag - 1; // laid out as the menu lays out its labels
        sp.drawImage(QRect((cell / 3) * 324, (cell % 3) * 244, 320, 240), composed);
    }
    sp.end();
    save(sheet, dir, QStringLiteral("homes.png"));

    // Every hot-spot picture, three times enlarged, a home to a row.
    const int zoom = 3, cellSize = 64 * zoom + 6;
    QImage tiles(15 * cellSize, 9 * cellSize, QImage::Format_RGB32);
    tiles.fill(Qt::black);
    QPainter tp(&tiles);
    int row = 0;
    for (const HomeSettings& home : homeSettings()) {
        int col = 0;
        for (const HomeHotSpot& spot : home.hotSpots) {
            if (isHelp(spot))
                continue;
            tp.drawImage(QRect(col * cellSize, row * cellSize, 64 * zoom, 64 * zoom),
                         paintHotSpot(home, spot));
            ++col;
        }
        ++row;
    }
    tp.end();
    save(tiles, dir, QStringLiteral("home_tiles.png"));

    QImage about = paintAboutBackground();
    QPainter ap(&about);
    const QImage band = paintAboutBand();
    // The band's first frame: slices 205..229.
    ap.drawImage(kAboutBandRect.topLeft(),
                 stripWindow(band, kAboutStripSlice, kAboutStripSlices, kAboutStripCells, 205)
                     .copy(0, 0, kAboutBandRect.width(), kAboutStripHeight));
    ap.end();
    save(about, dir, QStringLiteral("about.png"));
    save(band, dir, QStringLiteral("about_band.png"));
    save(paintCreditsPicture(), dir, QStringLiteral("credits.png"));
    QImage overview = paintOverview();
    QPainter op(&overview);
    op.drawImage(kOverviewExitAt, paintExitHotSpot(true));
    op.end();
    save(overview, dir, QStringLiteral("overview_lit.png"));
    save(paintOverview(), dir, QStringLiteral("overview.png"));
}

} // namespace ovta::art
