// The real reader on the demo content. By the keyboard alone: the main
// menu opens the jurisprudence home, whose shelf hot spot opens the book
// shelf; there the keys light the spines one after the other, Enter opens
// the seventh (the untagged book 0) and, once the book is left, the keys go
// on from the same spine and Esc leaves the shelf. With the pointer: a
// question book of the same home opens a question, whose category shows
// its reference, and the summary page comes and goes.
#include <gtest/gtest.h>
#include <thread>

#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

using ShelfRun = ReaderRunTest;

TEST_F(ShelfRun, TheShelfIsReachedByKeysAndOpensASpine)
{
    auto reader = startAtMenu();
    ASSERT_TRUE(reader);
    // Menu position 4 is the section label with Tag 1, the jurisprudence home.
    keys({"Down", "Down", "Down", "Down", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm41", 15s)) << joined(reader->lines());
    // The home's position 14 (Panel14) opens the shelf: two Ups from a fresh home.
    keys({"Up", "Up", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm49", 15s)) << joined(reader->lines());

    keys({"Down", "Down", "Down", "Down", "Down", "Down", "Down"}, 80);
    std::this_thread::sleep_for(500ms);
    screenshot("shelf_lit_spine.png");
    keys({"Return"});
    ASSERT_TRUE(reader->waitForLine("ovta: open frm410 CurrentItem=0 ", 15s))
        << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm410", 15s)) << joined(reader->lines());
    std::this_thread::sleep_for(1000ms);
    screenshot("shelf_book.png");
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm49", 15s)) << joined(reader->lines());

    // The keys go on from the spine opened last: one more Down is Image9, book 1.
    keys({"Down", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: open frm410 CurrentItem=1 ", 15s))
        << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm410", 15s)) << joined(reader->lines());
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

TEST_F(ShelfRun, AQuestionOpensWithItsCategoryAndSummary)
{
    auto reader = startAtMenu();
    ASSERT_TRUE(reader);
    keys({"Down", "Down", "Down", "Down", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm41", 15s)) << joined(reader->lines());
    // Position 4 of the home (Panel1) is the question book 2.
    keys({"Down", "Down", "Down", "Down", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm43", 15s)) << joined(reader->lines());

    // The first heading of the book's first column, then its first question.
    clickAt(538, 128);
    ASSERT_TRUE(reader->waitForLine("ovta: book frm43 open column=1 node=1", 15s))
        << joined(reader->lines());
    pointTo(450, 288);
    std::this_thread::sleep_for(150ms);
    x->run({"xdotool", "click", "--repeat", "2", "--delay", "80", "1"});
    ASSERT_TRUE(reader->waitForLine("ovta: question frm42 row=0 ", 15s)) << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm42", 15s)) << joined(reader->lines());

    // Category 2, the middle button, shows its first reference.
    clickAt(435, 155);
    ASSERT_TRUE(reader->waitForLine("ovta: category frm42 category=2 ", 15s))
        << joined(reader->lines());
    std::this_thread::sleep_for(300ms);
    screenshot("question.png");
    // The next question keeps the category.
    clickAt(614, 108);
    ASSERT_TRUE(reader->waitForLine("ovta: question frm42 row=1 ", 15s)) << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: category frm42 category=2 ", 15s))
        << joined(reader->lines());

    clickAt(146, 154);
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm48", 15s)) << joined(reader->lines());
    std::this_thread::sleep_for(300ms);
    screenshot("question_summary.png");
    clickAt(44, 52);
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm42", 15s)) << joined(reader->lines());
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: release frm42", 15s)) << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm43", 15s)) << joined(reader->lines());
    EXPECT_EQ(joined(reader->lines()).find("ovta: error"), std::string::npos)
        << joined(reader->lines());
}

} // namespace
} // namespace ovta::test
