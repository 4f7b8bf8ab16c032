// What a reader feels on the largest book screen: frm410 with a 750-heading
// book (its capacity), drawn offscreen with the demo build's glyph fonts.
// Times opening the screen (files, headings, fifty rows, first frame), one
// column show (a scroll of column 1, drawn) and opening a heading (its
// children into column 2 and its first article, drawn). The goal of each is
// one 60 Hz frame (16.7 ms). Figures are printed, never asserted.
#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "big_book.h"
#include "books/book_viewer.h"
#include "screen_bench.h"
#include "shell/globals.h"
#include "shell/screen_open.h"
#include "store/content_dir.h"

using namespace ovta;
using namespace ovta::bench;

namespace {

int runBench(int& argc, char** argv, const std::filesystem::path& root)
{
    ScreenBench bench(argc, argv, root);
    printHeads();
    int nodes = 0;
    measure("open frm410 with 750 headings, drawn", 20, [&] {
        globals().CurrentItem = 0;
        BookViewer* v = openScreen<Tfrm410>();
        draw(v);
        nodes = v->model().tree().count();
        v->release();
        settle();
    });

    BookViewer* v = openScreen<Tfrm410>();
    draw(v);
    bool down = true;
    measure("one column show (column 1 scrolled), drawn", 200, [&] {
        // Back and forth, so that every run moves the column.
        down ? v->mdpClick(1) : v->mapClick(1);
        down = !down;
        draw(v);
    });
    int row = 1;
    measure("open a heading (children, article), drawn", 200, [&] {
        row = row == 1 ? 2 : 1;
        v->LaevDblClick(1, row);
        draw(v);
    });
    std::printf("(%d headings; column 2 holds %d)\n", nodes,
                v->model().columns().column(2).count());
    v->release();
    settle();
    return bench.exitCode();
}

} // namespace

int main(int argc, char** argv)
{
    const auto root = std::filesystem::temp_directory_path() /
                      ("ovta-book-screen-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    bench::writeBook(root, bookInfo(BookScreen::Frm410, 0).files);
    const std::filesystem::path demo(OVTA_DEMO_DIR);
    std::filesystem::create_directories(root / "data1" / "1");
    for (const char* file : {"glyf01.ttf", "glyf01b.ttf", "data/kenor002", "data1/1/1.bmp",
                             "data1/1/2.bmp", "data1/1/3.bmp"})
        std::filesystem::copy_file(demo / file, root / file);
    const int code = runBench(argc, argv, root);
    std::filesystem::remove_all(root);
    return code;
}
