// The real reader on the demo content, by the keyboard alone: the main
// menu opens the jurisprudence home, whose shelf hot spot opens the book
// shelf; there the keys light the spines one after the other, Enter opens
// the seventh (the untagged book 0) and, once the book is left, the keys
// go on from the same spine and Esc leaves the shelf.
#include <gtest/gtest.h>
#include <thread>

#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

class ShelfRun : public ReaderRunTest {
protected:
    void keys(const std::vector<std::string>& names)
    {
        std::vector<std::string> argv{"xdotool", "key", "--delay", "80"};
        argv.insert(argv.end(), names.begin(), names.end());
        x->run(argv);
    }
};

TEST_F(ShelfRun, TheShelfIsReachedByKeysAndOpensASpine)
{
    auto reader = startReader();
    ASSERT_TRUE(reader->waitForLine("ovta: media open data1\\kenor.avi", 30s))
        << joined(reader->lines());
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 15s)) << joined(reader->lines());

    // Menu position 4 is the section label with Tag 1, the jurisprudence home.
    keys({"Down", "Down", "Down", "Down", "Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm41", 15s)) << joined(reader->lines());
    // The home's position 14 (Panel14) opens the shelf: two Ups from a fresh home.
    keys({"Up", "Up", "Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm49", 15s)) << joined(reader->lines());

    keys({"Down", "Down", "Down", "Down", "Down", "Down", "Down"});
    std::this_thread::sleep_for(500ms);
    screenshot("shelf_lit_spine.png");
    keys({"Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: open frm410 CurrentItem=0 ", 15s))
        << joined(reader->lines());
    std::this_thread::sleep_for(1500ms);
    screenshot("shelf_book.png");
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm49", 15s)) << joined(reader->lines());

    // The keys go on from the spine opened last: one more Down is Image9, book 1.
    keys({"Down", "Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: open frm410 CurrentItem=1 ", 15s))
        << joined(reader->lines());
    std::this_thread::sleep_for(1000ms);
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm49", 15s)) << joined(reader->lines());
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: release frm49", 15s)) << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm41", 15s)) << joined(reader->lines());

    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 15s)) << joined(reader->lines());
    keys({"Escape"});
    const auto code = reader->wait(15s);
    ASSERT_TRUE(code.has_value()) << "still running after Esc\n" << joined(reader->lines());
    EXPECT_EQ(*code, 0);
    EXPECT_EQ(joined(reader->lines()).find("ovta: error"), std::string::npos)
        << joined(reader->lines());
}

} // namespace
} // namespace ovta::test
