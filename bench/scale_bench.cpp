// What drawing at a display factor costs, on the demo content under a
// private X display of 1920x1440 (3840x2160 for factor 4): start-up to the
// main menu, resident memory and CPU at the idle main menu, and CPU while
// the intro video plays (its frames are converted and drawn by the reader).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/x_session.h"

using namespace std::chrono_literals;
using ovta::test::Process;
using ovta::test::XServer;
using Clock = std::chrono::steady_clock;

namespace {

struct Figures {
    double videoMs = -1;
    double menuMs = -1;
    double videoCpuPercent = -1;
    long rssKiB = -1;
    double idleCpuPercent = -1;
};

double cpuPercentOver(const Process& p, std::chrono::milliseconds span)
{
    const long cpu0 = p.cpuMs();
    const auto t0 = Clock::now();
    std::this_thread::sleep_for(span);
    const long cpu1 = p.cpuMs();
    const double wall = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    return 100.0 * static_cast<double>(cpu1 - cpu0) / wall;
}

Figures measure(XServer& x, int factor, int idleSeconds)
{
    Figures f;
    const auto start = Clock::now();
    Process p({OVTA_BINARY, OVTA_DEMO_DIR, "--scale", std::to_string(factor)},
              {"DISPLAY=" + x.display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb"});
    if (!p.waitForLine("ovta: media play data1\\kenor.avi", 30s))
        return f;
    f.videoMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    // The demo video lasts five seconds: measure three of them.
    std::this_thread::sleep_for(500ms);
    f.videoCpuPercent = cpuPercentOver(p, 3s);
    const auto skipped = Clock::now();
    x.run({"xdotool", "key", "Escape"});
    if (!p.waitForLine("ovta: activate falam1", 30s))
        return f;
    f.menuMs = std::chrono::duration<double, std::milli>(Clock::now() - skipped).count();
    std::this_thread::sleep_for(3s);
    f.rssKiB = p.residentKiB();
    f.idleCpuPercent = cpuPercentOver(p, std::chrono::seconds(idleSeconds));
    return f;
}

}  // namespace

int main(int argc, char** argv)
{
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 10;
    std::printf("%-7s %-10s %9s %8s %10s %9s %9s\n", "factor", "display", "video ms",
                "menu ms", "video CPU%", "idle MiB", "idle CPU%");
    for (const int factor : {1, 2, 3, 4}) {
        const char* display = factor == 4 ? "3840x2160" : "1920x1440";
        XServer x(std::string(display) + "x24");
        if (!x.running()) {
            std::fputs("Xvfb did not start\n", stderr);
            return 1;
        }
        const Figures f = measure(x, factor, idleSeconds);
        std::printf("%-7d %-10s %9.0f %8.0f %10.1f %9.1f %9.2f\n", factor, display, f.videoMs,
                    f.menuMs, f.videoCpuPercent, f.rssKiB / 1024.0, f.idleCpuPercent);
    }
    std::printf("(video ms: start to the intro video playing; menu ms: Esc on the intro to the\n"
                " main menu; video CPU over 3 s of the intro video; idle at the main menu,\n"
                " CPU over %d s)\n",
                idleSeconds);
    return 0;
}
