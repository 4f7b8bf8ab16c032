// The real reader on the demo content, on a private X display, driven by
// the keys alone: from the main menu to each list screen through its
// section home, a title opened on each, and back.
#include <filesystem>
#include <gtest/gtest.h>

#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

using ListsRun = ReaderRunTest;

TEST_F(ListsRun, EachListScreenByKeysFromTheMainMenuWithATitleOpened)
{
    ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(OVTA_DEMO_DIR) / "data" / "kenor43"))
        << "demo content missing: build the demo target";
    auto started = startAtMenu();
    ASSERT_TRUE(started);
    Process& reader = *started;

    auto press = [this](const char* key, int times) {
        keys(std::vector<std::string>(static_cast<std::size_t>(times), key), 80);
    };
    auto expect = [&reader](const std::string& prefix) {
        ASSERT_TRUE(reader.waitForLine(prefix, 10s)) << prefix << "\n" << joined(reader.lines());
    };
    auto shot = [this](const std::string& name) { screenshot(name + ".png"); };

    // Main menu positions 4..12 are the sections by Tag: frm01 is Tag 3.
    press("Down", 6);
    press("Return", 1);
    expect("ovta: activate frm01");
    // frm01's second position opens frm05's second set; its first target
    // is the first title row.
    press("Down", 2);
    press("Return", 1);
    expect("ovta: open frm05 CurrentItem=2");
    expect("ovta: activate frm05");
    press("Down", 1);
    press("Return", 1);
    expect("ovta: open text frm05 record=");
    shot("lists_frm05");
    press("Escape", 1);
    expect("ovta: activate frm01");
    press("Escape", 1);
    expect("ovta: activate falam1");

    // frm31 is Tag 4, one on from frm01; its twelfth position is frm34.
    press("Down", 1);
    press("Return", 1);
    expect("ovta: activate frm31");
    press("Up", 2);
    press("Return", 1);
    expect("ovta: activate frm34");
    // Up from a fresh screen goes to the close button (26), then back over
    // the search button to the categories: 22 is Image6, category 7. Five
    // on from there is the first title row.
    press("Up", 5);
    press("Return", 1);
    press("Down", 5);
    press("Return", 1);
    expect("ovta: open text frm34 record=");
    shot("lists_frm34");
    press("Escape", 1);
    expect("ovta: activate frm31");
    // Position 7 of frm31 opens frm33 with item 4; the list takes the arrows.
    press("Up", 5);
    press("Return", 1);
    expect("ovta: open frm33 CurrentItem=4");
    expect("ovta: activate frm33");
    press("Down", 1);
    expect("ovta: open text frm33 record=146");
    shot("lists_frm33");
    press("Escape", 1);
    expect("ovta: activate frm31");
    press("Escape", 1);
    expect("ovta: activate falam1");

    // frm41 is Tag 1, three back; its second position is frm47.
    press("Up", 3);
    press("Return", 1);
    expect("ovta: activate frm41");
    press("Down", 2);
    press("Return", 1);
    expect("ovta: activate frm47");
    press("Down", 2);
    expect("ovta: open text frm47 record=1");
    shot("lists_frm47");
    press("Escape", 1);
    expect("ovta: activate frm41");
    press("Escape", 1);
    expect("ovta: activate falam1");

    // frm61 is Tag 7; its fifth position opens frm33 with item 6.
    press("Down", 6);
    press("Return", 1);
    expect("ovta: activate frm61");
    press("Down", 5);
    press("Return", 1);
    expect("ovta: open frm33 CurrentItem=6");
    press("Down", 1);
    expect("ovta: open text frm33 record=216");
    press("Escape", 1);
    expect("ovta: activate frm61");

    for (const auto& line : reader.lines())
        EXPECT_EQ(line.find("ovta: error"), std::string::npos) << line;
    reader.kill();
}

} // namespace
} // namespace ovta::test
