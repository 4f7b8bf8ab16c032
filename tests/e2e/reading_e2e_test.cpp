// The real reader on the demo content, on a private X display, driven by
// the keys alone: from the main menu to the landmarks' home, its topic
// list of group 7, an article in its reader, and back.
#include <filesystem>
#include <gtest/gtest.h>

#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

using ReadingRun = ReaderRunTest;

TEST_F(ReadingRun, MainMenuToAnArticleAndBackWithTheKeys)
{
    ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(OVTA_DEMO_DIR) / "data" / "kenor09"))
        << "demo content missing: build the demo target";
    auto reader = startAtMenu();
    ASSERT_TRUE(reader);
    // Main menu: positions 4..12 are the sections by Tag; Tag 3 is sixth.
    keys({"Down", "Down", "Down", "Down", "Down", "Down", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm01", 10s)) << joined(reader->lines());
    // The landmarks' home: its third position opens the battle sites, group 7.
    keys({"Down", "Down", "Down", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: open frm02 CurrentItem=7", 10s))
        << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm02", 10s)) << joined(reader->lines());
    screenshot("reading_frm02.png");

    // The first title of the list opens its article.
    keys({"Down", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: read frm03 record=", 10s)) << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm03", 10s)) << joined(reader->lines());
    screenshot("reading_frm03.png");

    // Esc leaves the reader, then the list.
    keys({"Escape"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm02", 10s)) << joined(reader->lines());
    keys({"Escape"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm01", 10s)) << joined(reader->lines());
    for (const auto& line : reader->lines())
        EXPECT_EQ(line.find("ovta: error"), std::string::npos) << line;
    reader->kill();
}

} // namespace
} // namespace ovta::test
