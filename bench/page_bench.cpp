// What a reader feels in the page viewer, on the demo content, drawn
// offscreen: opening frm62 on its index picture, opening a chapter onto its
// first page, and turning a page with the bar (each page read, decoded and
// drawn). The goal is one 60 Hz frame, 16 ms, at the worst of 20. Figures
// are printed, never asserted.
#include <QMouseEvent>
#include <QTest>
#include <cstdio>

#include "pages/frm62.h"
#include "screen_bench.h"
#include "shell/screen_open.h"
#include "store/content_dir.h"

using namespace ovta;
using namespace ovta::bench;

namespace {

QPoint centreOf(const ZoneRect& z)
{
    return {(z.left + z.right) / 2, (z.top + z.bottom) / 2};
}

} // namespace

int main(int argc, char** argv)
{
    ScreenBench bench(argc, argv);
    printHeads();
    // The first opening also reads and decodes the layout pictures, which
    // later openings find cached: it is shown on its own.
    const auto openDrawRelease = [] {
        Tfrm62* view = openScreen<Tfrm62>();
        draw(view);
        view->release();
        settle();
    };
    measure("first open of frm62, drawn", 1, openDrawRelease);
    measure("open frm62 (both lists, index), drawn", 20, openDrawRelease);

    Tfrm62* view = openScreen<Tfrm62>();
    settle();
    int chapter = 0;
    measure("open a chapter onto its first page, drawn", 20, [&] {
        chapter = chapter % 110 + 1;
        QTest::mousePress(view->m2, Qt::LeftButton, {}, centreOf(Tfrm62::chapters().zone(chapter)));
        draw(view);
        view->lg6Click();
    });
    QTest::mousePress(view->m2, Qt::LeftButton, {}, centreOf(Tfrm62::chapters().zone(1)));
    measure("turn a page (next page), drawn", 20, [&] {
        view->lg4Click();
        draw(view);
    });
    const int turnedTo = Tfrm62::position().page();
    view->lg6Click();
    int k = 0;
    measure("move the frame to another zone, drawn", 20, [&] {
        k = k % 114 + 1;
        view->m2MouseMove(centreOf(Tfrm62::chapters().zone(k)));
        draw(view);
    });
    std::printf("(page %d after the turns; %d chapters)\n", turnedTo, Tfrm62::chapters().count());
    view->release();
    settle();
    return bench.exitCode();
}
