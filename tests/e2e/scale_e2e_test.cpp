// The reader on large displays: everything it draws is enlarged by one
// whole factor, the largest at which the 640x480 screens fit, whatever
// scale the desktop itself asks for; --scale chooses another. At every
// factor the pictures are enlarged pixel for pixel, clicks land on the hot
// spots drawn under them, the keyboard puts the pointer on its target and
// the search dialog stands where it is drawn.
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <utility>

#include "support/reader_run.h"
#include "support/wayland_session.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kWidth = 1920;
constexpr int kHeight = 1440;

// Where a point of the 640x480 screen lies on the display at factor f: the
// screen is centred on the display's size in enlarged units.
std::pair<int, int> onDisplay(int f, int screenX, int screenY)
{
    const int left = (kWidth / f - 640) / 2;
    const int top = (kHeight / f - 480) / 2;
    return {f * (left + screenX), f * (top + screenY)};
}

class ScaledRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveProgram("Xvfb") || !haveProgram("xdotool") || !haveProgram("import"))
            GTEST_SKIP() << "Xvfb, xdotool and ImageMagick are needed for end-to-end runs";
        ASSERT_TRUE(fs::exists(fs::path(OVTA_DEMO_DIR) / "data"))
            << "demo content missing: build the demo target";
    }

    void startDisplay(const std::string& screen)
    {
        x = std::make_unique<XServer>(screen + "x24");
        ASSERT_TRUE(x->running()) << "Xvfb did not start";
    }

    std::unique_ptr<Process> startReader(const std::vector<std::string>& args,
                                         std::vector<std::string> env = {})
    {
        std::vector<std::string> argv{OVTA_BINARY, OVTA_DEMO_DIR};
        argv.insert(argv.end(), args.begin(), args.end());
        env.insert(env.end(), {"DISPLAY=" + x->display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb",
                               "WAYLAND_DISPLAY"});
        return std::make_unique<Process>(argv, env);
    }

    // Started at factor f, past the intro and on the main menu.
    std::unique_ptr<Process> startAtMenu(int f)
    {
        auto reader = startReader({"--scale", std::to_string(f)});
        if (!reader->waitForLine("ovta: media open data1\\kenor.avi", 30s)) {
            ADD_FAILURE() << "no intro\n" << ReaderRunTest::joined(reader->lines());
            return nullptr;
        }
        keys({"Escape"});
        if (!reader->waitForLine("ovta: activate falam1", 15s)) {
            ADD_FAILURE() << "no main menu\n" << ReaderRunTest::joined(reader->lines());
            return nullptr;
        }
        return reader;
    }

    void keys(const std::vector<std::string>& names)
    {
        std::vector<std::string> argv{"xdotool", "key", "--delay", "80"};
        argv.insert(argv.end(), names.begin(), names.end());
        x->run(argv);
    }

    void clickAt(std::pair<int, int> at)
    {
        x->run({"xdotool", "mousemove", std::to_string(at.first), std::to_string(at.second)});
        std::this_thread::sleep_for(150ms);
        x->run({"xdotool", "click", "1"});
    }

    fs::path screenshot(const std::string& name)
    {
        fs::create_directories(OVTA_SHOT_DIR);
        const fs::path file = fs::path(OVTA_SHOT_DIR) / name;
        x->run({"import", "-window", "root", file.string()});
        return file;
    }

    std::unique_ptr<XServer> x;
};

// The value after `prefix` in the first trace line that starts with it.
std::string traced(const Process& reader, const std::string& prefix)
{
    for (const auto& line : reader.lines())
        if (line.rfind(prefix, 0) == 0)
            return line.substr(prefix.size());
    return {};
}

TEST_F(ScaledRun, TheFactorFitsTheDisplayAndTheDesktopScaleDoesNotMultiplyIt)
{
    struct Case {
        const char* screen;
        std::vector<std::string> args;
        std::vector<std::string> env;
        // Set on the X server as the desktop's text resolution.
        const char* xftDpi;
        const char* scale;
        const char* backdrop;
    };
    const Case cases[] = {
        {"1024x768", {}, {}, nullptr, "1 screen=1024x768", "1024x768"},
        {"1920x1080", {}, {}, nullptr, "2 screen=1920x1080", "960x540"},
        {"2560x1440", {}, {}, nullptr, "2 screen=2560x1440", "1280x720"},
        {"3840x2160", {}, {}, nullptr, "4 screen=3840x2160", "960x540"},
        {"2560x1920", {}, {"QT_SCALE_FACTOR=2"}, nullptr, "3 screen=2560x1920", "853x640"},
        {"2560x1920", {}, {"QT_SCREEN_SCALE_FACTORS=2"}, "192", "3 screen=2560x1920", "853x640"},
        {"1920x1440", {"--scale", "1"}, {"QT_SCALE_FACTOR=2"}, nullptr, "1 screen=1920x1440",
         "1920x1440"},
        {"2560x1440", {"--scale=2"}, {}, nullptr, "2 screen=2560x1440", "1280x720"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.screen) + " " + (c.env.empty() ? "" : c.env.front()));
        startDisplay(c.screen);
        if (c.xftDpi) {
            ASSERT_EQ(x->run({"xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set",
                              "RESOURCE_MANAGER", std::string("Xft.dpi:\t") + c.xftDpi + "\n"}),
                      0);
        }
        auto reader = startReader(c.args, c.env);
        ASSERT_TRUE(reader->waitForLine("ovta: backdrop size=", 30s))
            << ReaderRunTest::joined(reader->lines());
        EXPECT_EQ(traced(*reader, "ovta: display scale="), c.scale);
        EXPECT_EQ(traced(*reader, "ovta: backdrop size="), c.backdrop);
        reader.reset();
        x.reset();
    }
}

TEST(ScaleOption, RefusesAnythingButAWholeFactor)
{
    for (const char* bad : {"0", "17", "-2", "1.5", "two", ""}) {
        SCOPED_TRACE(bad);
        Process reader({OVTA_BINARY, "--scale", bad, OVTA_DEMO_DIR},
                       {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
        const auto code = reader.wait(20s);
        while (reader.readLine(100ms)) {
        }
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(*code, 2);
        const std::string printed = ReaderRunTest::joined(reader.lines());
        EXPECT_NE(printed.find("--scale needs a whole number from 1 to 16"), std::string::npos)
            << printed;
    }
}

TEST(ScaleOption, IsListedInTheHelp)
{
    // --help prints on stdout, which Process drops: read it through a shell.
    Process shell({"sh", "-c", std::string("'") + OVTA_BINARY + "' --help 1>&2"}, {});
    const auto code = shell.wait(20s);
    while (shell.readLine(100ms)) {
    }
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0);
    const std::string printed = ReaderRunTest::joined(shell.lines());
    EXPECT_NE(printed.find("Usage: ovta [--scale N] [CONTENT-DIR]"), std::string::npos) << printed;
    EXPECT_NE(printed.find("  --scale N "), std::string::npos) << printed;
}

// A click on a hot spot, the keyboard's pointer placement and a click in the
// search dialog, at the display position each is drawn at for factor f.
TEST_F(ScaledRun, HotSpotsPointerAndSearchDialogLandWhereTheyAreDrawn)
{
    for (const int f : {1, 2, 3}) {
        SCOPED_TRACE("factor " + std::to_string(f));
        startDisplay(std::to_string(kWidth) + "x" + std::to_string(kHeight));
        auto reader = startAtMenu(f);
        ASSERT_TRUE(reader);

        // Menu position 6 is the landmarks label at 64,357, 131x100: the
        // keyboard puts the pointer on its centre.
        keys({"Down", "Down", "Down", "Down", "Down", "Down"});
        const auto centre = onDisplay(f, 64 + 65, 357 + 50);
        EXPECT_EQ(x->pointerSettlesAt(centre), centre);
        // A click just inside its top-left corner opens the landmarks home.
        clickAt(onDisplay(f, 64 + 2, 357 + 2));
        ASSERT_TRUE(reader->waitForLine("ovta: activate frm01", 15s))
            << ReaderRunTest::joined(reader->lines());

        keys({"Down", "Down", "Down", "Return"});
        ASSERT_TRUE(reader->waitForLine("ovta: activate frm02", 15s))
            << ReaderRunTest::joined(reader->lines());
        // The list's search button, 177,393, 64x64, just inside its far
        // corner.
        clickAt(onDisplay(f, 177 + 62, 393 + 62));
        ASSERT_TRUE(reader->waitForLine("ovta: activate sear", 15s))
            << ReaderRunTest::joined(reader->lines());
        screenshot("scale_search_" + std::to_string(f) + ".png");
        // The dialog stands at 259,293 over the screen; its close button
        // is at 22,92, 97x33 in it: a click just inside its corner.
        clickAt(onDisplay(f, 259 + 22 + 2, 293 + 92 + 2));
        ASSERT_TRUE(reader->waitForLine("ovta: activate frm02", 15s))
            << ReaderRunTest::joined(reader->lines());
        EXPECT_EQ(ReaderRunTest::joined(reader->lines()).find("ovta: error"), std::string::npos)
            << ReaderRunTest::joined(reader->lines());
        reader.reset();
        x.reset();
    }
}

// Share of f x f blocks of `big` that are one colour, equal to the pixel of
// `small` they enlarge.
double enlargedShare(const Pixels& small, const Pixels& big, int f)
{
    int same = 0;
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x) {
            bool block = true;
            for (int dy = 0; dy < f && block; ++dy)
                for (int dx = 0; dx < f && block; ++dx)
                    block = big.at(f * x + dx, f * y + dy) == small.at(x, y);
            same += block;
        }
    return double(same) / (small.width * small.height);
}

TEST_F(ScaledRun, TheMenuIsDrawnEnlargedPixelForPixel)
{
    Pixels atOne;
    for (const int f : {1, 2, 3}) {
        SCOPED_TRACE("factor " + std::to_string(f));
        startDisplay(std::to_string(kWidth) + "x" + std::to_string(kHeight));
        auto reader = startAtMenu(f);
        ASSERT_TRUE(reader);
        // The pointer away from every hot spot, and the menu settled.
        x->run({"xdotool", "mousemove", "0", "0"});
        std::this_thread::sleep_for(1500ms);
        const fs::path shot = screenshot("scale_menu_" + std::to_string(f) + ".png");
        const auto [left, top] = onDisplay(f, 0, 0);
        const Pixels screen = readPixels(shot, left, top, 640 * f, 480 * f);
        ASSERT_FALSE(screen.empty()) << shot;
        // Outside the screen the display stays black.
        const Pixels whole = readPixels(shot, 0, 0, kWidth, kHeight);
        ASSERT_FALSE(whole.empty());
        if (left > 0) {
            EXPECT_EQ(whole.at(left - 1, top + 10), 0u);
        }
        if (f == 1) {
            atOne = screen;
            continue;
        }
        ASSERT_FALSE(atOne.empty());
        const double share = enlargedShare(atOne, screen, f);
        std::printf("factor %d: %.3f of the menu's pixels enlarged exactly\n", f, share);
        EXPECT_GT(share, 0.85);
        reader.reset();
        x.reset();
    }
}

// A Wayland compositor that enlarges its output by 2 itself gives the
// reader a 640x480 output in its units: the reader adds nothing, and the
// intro shows at twice its size, pixel for pixel, not at four times.
TEST(ScaledWaylandRun, TheCompositorsOwnScaleIsNotMultiplied)
{
    if (!haveProgram("weston") || !haveProgram("weston-screenshooter") || !haveProgram("convert"))
        GTEST_SKIP() << "weston and ImageMagick are needed";
    Pixels shots[2];
    for (const int compositorScale : {1, 2}) {
        SCOPED_TRACE("compositor scale " + std::to_string(compositorScale));
        WestonServer weston(WestonServer::Renderer::Pixman, "640x480",
                            {"--scale=" + std::to_string(compositorScale)});
        ASSERT_TRUE(weston.running()) << weston.log();
        auto env = weston.clientEnv();
        env.push_back("OVTA_TRACE=1");
        Process reader({OVTA_BINARY, OVTA_DEMO_DIR}, env);
        ASSERT_TRUE(reader.waitForLine("ovta: media play data1\\kenor.avi", 30s))
            << ReaderRunTest::joined(reader.lines());
        EXPECT_EQ(traced(reader, "ovta: display scale="), "1 screen=640x480");
        std::this_thread::sleep_for(500ms);
        const fs::path shot = fs::path(OVTA_SHOT_DIR) /
                              ("scale_wayland_output_" + std::to_string(compositorScale) + ".png");
        ASSERT_TRUE(weston.screenshot(shot));
        const int size = compositorScale;
        shots[compositorScale - 1] = readPixels(shot, 0, 0, 640 * size, 480 * size);
        ASSERT_FALSE(shots[compositorScale - 1].empty()) << shot;
    }
    // The still picture around the video panel (161,120, 320x240) is the
    // same, each pixel doubled.
    int same = 0, counted = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            if (x >= 161 && x < 481 && y >= 120 && y < 360)
                continue;
            ++counted;
            bool block = true;
            for (int d = 0; d < 4 && block; ++d)
                block = shots[1].at(2 * x + d % 2, 2 * y + d / 2) == shots[0].at(x, y);
            same += block;
        }
    const double share = double(same) / counted;
    std::printf("compositor scale 2: %.3f of the intro's pixels doubled exactly\n", share);
    EXPECT_GT(share, 0.85);
}

} // namespace
} // namespace ovta::test
