// What a user feels, measured on the demo content under a private X display:
// start-up to the main menu (intro skipped with Esc as soon as it shows),
// resident memory at the idle main menu, and CPU used there over 20 s with
// its ten timers and the music playing. Each beside a bare Qt window.
#include <chrono>
#include <cstdio>
#include <thread>

#include "support/x_session.h"

using namespace std::chrono_literals;
using ovta::test::Process;
using ovta::test::XServer;
using Clock = std::chrono::steady_clock;

namespace {

struct Figures {
    double startMs = -1;
    long rssKiB = -1;
    double idleCpuPercent = -1;
};

Figures measure(XServer& x, const std::vector<std::string>& argv, const char* skipAt,
                const char* readyAt, int idleSeconds)
{
    Figures f;
    const auto start = Clock::now();
    Process p(argv, {"DISPLAY=" + x.display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb"});
    if (skipAt) {
        if (!p.waitForLine(skipAt, 30s))
            return f;
        x.run({"xdotool", "key", "Escape"});
    }
    if (!p.waitForLine(readyAt, 30s))
        return f;
    f.startMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(3s);  // let the music start and caches settle
    f.rssKiB = p.residentKiB();
    const long cpu0 = p.cpuMs();
    const auto t0 = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const long cpu1 = p.cpuMs();
    const double wall = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    f.idleCpuPercent = 100.0 * static_cast<double>(cpu1 - cpu0) / wall;
    return f;
}

// CPU over `idleSeconds` with another screen over the menu, reached from
// the idle main menu with the given keys: the screen's own animations run
// then, the menu's are stopped.
double idleCpuOn(XServer& x, const std::vector<std::string>& keys, const char* readyAt,
                 int idleSeconds)
{
    Process p({OVTA_BINARY, OVTA_DEMO_DIR},
              {"DISPLAY=" + x.display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb"});
    if (!p.waitForLine("ovta: media open data1\\kenor.avi", 30s))
        return -1;
    x.run({"xdotool", "key", "Escape"});
    if (!p.waitForLine("ovta: activate falam1", 30s))
        return -1;
    std::vector<std::string> argv{"xdotool", "key", "--delay", "60"};
    argv.insert(argv.end(), keys.begin(), keys.end());
    x.run(argv);
    if (!p.waitForLine(readyAt, 30s))
        return -1;
    std::this_thread::sleep_for(3s);
    const long cpu0 = p.cpuMs();
    const auto t0 = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const long cpu1 = p.cpuMs();
    const double wall = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    return 100.0 * static_cast<double>(cpu1 - cpu0) / wall;
}

}  // namespace

int main(int argc, char** argv)
{
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 20;
    XServer x;
    if (!x.running()) {
        std::fputs("Xvfb did not start\n", stderr);
        return 1;
    }
    const Figures reader = measure(x, {OVTA_BINARY, OVTA_DEMO_DIR}, "ovta: media open data1\\kenor.avi",
                                   "ovta: activate falam1", idleSeconds);
    const Figures bare = measure(x, {BARE_BINARY}, nullptr, "ovta: activate bare", idleSeconds);
    std::printf("%-34s %12s %12s\n", "", "ovta", "bare Qt");
    std::printf("%-34s %12.0f %12.0f\n", "start-up to main menu (ms)", reader.startMs, bare.startMs);
    std::printf("%-34s %12.1f %12.1f\n", "resident memory at idle (MiB)", reader.rssKiB / 1024.0,
                bare.rssKiB / 1024.0);
    std::printf("%-34s %12.2f %12.2f\n", "CPU at idle main menu (%)", reader.idleCpuPercent,
                bare.idleCpuPercent);
    std::printf("(idle CPU over %d s; the reader's start-up includes opening the intro video\n"
                " and skipping it with Esc)\n",
                idleSeconds);

    // Menu positions: 4 is the section label with Tag 1 (frm41), 3 the about picture.
    const double home = idleCpuOn(x, {"Down", "Down", "Down", "Down", "Return"},
                                  "ovta: activate frm41", idleSeconds);
    const double about = idleCpuOn(x, {"Down", "Down", "Down", "Return"}, "ovta: activate fabout",
                                   idleSeconds);
    std::printf("%-34s %12.2f\n", "CPU at idle section home (%)", home);
    std::printf("%-34s %12.2f\n", "CPU at idle about screen (%)", about);
    std::printf("(a home pans its 640x480 panorama once a second; the about screen scrolls its\n"
                " band every 200 ms and its credits every 1.3 s)\n");
    return 0;
}
