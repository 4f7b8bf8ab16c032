// The real reader on the demo content, on a private X display: the keys
// lead from the main menu to the Quran's home and on to the page viewer;
// there the pointer frames a zone of the index, a click opens its chapter
// on its first page, the bar turns a page, and Esc leaves.
#include <gtest/gtest.h>
#include <string>
#include <thread>

#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

class PagesRun : public ReaderRunTest {
protected:
    // The value of `key=` in the last line starting with `prefix`.
    static int valueIn(const std::vector<std::string>& lines, const std::string& prefix,
                       const std::string& key)
    {
        for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
            if (it->rfind(prefix, 0) != 0)
                continue;
            const auto at = it->find(key + "=");
            if (at != std::string::npos)
                return std::stoi(it->substr(at + key.size() + 1));
        }
        return -1;
    }

    // One pixel of a screenshot as its red, green and blue: "255,0,0".
    std::string pixelOf(const std::string& shot, int x0, int y0)
    {
        const std::string at = "p{" + std::to_string(x0) + "," + std::to_string(y0) + "}";
        std::string format;
        for (const char* channel : {".r", ".g", ".b"})
            format +=
                std::string(format.empty() ? "" : ",") + "%[fx:int(255*" + at + channel + "+0.5)]";
        format += "\\n"; // a whole line for readLine
        Process convert({"sh", "-c", "convert \"$0\" -format \"$1\" info: 1>&2",
                         std::string(OVTA_SHOT_DIR) + "/" + shot, format},
                        {});
        const auto line = convert.readLine(10s);
        return line.value_or("");
    }
};

TEST_F(PagesRun, KeysToTheViewerThenAZoneAndAPageTurn)
{
    auto reader = startAtMenu();
    ASSERT_TRUE(reader);

    // Main menu: positions 4..12 are the section labels by Tag; the Quran,
    // Tag 7, is position 10.
    keys(
        {"Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm61", 15s)) << joined(reader->lines());
    // Its home: help, the book, the commentary, then the page viewer.
    keys({"Down", "Down", "Down", "Down", "Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm62", 15s)) << joined(reader->lines());

    // The demo index: chapter 2 is the second cell of the right-hand
    // column, 509..635 x 46..65.
    pointTo(572, 55);
    std::this_thread::sleep_for(400ms);
    screenshot("pages_index.png");
    EXPECT_EQ(pixelOf("pages_index.png", kScreenLeft + 509, kScreenTop + 46), "255,0,0")
        << "the red frame at the zone's top-left corner";
    EXPECT_NE(pixelOf("pages_index.png", kScreenLeft + 509, kScreenTop + 66), "255,0,0")
        << "and not round the zone below";
    clickAt(572, 55);
    ASSERT_TRUE(reader->waitForLine("ovta: page frm62 page=", 15s)) << joined(reader->lines());
    const int first = valueIn(reader->lines(), "ovta: page frm62", "page");
    EXPECT_EQ(valueIn(reader->lines(), "ovta: page frm62", "chapter"), 2);
    EXPECT_GT(first, 1);
    std::this_thread::sleep_for(300ms);
    screenshot("pages_page.png");
    // The page's paper fills 640x465: its corners show it, the line below not.
    for (auto [x0, y0] : {std::pair{1, 1}, std::pair{638, 463}, std::pair{630, 300}})
        EXPECT_EQ(pixelOf("pages_page.png", kScreenLeft + x0, kScreenTop + y0), "246,238,214")
            << x0 << "," << y0;
    EXPECT_NE(pixelOf("pages_page.png", kScreenLeft + 20, kScreenTop + 470), "246,238,214");

    // The bar at 174,432; its next-page button at 40,6, 70x30.
    clickAt(174 + 40 + 35, 432 + 6 + 15);
    ASSERT_TRUE(reader->waitForLine("ovta: page frm62 page=" + std::to_string(first + 2), 15s))
        << joined(reader->lines());
    std::this_thread::sleep_for(300ms);
    screenshot("pages_turned.png");

    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm61", 15s)) << joined(reader->lines());
    const std::string all = joined(reader->lines());
    EXPECT_NE(all.find("ovta: release frm62"), std::string::npos);
    EXPECT_EQ(all.find("ovta: error"), std::string::npos) << all;
    reader->kill();
}

} // namespace
// The keys alone: the arrows frame chapter 2 on the index, Enter opens it,
// Left turns to the next page, Backspace goes back to the index.
TEST_F(PagesRun, KeysAloneFrameAZoneOpenItAndTurnThePage)
{
    auto reader = startAtMenu();
    ASSERT_TRUE(reader);
    keys(
        {"Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm61", 15s)) << joined(reader->lines());
    keys({"Down", "Down", "Down", "Down", "Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm62", 15s)) << joined(reader->lines());
    keys({"Down", "Down"});
    std::this_thread::sleep_for(300ms);
    screenshot("pages_index_keys.png");
    EXPECT_EQ(pixelOf("pages_index_keys.png", kScreenLeft + 509, kScreenTop + 46), "255,0,0")
        << "the red frame round chapter 2";
    keys({"Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: page frm62 page=", 15s)) << joined(reader->lines());
    EXPECT_EQ(valueIn(reader->lines(), "ovta: page frm62", "chapter"), 2);
    const int first = valueIn(reader->lines(), "ovta: page frm62", "page");
    keys({"Left"});
    ASSERT_TRUE(reader->waitForLine("ovta: page frm62 page=" + std::to_string(first + 2), 15s))
        << joined(reader->lines());
    keys({"BackSpace", "Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm61", 15s)) << joined(reader->lines());
    EXPECT_EQ(joined(reader->lines()).find("ovta: error"), std::string::npos);
    reader->kill();
}

} // namespace ovta::test
