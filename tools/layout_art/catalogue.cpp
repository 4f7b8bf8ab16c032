#include "catalogue.h"

#include "app_icon.h"
#include "art_writer.h"
#include "book_art.h"
#include "cursor_art.h"
#include "hot_spot_art.h"
#include "intro_art.h"
#include "list_art.h"
#include "menu_art.h"
#include "menu_strips.h"
#include "question_art.h"
#include "page_art.h"
#include "reading_catalogue.h"
#include "section_art.h"
#include "search_dialog_art.h"
#include "shelf_art.h"

namespace ovta::art {

void writeResources(ArtWriter& out)
{
    for (int n = 1; n <= kCursorCount; ++n)
        out.write(QStringLiteral("cursors/%1.png").arg(n), {32, 32},
                  [n] { return paintCursor(n); });

    // The program's icon: the window's, and the desktop theme's sizes.
    for (int size : {48, 64, 128, 256})
        out.write(QStringLiteral("app/ovta-%1.png").arg(size), {size, size},
                  [size] { return paintAppIcon(size); });

    // The first picture of a run: stored as plain pixels (900 KiB), which
    // read in a fifteenth of a PNG's time.
    out.write(QStringLiteral("firstflc/Image1.ppm"), {640, 480}, paintIntroStill);

    out.write(QStringLiteral("falam1/m1.png"), {640, 480}, [] { return paintMenuBackground(); });
    out.write(QStringLiteral("falam1/Image1.png"), kMenuTitleRect.size(),
              [] { return paintMenuHighlight(LightTitle); });
    out.write(QStringLiteral("falam1/Image2.png"), kMenuAboutRect.size(),
              [] { return paintMenuHighlight(LightAbout); });
    out.write(QStringLiteral("falam1/Image5.png"), kMenuExitRect.size(),
              [] { return paintMenuHighlight(LightExit); });
    for (int tag = 1; tag <= 9; ++tag)
        out.write(QStringLiteral("falam1/m%1%1.png").arg(tag), {kMenuStripWidth, kMenuStripHeight},
                  [tag] { return paintMenuStrip(tag); });
    out.write(QStringLiteral("falam1/ms1.png"), {32, 32}, [] { return paintMusicIcon(true); });
    out.write(QStringLiteral("falam1/ms2.png"), {32, 32}, [] { return paintMusicIcon(false); });

    out.write(QStringLiteral("sear/Image1.png"), kSearchDialogSize,
              [] { return paintSearchDialog(); });
    out.write(QStringLiteral("sear/Image2.png"), kSearchButtonRect.size(),
              [] { return paintSearchDialogPressed(PressSearch); });
    out.write(QStringLiteral("sear/Image3.png"), kCloseButtonRect.size(),
              [] { return paintSearchDialogPressed(PressClose); });

    writeSectionResources(out);
    writeReadingResources(out);
    writeBookResources(out);
    writeShelfResources(out);
    writeQuestionResources(out);
    // The list screens.
    writeListResources(out);
    // The page viewer: its index picture and button bar.
    writePageResources(out);
}

void writeContentPictures(ArtWriter& out)
{
    const QSize tile(kHotSpotSize, kHotSpotSize);
    out.write(QStringLiteral("data1/kenor001.bmp"), tile, [] { return paintExitHotSpot(true); });
    out.write(QStringLiteral("data1/kenor002.bmp"), tile, [] { return paintExitHotSpot(false); });
    out.write(QStringLiteral("data1/kenorb1.bmp"), tile, [] { return paintSearchHotSpot(false); });
    out.write(QStringLiteral("data1/kenorb2.bmp"), tile, [] { return paintSearchHotSpot(true); });
    writeBookContentPictures(out);
    writeQuestionContentPictures(out);
    // The page viewer's pages, as run-length bitmaps of their own.
    writePagePictures(out.outDir());
}

} // namespace ovta::art
