// The largest book a book screen holds: 750 headings of the article-run
// layout, in a scratch content directory. Times loading it (its files and
// every heading), one children scan of a level-1 heading, and one show of
// column 1. Figures are printed, never asserted.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "big_book.h"
#include "books/book_columns.h"
#include "books/book_model.h"
#include "books/book_tables.h"
#include "books/book_tree.h"
#include "store/content_dir.h"
#include "store/title_table.h"

using Clock = std::chrono::steady_clock;
using namespace ovta;
using bench::writeBook;

namespace {

// Median and worst of `runs` timings of `body`, in microseconds.
void measure(const char* what, int runs, const std::function<void()>& body)
{
    std::vector<double> us;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        body();
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::sort(us.begin(), us.end());
    std::printf("%-44s median %9.1f us   worst %9.1f us   (%d runs)\n", what, us[us.size() / 2],
                us.back(), runs);
}

} // namespace

int main()
{
    const auto root =
        std::filesystem::temp_directory_path() / ("ovta-book-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    const BookInfo info = bookInfo(BookScreen::Frm410, 0);
    writeBook(root, info.files);
    const ContentDir dir(root);
    const TitleTable titles;

    int nodes = 0;
    measure("load a 750-heading book (files, headings)", 50, [&] {
        BookModel book(BookScreen::Frm410, 0, titles);
        book.open(dir);
        book.start();
        nodes = book.tree().count();
    });

    BookModel book(BookScreen::Frm410, 0, titles);
    book.open(dir);
    book.start();
    const BookTree& tree = book.tree();
    const int first = tree.level1().front().node;
    std::size_t children = 0;
    measure("children scan of a level-1 heading", 2000, [&] {
        std::vector<ColumnEntry> entries;
        tree.children(first, 1, 50, "column 2", entries);
        children = entries.size();
    });

    BookColumns columns(tree, ColumnRules{"frm410", 50, true, true, false});
    columns.start();
    measure("show column 1", 2000, [&] { columns.showColumn(1); });

    std::printf("(%d headings, %zu children, %d in column 1)\n", nodes, children,
                columns.column(1).count());
    std::filesystem::remove_all(root);
    return 0;
}
