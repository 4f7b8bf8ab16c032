// The intro's video, seen as a user sees it: on an X server and on a
// Wayland compositor (in memory, with its CPU and its GL renderer), the
// panel in the middle of the intro shows the moving video, not a black or
// blank box.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>

#include "support/reader_run.h"
#include "support/wayland_session.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The intro's video panel on the 640x480 screen centred on 1024x768, less
// a margin for its edges.
constexpr int kPanelLeft = (1024 - 640) / 2 + 161 + 4;
constexpr int kPanelTop = (768 - 480) / 2 + 120 + 4;
constexpr int kPanelWidth = 320 - 8;
constexpr int kPanelHeight = 240 - 8;

// The demo video is a star turning on a deep blue ground: most of the
// panel must be that blue.
double blueShare(const Pixels& p)
{
    if (p.empty())
        return 0;
    int blue = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const unsigned c = p.at(x, y);
            const int r = int(c >> 16 & 0xff), g = int(c >> 8 & 0xff), b = int(c & 0xff);
            blue += b >= 40 && b > r + 20 && b > g;
        }
    return double(blue) / (p.width * p.height);
}

double changedShare(const Pixels& a, const Pixels& b)
{
    int changed = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            changed += a.at(x, y) != b.at(x, y);
    return double(changed) / (a.width * a.height);
}

class IntroVideoRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(fs::path(OVTA_DEMO_DIR) / "data1" / "kenor.avi"))
            << "demo content missing: build the demo target";
    }

    // Runs the reader until its video plays and takes screenshots until the
    // panel shows the video (its first frames fade in from black, and a
    // cold start may show them late); one more a moment later must show the
    // video too, moved on.
    void expectVideoShows(const std::vector<std::string>& env,
                          const std::function<bool(const fs::path&)>& shoot, const std::string& tag)
    {
        auto readerEnv = env;
        readerEnv.push_back("OVTA_TRACE=1");
        Process reader({OVTA_BINARY, OVTA_DEMO_DIR}, readerEnv);
        ASSERT_TRUE(reader.waitForLine("ovta: media play data1\\kenor.avi", 30s))
            << ReaderRunTest::joined(reader.lines());
        const fs::path first = fs::path(OVTA_SHOT_DIR) / ("intro_video_" + tag + ".png");
        const fs::path second = fs::path(OVTA_SHOT_DIR) / ("intro_video_" + tag + "_later.png");
        Pixels a;
        for (int i = 0; i < 12 && blueShare(a) <= 0.6; ++i) {
            std::this_thread::sleep_for(250ms);
            ASSERT_TRUE(shoot(first));
            a = readPixels(first, kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
            ASSERT_FALSE(a.empty()) << first;
        }
        EXPECT_GT(blueShare(a), 0.6) << "the video panel does not show the video: " << first;
        std::this_thread::sleep_for(400ms);
        ASSERT_TRUE(shoot(second));
        // Both screenshots were taken while the intro still played.
        while (reader.readLine(0ms)) {
        }
        ASSERT_EQ(ReaderRunTest::joined(reader.lines()).find("ovta: release firstflc"),
                  std::string::npos)
            << "the intro ended before the screenshots were taken";
        const Pixels b = readPixels(second, kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
        ASSERT_FALSE(b.empty()) << second;
        EXPECT_GT(blueShare(b), 0.6) << "the video panel does not show the video: " << second;
        EXPECT_GT(changedShare(a, b), 0.005) << "the video stands still: " << first;
    }
};

TEST_F(IntroVideoRun, ShowsOnAnXServer)
{
    if (!haveProgram("Xvfb") || !haveProgram("import"))
        GTEST_SKIP() << "Xvfb and ImageMagick are needed";
    XServer x;
    ASSERT_TRUE(x.running());
    expectVideoShows({"DISPLAY=" + x.display(), "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY"},
                     [&](const fs::path& file) {
                         fs::create_directories(file.parent_path());
                         return x.run({"import", "-window", "root", file.string()}) == 0;
                     },
                     "x11");
}

TEST_F(IntroVideoRun, ShowsOnAWaylandCompositorWithEitherRenderer)
{
    if (!haveProgram("weston") || !haveProgram("weston-screenshooter"))
        GTEST_SKIP() << "weston is needed";
    const std::pair<WestonServer::Renderer, const char*> renderers[] = {
        {WestonServer::Renderer::Pixman, "wayland_pixman"},
        {WestonServer::Renderer::Gl, "wayland_gl"},
    };
    for (const auto& [renderer, tag] : renderers) {
        SCOPED_TRACE(tag);
        WestonServer weston(renderer);
        ASSERT_TRUE(weston.running()) << weston.log();
        expectVideoShows(weston.clientEnv(),
                         [&](const fs::path& file) { return weston.screenshot(file); }, tag);
    }
}

} // namespace
} // namespace ovta::test
