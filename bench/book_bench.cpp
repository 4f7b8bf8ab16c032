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

#include "books/book_columns.h"
#include "books/book_model.h"
#include "books/book_tables.h"
#include "books/book_tree.h"
#include "store/content_dir.h"
#include "store/title_table.h"

using Clock = std::chrono::steady_clock;
using namespace ovta;

namespace {

std::string field(long long v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%08lld", v);
    return buf;
}

void writeFile(const std::filesystem::path& root, std::string name, const std::string& bytes)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    const auto path = root / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// 50 level-1 headings, each with 7 children that have one child each:
// 50 + 350 + 350 = 750 nodes, the article-run screen's capacity.
void writeBook(const std::filesystem::path& root, const BookFileNames& names)
{
    std::string tree;
    std::string titles;
    auto add = [&](int level, const std::string& title) {
        tree += field(static_cast<long long>(titles.size())) +
                field(static_cast<long long>(title.size())) + field(level) + field(1) + field(3);
        titles += title;
    };
    for (int i = 0; i < 50; ++i) {
        add(1, "heading " + std::to_string(i) + " of the book, long enough to be measured");
        for (int j = 0; j < 7; ++j) {
            add(2, "chapter " + std::to_string(j) + " of heading " + std::to_string(i));
            add(3, "section of chapter " + std::to_string(j));
        }
    }
    writeFile(root, names.tree, tree);
    writeFile(root, names.titles, titles);
    std::string locators;
    std::string texts;
    for (int a = 0; a < 3; ++a) {
        const std::string text = "article text " + std::to_string(a);
        locators += field(static_cast<long long>(texts.size())) +
                    field(static_cast<long long>(text.size()));
        texts += text;
    }
    writeFile(root, names.locators, locators);
    writeFile(root, names.articleTexts, texts);
}

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
