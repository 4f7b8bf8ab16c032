#include "books/book_columns.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "books/book_files_support.h"
#include "store/errors.h"

namespace ovta {
namespace {

using test::outline;

// A book of the given levels (titles "n1", "n2", ... by node number), its
// columns shown as a screen shows them, and the columns shown so far.
class Strip {
public:
    explicit Strip(const std::vector<int>& levels, ColumnRules rules = defaultRules())
        : tree_(NodeLayout::Articles32, 750, 100)
    {
        const test::TreeFiles files = test::buildTree(NodeLayout::Articles32, outline(levels));
        content_.write("data\\titles", files.titles.bytes);
        tree_.load(IndexList::fromBytes("data\\tree", files.list),
                   DataFile::open(ContentDir(content_.path()), "data\\titles"));
        columns = std::make_unique<BookColumns>(tree_, std::move(rules));
        columns->setShowListener([this](int k) { shown.push_back(k); });
        columns->start();
    }

    static ColumnRules defaultRules()
    {
        ColumnRules r;
        r.screen = "frm7";
        r.childrenCapacity = 50;
        return r;
    }

    // Nodes shown by the rows on the strip of column k, top row first.
    std::vector<int> rowNodes(int k) const
    {
        std::vector<int> nodes;
        for (const ColumnRow& row : columns->column(k).rows)
            if (row.shown)
                nodes.push_back(row.node);
        return nodes;
    }

    // Everything the screen draws from, in one string.
    std::string state() const
    {
        std::string s = "deepest " + std::to_string(columns->deepestShown()) + " strip " +
                        std::to_string(columns->stripPosition()) + " path [" +
                        columns->pathCaption() + "]\n";
        for (int k = 1; k <= BookColumns::Columns; ++k) {
            const BookColumn& c = columns->column(k);
            s += std::to_string(k) + ": top " + std::to_string(c.top) + " open " +
                 std::to_string(c.openRow) + " sel " + std::to_string(c.selectedRow) +
                 (c.arrows ? " arrows" : "") + " |";
            for (const ColumnRow& row : c.rows)
                s += row.shown
                         ? " " + row.caption + "/" + std::to_string(static_cast<int>(row.icon))
                         : " -";
            s += "\n";
        }
        return s;
    }

    std::unique_ptr<BookColumns> columns;
    std::vector<int> shown;

private:
    test::FixtureDir content_;
    BookTree tree_;
};

TEST(BookColumns, FiveLevelOneHeadingsShowAtOnceWithoutArrows)
{
    Strip s({1, 2, 1, 1, 1, 1});
    EXPECT_EQ(s.rowNodes(1), (std::vector<int>{1, 3, 4, 5, 6}));
    EXPECT_FALSE(s.columns->column(1).arrows);
    EXPECT_FALSE(s.columns->scrollDown(1));
    EXPECT_FALSE(s.columns->scrollUp(1));
    EXPECT_EQ(s.columns->column(1).top, 0);
    EXPECT_EQ(s.columns->deepestShown(), 1);
    for (int k = 2; k <= 10; ++k)
        EXPECT_TRUE(s.rowNodes(k).empty()) << k;
    EXPECT_EQ(s.columns->column(1).row(1).icon, RowIcon::Closed);
    EXPECT_EQ(s.columns->column(1).row(2).icon, RowIcon::Leaf);
}

TEST(BookColumns, AColumnOfSevenScrollsThroughTopsZeroToTwo)
{
    Strip s({1, 1, 1, 1, 1, 1, 1});
    EXPECT_TRUE(s.columns->column(1).arrows);
    EXPECT_EQ(s.columns->column(1).limit(), 1);
    EXPECT_FALSE(s.columns->scrollUp(1));
    EXPECT_TRUE(s.columns->scrollDown(1));
    EXPECT_TRUE(s.columns->scrollDown(1));
    EXPECT_EQ(s.columns->column(1).top, 2);
    EXPECT_EQ(s.rowNodes(1), (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_FALSE(s.columns->scrollDown(1));
    EXPECT_EQ(s.columns->column(1).rowOf(7), 5);
    EXPECT_EQ(s.columns->column(1).rowOf(1), 0);
    EXPECT_TRUE(s.columns->scrollUp(1));
    EXPECT_TRUE(s.columns->scrollUp(1));
    EXPECT_FALSE(s.columns->scrollUp(1));
    EXPECT_EQ(s.rowNodes(1), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(BookColumns, OpeningAHeadingFillsTheNextColumnAndSelectsIt)
{
    Strip s({1, 2, 2, 3, 1});
    EXPECT_EQ(s.columns->openNode(1, 1), 1);
    const BookColumn& c1 = s.columns->column(1);
    EXPECT_EQ(c1.row(1).icon, RowIcon::Open);
    EXPECT_EQ(c1.openRow, 1);
    EXPECT_TRUE(c1.red(1));
    EXPECT_FALSE(c1.red(2));
    EXPECT_EQ(s.rowNodes(2), (std::vector<int>{2, 3}));
    EXPECT_EQ(s.columns->column(2).row(1).icon, RowIcon::Leaf);
    EXPECT_EQ(s.columns->column(2).row(2).icon, RowIcon::Closed);
    EXPECT_FALSE(s.columns->column(2).arrows);
    EXPECT_EQ(s.columns->pathCaption(), "n1");
    EXPECT_EQ(s.columns->deepestShown(), 2);
    EXPECT_EQ(s.shown, (std::vector<int>{1, 2}));
}

TEST(BookColumns, ClickingTheOpenRowOrTheSelectedLeafAgainChangesNothing)
{
    const struct {
        const char* name;
        int row;
    } cases[] = {{"open row", 1}, {"selected leaf", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Strip s({1, 2, 1});
        ASSERT_NE(s.columns->openNode(1, c.row), 0);
        const std::string before = s.state();
        const auto shows = s.shown.size();
        EXPECT_EQ(s.columns->openNode(1, c.row), 0);
        EXPECT_EQ(s.state(), before);
        EXPECT_EQ(s.shown.size(), shows);
    }
}

TEST(BookColumns, AnotherRowClosesTheOpenRowEvenWhenItIsALeaf)
{
    // Node 1 has seven children, so column 2 has arrows until a leaf is opened.
    Strip s({1, 2, 2, 2, 2, 2, 2, 2, 1});
    ASSERT_EQ(s.columns->openNode(1, 1), 1);
    EXPECT_TRUE(s.columns->column(2).arrows);
    EXPECT_EQ(s.columns->openNode(1, 2), 9);
    const BookColumn& c1 = s.columns->column(1);
    EXPECT_EQ(c1.row(1).icon, RowIcon::Closed);
    EXPECT_EQ(c1.row(2).icon, RowIcon::Leaf);
    EXPECT_EQ(c1.openRow, 0);
    EXPECT_EQ(c1.selectedRow, 2);
    EXPECT_FALSE(c1.red(1));
    // The leaf empties column 2 and takes it off the strip, arrows too.
    EXPECT_TRUE(s.rowNodes(2).empty());
    EXPECT_EQ(s.columns->column(2).count(), 0);
    EXPECT_FALSE(s.columns->column(2).arrows);
    EXPECT_EQ(s.columns->pathCaption(), "n9");
}

TEST(BookColumns, ScrollingColumnOneAfterAThreeLevelPathClosesEverythingAfterIt)
{
    for (const bool emptiesPath : {false, true}) {
        SCOPED_TRACE(emptiesPath);
        ColumnRules rules = Strip::defaultRules();
        rules.firstColumnEmptiesPath = emptiesPath;
        Strip s({1, 2, 3, 4, 1, 1, 1, 1, 1}, rules);
        ASSERT_EQ(s.columns->openNode(1, 1), 1);
        ASSERT_EQ(s.columns->openNode(2, 1), 2);
        ASSERT_EQ(s.columns->openNode(3, 1), 3);
        EXPECT_EQ(s.columns->pathCaption(), "n3 // n2 // n1");
        EXPECT_EQ(s.rowNodes(4), (std::vector<int>{4}));
        s.shown.clear();

        ASSERT_TRUE(s.columns->scrollDown(1));
        EXPECT_EQ(s.shown, (std::vector<int>{1}));
        for (int k = 2; k <= 10; ++k) {
            EXPECT_TRUE(s.rowNodes(k).empty()) << k;
            EXPECT_FALSE(s.columns->column(k).arrows) << k;
            EXPECT_EQ(s.columns->column(k).openRow, 0) << k;
        }
        EXPECT_EQ(s.columns->column(1).selectedRow, 0);
        EXPECT_EQ(s.columns->column(1).openRow, 0);
        EXPECT_EQ(s.rowNodes(1), (std::vector<int>{5, 6, 7, 8, 9}));
        EXPECT_EQ(s.columns->pathCaption(), emptiesPath ? "" : "n3 // n2 // n1");
        // Selections of the columns now off the strip stay until shown again.
        EXPECT_TRUE(s.columns->column(2).red(1));
    }
}

TEST(BookColumns, ScrollingAColumnKeepsThePathOfTheColumnsBeforeIt)
{
    Strip s({1, 2, 2, 2, 2, 2, 2, 3, 1});
    ASSERT_EQ(s.columns->openNode(1, 1), 1);
    ASSERT_EQ(s.columns->openNode(2, 5), 6);
    ASSERT_TRUE(s.columns->scrollDown(2));
    EXPECT_EQ(s.columns->pathCaption(), "n1");
    EXPECT_EQ(s.columns->column(2).selectedRow, 0);
    EXPECT_TRUE(s.columns->column(1).red(1));
    EXPECT_EQ(s.rowNodes(2), (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(s.columns->column(2).row(5).icon, RowIcon::Closed);
}

TEST(BookColumns, StripArrowsFollowTheDeepestColumnShown)
{
    Strip s({1, 2, 3, 4, 1});
    EXPECT_EQ(s.columns->stripPosition(), 3);
    EXPECT_EQ(s.columns->stripLeft(), -1110);
    EXPECT_FALSE(s.columns->moveStripRight());
    EXPECT_FALSE(s.columns->moveStripLeft());

    s.columns->openNode(1, 1);
    s.columns->openNode(2, 1);
    ASSERT_EQ(s.columns->deepestShown(), 3);
    EXPECT_TRUE(s.columns->moveStripRight());
    EXPECT_EQ(s.columns->stripPosition(), 4);
    EXPECT_EQ(s.columns->stripLeft(), -939);
    EXPECT_FALSE(s.columns->moveStripRight());
    EXPECT_TRUE(s.columns->moveStripLeft());
    EXPECT_EQ(s.columns->stripLeft(), -1110);
    EXPECT_FALSE(s.columns->moveStripLeft());

    // Column 4 shown, then closed by a leaf in column 1: the strip can
    // still go where it was.
    s.columns->openNode(3, 1);
    ASSERT_EQ(s.columns->deepestShown(), 4);
    s.columns->openNode(1, 2);
    EXPECT_EQ(s.columns->deepestShown(), 4);
    EXPECT_TRUE(s.columns->moveStripRight());
    EXPECT_TRUE(s.columns->moveStripRight());
    EXPECT_EQ(s.columns->stripPosition(), 5);
    EXPECT_FALSE(s.columns->moveStripRight());
    // The strip never moves by itself.
    s.columns->scrollDown(1);
    EXPECT_EQ(s.columns->stripPosition(), 5);
}

TEST(BookColumns, TheStripStopsAtPositionTen)
{
    Strip s({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (int k = 1; k <= 9; ++k)
        ASSERT_EQ(s.columns->openNode(k, 1), k);
    ASSERT_EQ(s.columns->deepestShown(), 10);
    int moves = 0;
    while (s.columns->moveStripRight())
        ++moves;
    EXPECT_EQ(moves, 7);
    EXPECT_EQ(s.columns->stripLeft(), -1110 + 7 * 171);
}

TEST(BookColumns, PathCaptionOfColumnTenDependsOnTheScreen)
{
    const struct {
        bool fromFirst, wrapped;
        std::string path;
    } cases[] = {
        {true, false, "n1 // n2 // n3 // n4 // n5 // n6 // n7 // n8 // n9"},
        {true, true, "n6 // n7 // n8 // n9\r\nn1 // n2 // n3 // n4 // n5 // "},
        {false, true, "n4 // n3 // n2 // n1\r\nn9 // n8 // n7 // n6 // n5 // "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ColumnRules rules = Strip::defaultRules();
        rules.lastPathFromFirstColumn = c.fromFirst;
        rules.lastPathWrapped = c.wrapped;
        Strip s({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, rules);
        // Ten pixels a character, 210 for the caption label.
        s.columns->setCaptionMeasure(
            [](std::string_view t) { return 10 * static_cast<int>(t.size()); }, 210);
        for (int k = 1; k <= 8; ++k)
            s.columns->openNode(k, 1);
        // Up to column 9 the path runs from the deepest heading, and wraps.
        EXPECT_EQ(s.columns->pathCaption(), "n4 // n3 // n2 // n1\r\nn8 // n7 // n6 // n5 // ");
        ASSERT_EQ(s.columns->openNode(9, 1), 9);
        EXPECT_EQ(s.columns->pathCaption(), c.path);
        EXPECT_EQ(s.rowNodes(10), (std::vector<int>{10}));
        // Rows of column 10 open nothing.
        const std::string before = s.state();
        EXPECT_EQ(s.columns->openNode(10, 1), 0);
        EXPECT_EQ(s.state(), before);
    }
}

TEST(BookColumns, ChildrenPastTheCapacityShowThoseThatFitThenFail)
{
    ColumnRules rules = Strip::defaultRules();
    rules.childrenCapacity = 2;
    Strip s({1, 2, 2, 2}, rules);
    try {
        s.columns->openNode(1, 1);
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        EXPECT_NE(std::string(e.what()).find("column 2 of frm7 holds 2 entries; node 4"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(s.rowNodes(2), (std::vector<int>{2, 3}));
    EXPECT_EQ(s.columns->column(1).selectedRow, 1);
    EXPECT_EQ(s.columns->pathCaption(), "n1");
}

TEST(BookColumns, ClicksOutsideTheStripDoNothing)
{
    Strip s({1, 2, 1});
    const std::string before = s.state();
    const struct {
        int k, row;
    } cases[] = {{0, 1}, {11, 1}, {1, 0}, {1, 6}, {1, 3}, {2, 1}, {-5, -5}};
    for (const auto& c : cases)
        EXPECT_EQ(s.columns->openNode(c.k, c.row), 0) << c.k << " " << c.row;
    EXPECT_FALSE(s.columns->scrollDown(0));
    EXPECT_FALSE(s.columns->scrollUp(11));
    EXPECT_EQ(s.state(), before);
    EXPECT_EQ(s.columns->column(0).count(), 0);
    EXPECT_FALSE(s.columns->column(11).row(1).shown);
}

TEST(BookColumns, ABookWithoutHeadingsShowsNothing)
{
    Strip s({});
    EXPECT_TRUE(s.rowNodes(1).empty());
    EXPECT_EQ(s.columns->deepestShown(), 0);
    EXPECT_FALSE(s.columns->moveStripRight());
    EXPECT_EQ(s.shown, (std::vector<int>{1}));
}

} // namespace
} // namespace ovta
