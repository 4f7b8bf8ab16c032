// The real reader on the demo content, on a private X display: it starts,
// plays the intro to its end, shows the main menu, and Esc ends the run.
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

using ReaderRun = ReaderRunTest;

TEST_F(ReaderRun, IntroEndsByItselfThenEscEndsTheRun)
{
    auto reader = startReader();
    ASSERT_TRUE(reader->waitForLine("ovta: activate firstflc", 30s)) << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: media open data1\\kenor.avi", 20s))
        << joined(reader->lines());
    // Nobody touches anything: the video runs to its end.
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 60s)) << joined(reader->lines());
    EXPECT_TRUE(reader->waitForLine("ovta: media open data1\\kenor.wav", 10s))
        << joined(reader->lines());
    // The music goes to the player for sound alone, which names the sink it
    // plays into (the intro's player does not), and it plays.
    EXPECT_TRUE(reader->waitForLine("ovta: media sink ", 1s)) << joined(reader->lines());
    EXPECT_TRUE(reader->waitForLine("ovta: media play data1\\kenor.wav from=0", 2s))
        << joined(reader->lines());
    for (const auto& line : reader->lines())
        EXPECT_EQ(line.find("ovta: error"), std::string::npos) << line;
    screenshot("main_menu.png");

    x->run({"xdotool", "key", "Escape"});
    const auto code = reader->wait(15s);
    ASSERT_TRUE(code.has_value()) << "still running after Esc\n" << joined(reader->lines());
    EXPECT_EQ(*code, 0);
    EXPECT_NE(joined(reader->lines()).find("ovta: terminate"), std::string::npos);
}

TEST_F(ReaderRun, EscDuringTheIntroSkipsToTheMenu)
{
    auto reader = startReader();
    ASSERT_TRUE(reader->waitForLine("ovta: media open data1\\kenor.avi", 30s))
        << joined(reader->lines());
    x->run({"xdotool", "key", "Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 10s)) << joined(reader->lines());
    // The window's title reads exactly as the screen set it: nothing of the
    // application's name appended.
    bool titled = false;
    for (int i = 0; i < 50 && !titled; ++i) {
        titled = x->run({"xdotool", "search", "--name", "^ovta$"}) == 0;
        if (!titled)
            std::this_thread::sleep_for(100ms);
    }
    EXPECT_TRUE(titled) << "no window titled exactly \"ovta\"";
    // The icon comes once the first picture is up.
    bool icon = false;
    for (int i = 0; i < 50 && !icon; ++i) {
        icon = x->run({"sh", "-c", "xprop -name ovta _NET_WM_ICON | grep -q 'Icon (48 x 48)'"}) == 0;
        if (!icon)
            std::this_thread::sleep_for(100ms);
    }
    EXPECT_TRUE(icon) << "the window has no icon";
    x->run({"xdotool", "key", "Escape"});
    const auto code = reader->wait(15s);
    ASSERT_TRUE(code.has_value()) << joined(reader->lines());
    EXPECT_EQ(*code, 0);
}

} // namespace
} // namespace ovta::test
