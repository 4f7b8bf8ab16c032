// What a reader feels on the reading screens, on the demo content, drawn
// offscreen: opening the alphabetical list with its largest set (800
// titles), opening the topic index, and paging through a long article a
// page at a time with every window drawn. Figures are printed, never
// asserted.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "store/content_dir.h"
#include "reading/reader_screen.h"
#include "reading/frm04.h"
#include "reading/frm12.h"
#include "reading/reader_files.h"
#include "shell/backdrop.h"
#include "shell/error_report.h"
#include "shell/globals.h"
#include "shell/glyph_text.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"

using Clock = std::chrono::steady_clock;
using namespace ovta;

namespace {

class CountErrors : public ErrorReporter {
public:
    void show(const std::string& text) override
    {
        ++count;
        std::fprintf(stderr, "error: %s\n", text.c_str());
    }
    int count = 0;
};

// Median and worst of `runs` timings of `body` in milliseconds.
void measure(const char* what, int runs, const std::function<void()>& body)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        body();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-46s %9.2f %9.2f\n", what, ms[ms.size() / 2], ms.back());
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Draws the screen as it would reach the display.
void draw(QWidget* screen)
{
    QImage frame(screen->size(), QImage::Format_RGB32);
    screen->render(&frame);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ContentDir::setCurrent(OVTA_DEMO_DIR);
    auto errors = std::make_unique<CountErrors>();
    CountErrors* counted = errors.get();
    setErrorReporter(std::move(errors));
    installGlyphFonts();
    globals().titleTable.load(ContentDir::current());
    auto* backdrop = new TForm6;
    backdrop->resize(1024, 768);
    backdrop->show();
    settle();

    std::printf("%-46s %9s %9s\n", "", "median ms", "worst ms");
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
    delete backdrop;
    removeGlyphFonts();
    return counted->count == 0 ? 0 : 1;
}
