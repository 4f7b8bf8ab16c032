// What a reader feels in the page viewer, on the demo content, drawn
// offscreen: opening frm62 on its index picture, opening a chapter onto its
// first page, and turning a page with the bar (each page read, decoded and
// drawn). The goal is one 60 Hz frame, 16 ms, at the worst of 20. Figures
// are printed, never asserted.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "pages/frm62.h"
#include "shell/backdrop.h"
#include "shell/error_report.h"
#include "shell/screen_open.h"
#include "store/content_dir.h"

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

void measure(const char* what, int runs, const std::function<void()>& body)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        body();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s %9.2f %9.2f\n", what, ms[ms.size() / 2], ms.back());
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void draw(QWidget* screen)
{
    QImage frame(screen->size(), QImage::Format_RGB32);
    screen->render(&frame);
}

QPoint centreOf(const ZoneRect& z)
{
    return {(z.left + z.right) / 2, (z.top + z.bottom) / 2};
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(art);
    ContentDir::setCurrent(OVTA_DEMO_DIR);
    auto errors = std::make_unique<CountErrors>();
    CountErrors* counted = errors.get();
    setErrorReporter(std::move(errors));
    auto* backdrop = new TForm6;
    backdrop->resize(1024, 768);
    backdrop->show();
    settle();

    std::printf("%-44s %9s %9s\n", "", "median ms", "worst ms");
    // The first opening also reads and decodes the layout pictures, which
    // later openings find cached: it is shown on its own.
    const auto openDrawRelease = [] {
        Tfrm62* view = openScreen<Tfrm62>();
        draw(view);
        view->release();
        settle();
    };
    measure("first open of frm62, drawn", 1, openDrawRelease);
    measure("open frm62 (both lists, index), drawn", 20, [] {
        Tfrm62* view = openScreen<Tfrm62>();
        draw(view);
        view->release();
        settle();
    });

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
    delete backdrop;
    return counted->count == 0 ? 0 : 1;
}
