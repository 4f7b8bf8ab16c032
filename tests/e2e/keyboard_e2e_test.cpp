// The real reader on the demo content, driven by the keyboard alone under a
// private X display: the arrows pick a section on the main menu and Enter
// opens its home; there the arrows pick the help hot spot and Enter opens
// the overview; Esc comes back; the arrows reach the exit and Enter leaves
// the home. The real pointer must sit on each target's centre on the
// desktop, wherever the centred screen lies on it.
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

using KeyboardRun = ReaderRunTest;

TEST_F(KeyboardRun, OpensAHomeEntersATargetAndComesBack)
{
    auto reader = startReader();
    ASSERT_TRUE(reader->waitForLine("ovta: media open data1\\kenor.avi", 30s))
        << joined(reader->lines());
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 15s)) << joined(reader->lines());

    // The 640x480 screens sit centred on the 1024x768 display.
    const int left = (1024 - 640) / 2, top = (768 - 480) / 2;
    // Menu positions: 1 exit, 2 credits, 3 about, then the section labels
    // Tag 1..9; Tag 3 (landmarks) is position 6, its label at 64,357, 131x100.
    keys({"Down", "Down", "Down", "Down", "Down", "Down"});
    EXPECT_EQ(x->pointerSettlesAt({left + 64 + 65, top + 357 + 50}),
              std::make_pair(left + 64 + 65, top + 357 + 50));
    keys({"Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm01", 15s)) << joined(reader->lines());

    // Position 1 of the home is the tall help panel at -1,-1, 64x291.
    keys({"Down"});
    EXPECT_EQ(x->pointerSettlesAt({left - 1 + 32, top - 1 + 145}),
              std::make_pair(left - 1 + 32, top - 1 + 145));
    screenshot("keyboard_home.png");
    keys({"Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm24", 15s)) << joined(reader->lines());
    screenshot("keyboard_overview.png");
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm01", 15s)) << joined(reader->lines());

    // Up from position 1 wraps to the exit, Panel3 at -1,416.
    keys({"Up"});
    EXPECT_EQ(x->pointerSettlesAt({left - 1 + 32, top + 416 + 32}),
              std::make_pair(left - 1 + 32, top + 416 + 32));
    keys({"Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 15s)) << joined(reader->lines());

    keys({"Escape"});
    const auto code = reader->wait(15s);
    ASSERT_TRUE(code.has_value()) << "still running after Esc\n" << joined(reader->lines());
    EXPECT_EQ(*code, 0);
    const std::string all = joined(reader->lines());
    EXPECT_NE(all.find("ovta: release frm24"), std::string::npos);
    EXPECT_NE(all.find("ovta: release frm01"), std::string::npos);
    EXPECT_EQ(all.find("ovta: error"), std::string::npos) << all;
}

} // namespace
} // namespace ovta::test
