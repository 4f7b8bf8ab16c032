// The real reader on the demo content, on a private X display, driven by
// the keys alone: from the main menu to the landmarks' home, its topic
// list of group 7, an article in its reader, and back.
#include <filesystem>
#include <gtest/gtest.h>

#include "support/x_session.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

std::string joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const auto& l : lines)
        all += l + "\n";
    return all;
}

TEST(ReadingRun, MainMenuToAnArticleAndBackWithTheKeys)
{
    if (!haveProgram("Xvfb") || !haveProgram("xdotool"))
        GTEST_SKIP() << "Xvfb and xdotool are needed for end-to-end runs";
    ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(OVTA_DEMO_DIR) / "data" / "kenor09"))
        << "demo content missing: build the demo target";
    XServer x;
    ASSERT_TRUE(x.running()) << "Xvfb did not start";
    Process reader({OVTA_BINARY, OVTA_DEMO_DIR},
                   {"DISPLAY=" + x.display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb"});
    ASSERT_TRUE(reader.waitForLine("ovta: media open data1\\kenor.avi", 30s))
        << joined(reader.lines());
    x.run({"xdotool", "key", "Escape"});
    ASSERT_TRUE(reader.waitForLine("ovta: activate falam1", 10s)) << joined(reader.lines());

    auto keys = [&x](std::initializer_list<const char*> names) {
        for (const char* k : names)
            x.run({"xdotool", "key", "--delay", "80", k});
    };
    // Main menu: positions 4..12 are the sections by Tag; Tag 3 is sixth.
    keys({"Down", "Down", "Down", "Down", "Down", "Down", "Return"});
    ASSERT_TRUE(reader.waitForLine("ovta: activate frm01", 10s)) << joined(reader.lines());
    // The landmarks' home: its third position opens the battle sites, group 7.
    keys({"Down", "Down", "Down", "Return"});
    ASSERT_TRUE(reader.waitForLine("ovta: open frm02 CurrentItem=7", 10s))
        << joined(reader.lines());
    ASSERT_TRUE(reader.waitForLine("ovta: activate frm02", 10s)) << joined(reader.lines());
    std::filesystem::create_directories(OVTA_SHOT_DIR);
    x.run({"import", "-window", "root", std::string(OVTA_SHOT_DIR) + "/reading_frm02.png"});

    // The first title of the list opens its article.
    keys({"Down", "Return"});
    ASSERT_TRUE(reader.waitForLine("ovta: read frm03 record=", 10s)) << joined(reader.lines());
    ASSERT_TRUE(reader.waitForLine("ovta: activate frm03", 10s)) << joined(reader.lines());
    x.run({"import", "-window", "root", std::string(OVTA_SHOT_DIR) + "/reading_frm03.png"});

    // Esc leaves the reader, then the list.
    keys({"Escape"});
    ASSERT_TRUE(reader.waitForLine("ovta: activate frm02", 10s)) << joined(reader.lines());
    keys({"Escape"});
    ASSERT_TRUE(reader.waitForLine("ovta: activate frm01", 10s)) << joined(reader.lines());
    for (const auto& line : reader.lines())
        EXPECT_EQ(line.find("ovta: error"), std::string::npos) << line;
    reader.kill();
}

} // namespace
} // namespace ovta::test
