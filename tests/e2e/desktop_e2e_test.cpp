// The reader as a desktop program: what it says when it cannot run (no
// content, no display), its version, and closing its window through the
// window manager, which must end the run as the main menu's exit does.
#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/fixture_dir.h"
#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

// Runs the reader to its end without any display; returns its exit code
// and keeps what it printed on stderr.
int runWithoutDisplay(const std::vector<std::string>& args, std::string& printed)
{
    std::vector<std::string> argv{OVTA_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    Process reader(argv, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    const auto code = reader.wait(20s);
    while (reader.readLine(100ms)) {
    }
    printed = ReaderRunTest::joined(reader.lines());
    if (!code) {
        reader.kill();
        return -1;
    }
    return *code;
}

TEST(ReaderCommandLine, SaysWhatIsWrongInsteadOfStarting)
{
    FixtureDir empty;
    FixtureDir halfCopy;
    std::filesystem::create_directories(halfCopy.path() / "DATA");
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int code;
        std::vector<std::string> says;
    };
    const Case cases[] = {
        {"an empty folder",
         {empty.path().string()},
         2,
         {"'" + empty.path().string() + "' holds no encyclopaedia content: missing data\\ and data1\\",
          "build/ovta build/demo"}},
        {"a copy without data1", {halfCopy.path().string()}, 2, {"missing data1\\"}},
        {"the content but no display",
         {OVTA_DEMO_DIR},
         2,
         {"no display found", "xvfb-run"}},
        {"a folder that is not there", {"/nonexistent/ovta"}, 2, {"is not a directory"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string printed;
        EXPECT_EQ(runWithoutDisplay(c.args, printed), c.code) << printed;
        for (const auto& s : c.says)
            EXPECT_NE(printed.find(s), std::string::npos) << "no \"" << s << "\" in:\n" << printed;
        EXPECT_EQ(printed.find("reinstalling"), std::string::npos) << printed;
    }
}

TEST(ReaderCommandLine, PrintsItsVersion)
{
    const std::string command = std::string(OVTA_BINARY) + " --version";
    FILE* out = popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::array<char, 128> buffer{};
    std::string printed;
    while (std::fgets(buffer.data(), buffer.size(), out))
        printed += buffer.data();
    EXPECT_EQ(pclose(out), 0);
    EXPECT_EQ(printed.rfind("ovta ", 0), 0u) << printed;
    EXPECT_GT(printed.size(), 6u);
}

// A normal run, from the intro to the menu and out with Esc, prints
// nothing: the libraries' warnings (no sound server here) stay out of the
// terminal unless the trace is on.
TEST_F(ReaderRunTest, ANormalRunKeepsTheTerminalQuiet)
{
    Process reader({OVTA_BINARY, OVTA_DEMO_DIR},
                   {"DISPLAY=" + x->display(), "QT_QPA_PLATFORM=xcb", "OVTA_TRACE"});
    std::this_thread::sleep_for(3s);
    x->run({"xdotool", "key", "Escape"});
    std::this_thread::sleep_for(1500ms);
    x->run({"xdotool", "key", "Escape"});
    const auto code = reader.wait(15s);
    while (reader.readLine(100ms)) {
    }
    ASSERT_TRUE(code.has_value()) << joined(reader.lines());
    EXPECT_EQ(*code, 0);
    EXPECT_TRUE(reader.lines().empty()) << joined(reader.lines());
}

// Under a window manager, its close (wmctrl, Alt+F4) reaches the reader's
// one window and ends the run cleanly.
class WindowManagerRun : public ReaderRunTest {
protected:
    void SetUp() override
    {
        ReaderRunTest::SetUp();
        if (IsSkipped())
            return;
        if (!haveProgram("openbox") || !haveProgram("wmctrl"))
            GTEST_SKIP() << "openbox and wmctrl are needed to close the window as a user does";
        wm_ = std::make_unique<Process>(std::vector<std::string>{"openbox"},
                                        std::vector<std::string>{"DISPLAY=" + x->display()});
        bool managed = false;
        for (int i = 0; i < 100 && !managed; ++i) {
            managed = x->run({"wmctrl", "-m"}) == 0;
            if (!managed)
                std::this_thread::sleep_for(100ms);
        }
        ASSERT_TRUE(managed) << "openbox did not start";
    }

    void TearDown() override { wm_.reset(); }

private:
    std::unique_ptr<Process> wm_;
};

TEST_F(WindowManagerRun, ClosingTheWindowEndsTheRunWithExitCodeZero)
{
    const std::vector<std::vector<std::string>> closes = {
        {"wmctrl", "-c", "ovta"},
        {"xdotool", "key", "alt+F4"},
    };
    for (const auto& close : closes) {
        SCOPED_TRACE(close.front());
        auto reader = startAtMenu();
        ASSERT_TRUE(reader);
        // The window manager must know the window by its title first.
        bool known = false;
        for (int i = 0; i < 50 && !known; ++i) {
            known = x->run({"xdotool", "search", "--name", "^ovta$"}) == 0;
            if (!known)
                std::this_thread::sleep_for(100ms);
        }
        ASSERT_TRUE(known);
        x->run(close);
        const auto code = reader->wait(15s);
        ASSERT_TRUE(code.has_value()) << "still running after the close\n" << joined(reader->lines());
        EXPECT_EQ(*code, 0);
        const std::string all = joined(reader->lines());
        EXPECT_NE(all.find("ovta: system close"), std::string::npos) << all;
        EXPECT_NE(all.find("ovta: terminate"), std::string::npos) << all;
    }
}

} // namespace
} // namespace ovta::test
