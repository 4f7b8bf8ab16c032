// The real reader on the demo content, on a private X display: each tree-book
// screen reached from the main menu by the keys, a heading opened and an
// article opened by clicks on frm14, and each screen left with Esc.
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

class BooksRun : public ReaderRunTest {
protected:
    void SetUp() override
    {
        ReaderRunTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(
            std::filesystem::exists(std::filesystem::path(OVTA_DEMO_DIR) / "data" / "1kenor117"))
            << "demo content missing: build the demo target";
        reader = startAtMenu();
        ASSERT_TRUE(reader);
    }

    void TearDown() override
    {
        if (!reader)
            return;
        for (const auto& line : reader->lines())
            EXPECT_EQ(line.find("ovta: error"), std::string::npos) << line;
        reader->kill();
    }

    std::string log() const { return joined(reader->lines()); }

    void downs(int n, bool enter = true)
    {
        for (int i = 0; i < n; ++i)
            keys({"Down"}, 80);
        if (enter)
            keys({"Return"}, 80);
    }

    // From the main menu: the section of menu Tag `tag`, then the book hot
    // spot at `position` of its keyboard order.
    void openBook(int tag, const char* home, int position, const char* kind)
    {
        // The menu keeps its keyboard position from one visit to the next.
        for (; menuAt_ > 3 + tag; --menuAt_)
            keys({"Up"}, 80);
        downs(3 + tag - menuAt_);
        menuAt_ = 3 + tag;
        ASSERT_TRUE(reader->waitForLine(std::string("ovta: activate ") + home, 10s)) << log();
        downs(position);
        ASSERT_TRUE(reader->waitForLine(std::string("ovta: book ") + kind + " tree=", 10s))
            << log();
        ASSERT_TRUE(reader->waitForLine(std::string("ovta: activate ") + kind, 10s)) << log();
    }

    void leave(const char* home)
    {
        keys({"Escape"}, 80);
        ASSERT_TRUE(reader->waitForLine(std::string("ovta: activate ") + home, 10s)) << log();
        keys({"Escape"}, 80);
        ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 10s)) << log();
    }

    std::unique_ptr<Process> reader;

private:
    int menuAt_ = 0;
};

TEST_F(BooksRun, Frm14HeadingAndArticleByClicks)
{
    openBook(6, "frm11", 5, "frm14");
    screenshot("books_frm14.png");
    // Row 1 of column 1, at the right end of the strip window.
    clickAt(519, 127);
    ASSERT_TRUE(reader->waitForLine("ovta: book frm14 open column=1 node=1", 10s)) << log();
    // Its first child, one column to the left, has the articles.
    clickAt(519 - 171, 127);
    ASSERT_TRUE(reader->waitForLine("ovta: book frm14 open column=2 node=2", 10s)) << log();
    screenshot("books_frm14_open.png");
    // The first article row.
    clickAt(432, 294);
    ASSERT_TRUE(reader->waitForLine("ovta: open frm13", 10s)) << log();
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm13", 10s)) << log();
    keys({"Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate frm14", 10s)) << log();
    leave("frm11");
}

TEST_F(BooksRun, EveryBookScreenFromTheMainMenuByKeys)
{
    struct Road {
        int tag;
        const char* home;
        int position;
        const char* kind;
    };
    for (const Road& r :
         {Road{7, "frm61", 3, "frm64"}, Road{7, "frm61", 6, "frm63"}, Road{7, "frm61", 2, "frm7"},
          Road{1, "frm41", 4, "frm43"}, Road{2, "frm51", 2, "frm7"}}) {
        openBook(r.tag, r.home, r.position, r.kind);
        clickAt(519, 127);
        ASSERT_TRUE(
            reader->waitForLine(std::string("ovta: book ") + r.kind + " open column=1", 10s))
            << log();
        screenshot(std::string("books_") + r.kind + "_" + r.home + ".png");
        leave(r.home);
    }
}

// The strip and the pane from the keyboard alone: the arrows frame a row,
// Enter opens it, Left goes into the column it filled, Page Down pages.
TEST_F(BooksRun, Frm14HeadingsAndPaneByKeysAlone)
{
    openBook(6, "frm11", 5, "frm14");
    keys({"Down", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: book frm14 open column=1 node=1", 10s)) << log();
    keys({"Left", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: book frm14 open column=2 node=2", 10s)) << log();
    keys({"Next", "End", "Home"}, 80);
    screenshot("books_frm14_keys.png");
    keys({"ctrl+c"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: copy frm14 chars=", 10s)) << log();
    leave("frm11");
}

// A word only a deep heading of a body book holds, typed into the search
// inside the texts: Enter on the hit opens that book with the strip opened
// down to the heading, six columns deep, and its text in the pane.
TEST_F(BooksRun, AFullTextHitOpensTheBookAtItsHeading)
{
    keys({"ctrl+f"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: activate find", 10s)) << log();
    // "العالم حادث" on the shaping box's keys.
    x->run({"xdotool", "type", "--delay", "80", "hguhgl ph]e"});
    keys({"Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: fulltext search text=", 60s)) << log();
    screenshot("fulltext_hits.png");
    keys({"Down", "Return"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: fulltext open frm7 ", 10s)) << log();
    std::string node;
    for (const std::string& line : reader->lines())
        if (line.starts_with("ovta: fulltext open frm7 "))
            node = line.substr(line.find(" node=") + 6);
    ASSERT_FALSE(node.empty() || node == "0") << log();
    ASSERT_TRUE(reader->waitForLine("ovta: book frm7 heading node=" + node + " column=6", 10s))
        << log();
    // Opened by the strip's own clicks, column by column.
    const std::string opened = "ovta: book frm7 open column=6 node=" + node;
    EXPECT_TRUE(std::any_of(reader->lines().begin(), reader->lines().end(),
                            [&](const std::string& line) { return line == opened; }))
        << log();
    screenshot("fulltext_frm7_heading.png");
    keys({"Escape"}, 80);
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 10s)) << log();
}

} // namespace
} // namespace ovta::test
