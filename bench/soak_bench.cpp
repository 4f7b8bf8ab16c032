// Soak: the reader on the demo content under a private X display, walked
// through a scripted route for a long time: from the main menu (music and
// animations running) into each section home, one of its screens and back
// out, again and again. Resident memory is sampled once a minute; after
// the first five minutes it should stay flat (growth under 1 MiB).
//   ovta_soak [MINUTES]        default 60
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "support/x_session.h"

using namespace std::chrono_literals;
using ovta::test::Process;
using ovta::test::XServer;
using Clock = std::chrono::steady_clock;

namespace {

// The section labels of the 640x480 main menu (left, top; 131x100 each),
// centred on the 1024x768 display.
constexpr int kLeft = (1024 - 640) / 2;
constexpr int kTop = (768 - 480) / 2;
constexpr int kSections[9][2] = {{64, 88},   {64, 222}, {64, 357},  {267, 88}, {267, 222},
                                 {267, 357}, {477, 88}, {477, 222}, {477, 357}};

struct Run {
    XServer& x;
    Process& reader;
    long screensOpened = 0;
    long errors = 0;
    std::string top = "falam1"; // the screen on top, from the trace

    // Waits, reading the reader's trace so that its pipe never fills.
    void pause(std::chrono::milliseconds span)
    {
        const auto until = Clock::now() + span;
        while (Clock::now() < until) {
            const auto line = reader.readLine(100ms);
            if (!line)
                continue;
            if (line->rfind("ovta: open ", 0) == 0)
                ++screensOpened;
            if (line->rfind("ovta: error", 0) == 0)
                ++errors;
            if (line->rfind("ovta: activate ", 0) == 0)
                top = line->substr(15, line->find(' ', 15) - 15);
        }
    }

    void keys(const std::vector<std::string>& names)
    {
        std::vector<std::string> argv{"xdotool", "key", "--delay", "80"};
        argv.insert(argv.end(), names.begin(), names.end());
        x.run(argv);
    }

    void click(int screenX, int screenY)
    {
        x.run({"xdotool", "mousemove", std::to_string(kLeft + screenX),
               std::to_string(kTop + screenY)});
        pause(200ms);
        x.run({"xdotool", "click", "1"});
    }

    // Into section `s`, one of its screens (chosen by `downs` key steps),
    // a few page keys there, and back to the menu.
    void visit(int s, int downs)
    {
        click(kSections[s][0] + 65, kSections[s][1] + 50);
        pause(2500ms);
        std::vector<std::string> route(static_cast<std::size_t>(downs), "Down");
        route.push_back("Return");
        keys(route);
        pause(2500ms);
        keys({"Down", "Down", "Up", "Next", "Prior"});
        pause(1500ms);
        // Back to the menu, but never Esc there: that would end the run.
        for (int i = 0; i < 4 && top != "falam1"; ++i) {
            keys({"Escape"});
            pause(1000ms);
        }
        pause(2000ms); // the menu again, its music and animations on
    }
};

double trendKiBPerMinute(const std::vector<long>& samples, std::size_t from)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = from; i < samples.size(); ++i) {
        const double x = static_cast<double>(i);
        const double y = static_cast<double>(samples[i]);
        n += 1;
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double d = n * sxx - sx * sx;
    return d == 0 ? 0 : (n * sxy - sx * sy) / d;
}

} // namespace

int main(int argc, char** argv)
{
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    XServer x;
    if (!x.running()) {
        std::fputs("Xvfb did not start\n", stderr);
        return 1;
    }
    Process reader({OVTA_BINARY, OVTA_DEMO_DIR},
                   {"DISPLAY=" + x.display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb"});
    if (!reader.waitForLine("ovta: media open data1\\kenor.avi", 30s)) {
        std::fputs("no intro\n", stderr);
        return 1;
    }
    x.run({"xdotool", "key", "Escape"});
    if (!reader.waitForLine("ovta: activate falam1", 30s)) {
        std::fputs("no main menu\n", stderr);
        return 1;
    }
    Run run{x, reader};

    std::printf("%8s %14s %16s %8s\n", "minute", "resident MiB", "screens opened", "errors");
    std::vector<long> samples{reader.residentKiB()};
    std::printf("%8d %14.2f %16ld %8ld\n", 0, samples.back() / 1024.0, run.screensOpened,
                run.errors);
    std::fflush(stdout);
    const auto start = Clock::now();
    int step = 0;
    for (int minute = 1; minute <= minutes; ++minute) {
        while (Clock::now() - start < std::chrono::minutes(minute)) {
            run.visit(step % 9, 1 + (step / 9) % 4);
            ++step;
        }
        const long rss = reader.residentKiB();
        if (rss <= 0) {
            const auto code = reader.wait(1s);
            std::printf("the reader ended at minute %d, exit code %s\n", minute,
                        code ? std::to_string(*code).c_str() : "unknown");
            return 1;
        }
        samples.push_back(rss);
        std::printf("%8d %14.2f %16ld %8ld\n", minute, rss / 1024.0, run.screensOpened, run.errors);
        std::fflush(stdout);
    }

    const std::size_t settled = std::min<std::size_t>(5, samples.size() - 1);
    const long base = samples[settled];
    const long peak =
        *std::max_element(samples.begin() + static_cast<long>(settled), samples.end());
    std::printf("after minute %zu: %.2f MiB; at the end: %.2f MiB; growth %.2f MiB "
                "(peak %.2f MiB); %ld screens opened, %ld errors reported\n",
                settled, base / 1024.0, samples.back() / 1024.0, (samples.back() - base) / 1024.0,
                peak / 1024.0, run.screensOpened, run.errors);
    // A sample falls wherever the route happens to be, so single samples
    // wander by a megabyte or two; the trend is the least-squares line
    // through the samples after the first five minutes.
    const double trend = trendKiBPerMinute(samples, settled);
    const double over = trend * static_cast<double>(samples.size() - 1 - settled);
    std::printf("trend after minute %zu: %.3f MiB per hour, %.2f MiB over the run's remaining "
                "%zu minutes: memory %s (growth under 1 MiB after the first five minutes)\n",
                settled, trend * 60 / 1024.0, over / 1024.0, samples.size() - 1 - settled,
                over < 1024 ? "flat" : "GREW");

    x.run({"xdotool", "key", "Escape"});
    const auto code = reader.wait(15s);
    std::printf("exit code %s\n", code ? std::to_string(*code).c_str() : "none (still running)");
    return 0;
}
