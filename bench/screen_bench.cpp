#include "screen_bench.h"

#include <QImage>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/backdrop.h"
#include "shell/error_report.h"
#include "shell/globals.h"
#include "shell/glyph_text.h"
#include "store/content_dir.h"

namespace ovta::bench {
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

CountErrors* counted = nullptr;

}  // namespace

ScreenBench::Offscreen::Offscreen() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

ScreenBench::ScreenBench(int& argc, char** argv) : ScreenBench(argc, argv, OVTA_DEMO_DIR) {}

ScreenBench::ScreenBench(int& argc, char** argv, const std::filesystem::path& content)
    : app_(argc, argv)
{
    ContentDir::setCurrent(content);
    auto errors = std::make_unique<CountErrors>();
    counted = errors.get();
    setErrorReporter(std::move(errors));
    installGlyphFonts();
    globals().titleTable.load(ContentDir::current());
    backdrop_ = new TForm6;
    backdrop_->resize(1024, 768);
    backdrop_->show();
    settle();
}

ScreenBench::~ScreenBench()
{
    delete backdrop_;
    settle();
    removeGlyphFonts();
}

int ScreenBench::errors() const { return counted ? counted->count : 0; }

void printHeads()
{
    std::printf("%-46s %9s %9s %9s %9s\n", "", "median ms", "worst ms", "cpu med", "cpu worst");
}

namespace {

// CPU time of this thread: what the work itself cost, whatever else the
// machine was doing meanwhile.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

void measure(const char* what, int runs, const std::function<void()>& body)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> ms;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        const double c0 = threadCpuMs();
        body();
        cpu.push_back(threadCpuMs() - c0);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-46s %9.2f %9.2f %9.2f %9.2f\n", what, ms[ms.size() / 2], ms.back(),
                cpu[cpu.size() / 2], cpu.back());
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

}  // namespace ovta::bench
