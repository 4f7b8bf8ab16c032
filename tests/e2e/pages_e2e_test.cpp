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
    void keys(const std::vector<std::string>& names)
    {
        std::vector<std::string> argv{"xdotool", "key", "--delay", "60"};
        argv.insert(argv.end(), names.begin(), names.end());
        x->run(argv);
    }

    // A point of the centred 640x480 screen, on the 1024x768 display.
    void pointTo(int x0, int y0)
    {
        x->run({"xdotool", "mousemove", std::to_string(kLeft + x0), std::to_string(kTop + y0)});
    }

    void clickAt(int x0, int y0)
    {
        pointTo(x0, y0);
        std::this_thread::sleep_for(150ms);
        x->run({"xdotool", "click", "1"});
    }

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

    static constexpr int kLeft = (1024 - 640) / 2;
    static constexpr int kTop = (768 - 480) / 2;
};

TEST_F(PagesRun, KeysToTheViewerThenAZoneAndAPageTurn)
{
    auto reader = startReader();
    ASSERT_TRUE(reader->waitForLine("ovta: media open data1\\kenor.avi", 30s))
        << joined(reader->lines());
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 15s)) << joined(reader->lines());

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
    clickAt(572, 55);
    ASSERT_TRUE(reader->waitForLine("ovta: page frm62 page=", 15s)) << joined(reader->lines());
    const int first = valueIn(reader->lines(), "ovta: page frm62", "page");
    EXPECT_EQ(valueIn(reader->lines(), "ovta: page frm62", "chapter"), 2);
    EXPECT_GT(first, 1);
    std::this_thread::sleep_for(300ms);
    screenshot("pages_page.png");

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
} // namespace ovta::test
