// What a reader feels on the reading screens, on the demo content, drawn
// offscreen: opening the alphabetical list with its largest set (800
// titles), opening the topic index, and paging through a long article a
// page at a time with every window drawn. Figures are printed, never
// asserted.
#include <chrono>
#include <cstdio>

#include "screen_bench.h"
#include "store/content_dir.h"
#include "reading/reader_screen.h"
#include "reading/frm04.h"
#include "reading/frm12.h"
#include "reading/reader_files.h"
#include "shell/globals.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"

using Clock = std::chrono::steady_clock;
using namespace ovta;
using namespace ovta::bench;

int main(int argc, char** argv)
{
    ScreenBench bench(argc, argv);
    printHeads();
    measure("open frm12, set 1 (800 titles), drawn", 20, [] {
        globals().CurrentBook = 1;
        Tfrm12* list = openScreen<Tfrm12>();
        draw(list);
        list->release();
        settle();
    });
    measure("open frm04 (topic index), drawn", 20, [] {
        Tfrm04* index = openScreen<Tfrm04>();
        draw(index);
        index->release();
        settle();
    });

    // The longest article of the landmarks' reader, with the files its
    // openers load for it.
    ReaderFiles& files = openerFiles("frm03");
    loadReaderFiles(files, ContentDir::current(),
                    {"data\\1kenor010", "data\\1kenor011", "data\\kenor09"});
    globals().CurrentItem = 1;
    Tfrm03* reader = openScreen<Tfrm03>();
    int longest = 0, record = 0;
    const int articles = static_cast<int>(files.locators.recordCount(16));
    for (int item = 1; item <= articles; ++item) {
        globals().CurrentItem = item;
        reader->FormShow();
        if (reader->pager().count() > longest) {
            longest = reader->pager().count();
            record = item - 1;
        }
    }
    globals().CurrentItem = record + 1;
    reader->FormShow();
    int pages = 0;
    const auto t0 = Clock::now();
    for (int pass = 0; pass < 50; ++pass) {
        reader->co1->choose(0);
        do {
            draw(reader);
            ++pages;
        } while ([&] {
            const int before = reader->windowTop();
            reader->l13Click();
            return reader->windowTop() != before;
        }());
    }
    const double perPage =
        std::chrono::duration<double, std::milli>(Clock::now() - t0).count() / pages;
    std::printf("%-46s %9.2f\n", "page through an article, per page drawn", perPage);
    std::printf("(article record %d: %d lines, %d pages a pass, 50 passes)\n", record, longest,
                pages / 50);
    reader->release();
    settle();
    return bench.exitCode();
}
