#include "books/book_cursor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "books/book_files_support.h"

namespace ovta {
namespace {

using test::outline;
using Scroll = BookCursor::Scroll;

// A book of the given levels on its columns, as a screen starts them.
class Book {
public:
    explicit Book(const std::vector<int>& levels) : tree_(NodeLayout::Articles32, 750, 100)
    {
        const test::TreeFiles files = test::buildTree(NodeLayout::Articles32, outline(levels));
        content_.write("data\\titles", files.titles.bytes);
        tree_.load(IndexList::fromBytes("data\\tree", files.list),
                   DataFile::open(ContentDir(content_.path()), "data\\titles"));
        ColumnRules rules;
        rules.screen = "frm7";
        rules.childrenCapacity = 50;
        columns = std::make_unique<BookColumns>(tree_, rules);
        columns->start();
    }

    // Takes the step of `move` the way the screen does: scroll, then move.
    void key(BookCursor& cursor, KeyMove move)
    {
        const BookCursor::Step to = cursor.step(*columns, move);
        if (to.scroll == Scroll::Up)
            columns->scrollUp(to.column);
        if (to.scroll == Scroll::Down)
            columns->scrollDown(to.column);
        cursor.moveTo(to.column, to.row);
        cursor.settle(*columns);
    }

    // The node under the cursor.
    int node(const BookCursor& cursor) const
    {
        return columns->column(cursor.column()).row(cursor.row()).node;
    }

    std::unique_ptr<BookColumns> columns;

private:
    test::FixtureDir content_;
    BookTree tree_;
};

TEST(BookCursor, TheFirstKeyLandsOnTheDeepestColumn)
{
    const struct {
        const char* name;
        std::vector<int> open; // rows opened in columns 1, 2, ... before the key
        int column, row;
    } cases[] = {
        {"fresh book", {}, 1, 1},
        {"a heading opened", {2}, 2, 1},
        {"a leaf selected in column 2", {2, 2}, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Book b({1, 1, 2, 2, 1});
        for (std::size_t k = 0; k < c.open.size(); ++k)
            ASSERT_NE(b.columns->openNode(static_cast<int>(k) + 1, c.open[k]), 0);
        BookCursor cursor;
        const BookCursor::Step to = cursor.step(*b.columns, KeyMove::Down);
        EXPECT_EQ(to.column, c.column);
        EXPECT_EQ(to.row, c.row);
        EXPECT_EQ(to.scroll, Scroll::None);
    }
}

TEST(BookCursor, UpAndDownWalkTheColumnAndScrollItAtItsEnds)
{
    Book b({1, 1, 1, 1, 1, 1, 1}); // seven headings: rows show five
    BookCursor cursor;
    b.key(cursor, KeyMove::Down);
    std::vector<int> nodes{b.node(cursor)};
    for (int i = 0; i < 8; ++i) {
        b.key(cursor, KeyMove::Down);
        nodes.push_back(b.node(cursor));
    }
    EXPECT_EQ(nodes, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 7, 7}));
    EXPECT_EQ(cursor.row(), 5);
    EXPECT_EQ(b.columns->column(1).top, 2);
    for (int i = 0; i < 7; ++i)
        b.key(cursor, KeyMove::Up);
    EXPECT_EQ(b.node(cursor), 1);
    EXPECT_EQ(cursor.row(), 1);
    EXPECT_EQ(b.columns->column(1).top, 0) << "the column scrolled back to its start";
    EXPECT_EQ(cursor.step(*b.columns, KeyMove::Up).scroll, Scroll::None);
}

TEST(BookCursor, LeftGoesIntoTheOpenedHeadingAndRightComesBack)
{
    Book b({1, 2, 2, 1, 2});
    BookCursor cursor;
    b.key(cursor, KeyMove::Down);
    b.key(cursor, KeyMove::Left);
    EXPECT_EQ(cursor.column(), 1) << "nothing is open yet";
    b.key(cursor, KeyMove::Down);
    ASSERT_EQ(b.node(cursor), 4);
    ASSERT_NE(b.columns->openNode(cursor.column(), cursor.row()), 0);
    b.key(cursor, KeyMove::Left);
    EXPECT_EQ(cursor.column(), 2);
    EXPECT_EQ(b.node(cursor), 5);
    b.key(cursor, KeyMove::Down);
    EXPECT_EQ(b.node(cursor), 5) << "a column of one heading";
    b.key(cursor, KeyMove::Right);
    EXPECT_EQ(cursor.column(), 1);
    EXPECT_EQ(b.node(cursor), 4) << "back on the open heading";
    b.key(cursor, KeyMove::Right);
    EXPECT_EQ(cursor.column(), 1);
}

TEST(BookCursor, SettlesBackWhenItsColumnLeavesTheStrip)
{
    Book b({1, 2, 2, 1, 2});
    BookCursor cursor;
    ASSERT_NE(b.columns->openNode(1, 1), 0);
    cursor.moveTo(2, 2);
    cursor.settle(*b.columns);
    EXPECT_EQ(cursor.column(), 2);
    b.columns->openNode(1, 2); // column 2 now shows node 4's child
    b.columns->showColumn(1);
    cursor.settle(*b.columns);
    EXPECT_EQ(cursor.column(), 1);
    EXPECT_TRUE(b.columns->column(1).row(cursor.row()).shown);
    cursor.moveTo(1, 5);
    cursor.settle(*b.columns);
    EXPECT_EQ(cursor.row(), 2) << "column 1 shows two rows";
    cursor.moveTo(11, 1);
    EXPECT_FALSE(cursor.placed());
}

TEST(BookCursor, TheStripSlidesOnlyForAColumnOutOfView)
{
    const struct {
        int column, position, slide;
    } cases[] = {{1, 3, 0},  {3, 3, 0}, {4, 3, 1},   {4, 4, 0},
                 {2, 5, -1}, {3, 5, 0}, {10, 10, 0}, {7, 10, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(BookCursor::stripMoveFor(c.column, c.position), c.slide)
            << c.column << " at " << c.position;
}

} // namespace
} // namespace ovta
