// Opening frm47 with its 893 entries on the demo content, drawn offscreen
// as it would reach the display; then one step of its list (a new entry's
// text shown, drawn). The goal of the opening is one 60 Hz frame (16 ms)
// at worst of 20 opens. Figures are printed, never asserted.
#include <cstdio>

#include "lists/frm47.h"
#include "screen_bench.h"
#include "shell/screen_open.h"

using namespace ovta;
using namespace ovta::bench;

int main(int argc, char** argv)
{
    ScreenBench bench(argc, argv);
    printHeads();
    // A first open loads the fonts' glyph tables and the layout pictures.
    openScreen<Tfrm47>()->release();
    settle();
    measure("open frm47 (893 entries), drawn", 20, [] {
        Tfrm47* list = openScreen<Tfrm47>();
        draw(list);
        list->release();
        settle();
    });
    measure("open frm47 (893 entries), list read only", 20, [] {
        Tfrm47* list = createScreen<Tfrm47>();
        delete list;
    });

    Tfrm47* list = openScreen<Tfrm47>();
    int k = 0;
    measure("frm47: next entry shown, drawn", 200, [&] {
        list->selectAndOpen(k++ % 893);
        draw(list);
    });
    std::printf("(%d entries listed)\n", list->LS1->count());
    list->release();
    settle();
    return bench.exitCode();
}
