#include "books/book_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "books/book_files_support.h"
#include "store/errors.h"

namespace ovta {
namespace {

using test::buildTree;
using test::fields;
using test::Heading;
using test::outline;

template <typename E, typename F> std::optional<std::string> errorText(F&& f)
{
    try {
        f();
    } catch (const E& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

IndexList treeList(const std::string& text)
{
    return IndexList::fromBytes("data\\tree", text);
}

// A tree held in memory: the list and an open title data file.
class Book {
public:
    Book(NodeLayout layout, const std::vector<Heading>& headings, std::string tail = "")
    {
        const test::TreeFiles files = buildTree(layout, headings);
        list = treeList(files.list + tail);
        content.write("data\\titles", files.titles.bytes);
        titles = DataFile::open(ContentDir(content.path()), "data\\titles");
    }

    test::FixtureDir content;
    IndexList list;
    DataFile titles;
};

std::vector<int> nodesOf(const std::vector<ColumnEntry>& entries)
{
    std::vector<int> nodes;
    for (const auto& e : entries)
        nodes.push_back(e.node);
    return nodes;
}

TEST(BookTree, EachLayoutReadsItsOwnFields)
{
    const Heading h{2, "title", 7, 9, "body"};
    const struct {
        NodeLayout layout;
        NodeFields expected;
    } cases[] = {
        {NodeLayout::Articles32, {0, 5, 2, 7, 0, 0, 0, 0, 0, 0}},
        {NodeLayout::Range40, {0, 5, 2, 0, 7, 9, 0, 0, 0, 0}},
        {NodeLayout::Body48, {0, 5, 2, 0, 0, 0, 0, 4, 0, 0}},
        {NodeLayout::Passages64, {0, 5, 2, 0, 0, 0, 0, 4, 7, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(nodeRecordSize(c.layout));
        const Book book(c.layout, {{1, "root"}, h});
        BookTree tree(c.layout, 10, 10);
        tree.load(book.list, book.titles);
        ASSERT_EQ(tree.count(), 2);
        EXPECT_EQ(tree.title(2), "title");
        EXPECT_EQ(tree.level(2), 2);
        NodeFields want = c.expected;
        want.titleOffset = 4; // after "root"
        const NodeFields& got = tree.fields(2);
        EXPECT_EQ(got.titleOffset, want.titleOffset);
        EXPECT_EQ(got.titleLength, want.titleLength);
        EXPECT_EQ(got.level, want.level);
        EXPECT_EQ(got.group, want.group);
        EXPECT_EQ(got.firstArticle, want.firstArticle);
        EXPECT_EQ(got.lastArticle, want.lastArticle);
        EXPECT_EQ(got.bodyOffset, want.bodyOffset);
        EXPECT_EQ(got.bodyLength, want.bodyLength);
        EXPECT_EQ(got.firstSegment, want.firstSegment);
        EXPECT_EQ(got.lastSegment, want.lastSegment);
    }
}

TEST(BookTree, UnusedFieldsAreNotConverted)
{
    // Field 1 of the 48- and 64-character layouts is never read.
    test::TreeFiles files = buildTree(NodeLayout::Body48, {{1, "a"}});
    files.list.replace(0, 8, "not used");
    test::FixtureDir content;
    content.write("data\\titles", files.titles.bytes);
    BookTree tree(NodeLayout::Body48, 10, 10);
    tree.load(treeList(files.list), DataFile::open(ContentDir(content.path()), "data\\titles"));
    EXPECT_EQ(tree.title(1), "a");
}

TEST(BookTree, WholeRecordsCountAndATrailingBreakAddsNone)
{
    for (const std::string tail : {"", "\r\n", "\n", "0000"}) {
        SCOPED_TRACE(testing::PrintToString(tail));
        const Book book(NodeLayout::Articles32, outline({1, 2, 1}), tail);
        BookTree tree(NodeLayout::Articles32, 10, 10);
        tree.load(book.list, book.titles);
        EXPECT_EQ(tree.fileCount(), 3);
        EXPECT_EQ(tree.count(), 3);
    }
}

TEST(BookTree, LevelOneHeadingsFormColumnOneInFileOrder)
{
    const Book book(NodeLayout::Range40, outline({1, 2, 3, 1, 2, 1}));
    BookTree tree(NodeLayout::Range40, 10, 10);
    tree.load(book.list, book.titles);
    EXPECT_EQ(tree.level1(), (std::vector<ColumnEntry>{{"n1", 1}, {"n4", 4}, {"n6", 6}}));
}

TEST(BookTree, ChildIconOnlyWhenTheNextNodeIsOneLevelDeeper)
{
    // n1 is followed by a grandchild, yet n4 is its child.
    const Book book(NodeLayout::Articles32, outline({1, 3, 3, 2, 3, 1, 2}));
    BookTree tree(NodeLayout::Articles32, 10, 10);
    tree.load(book.list, book.titles);
    const struct {
        int node, column;
        bool children;
    } cases[] = {
        {1, 1, false}, {4, 2, true},  {5, 3, false},
        {6, 1, true},  {7, 2, false}, // the last node never has children
        {0, 1, false}, {8, 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tree.hasChildren(c.node, c.column), c.children) << "node " << c.node;

    std::vector<ColumnEntry> children;
    tree.children(1, 1, 50, "column 2", children);
    EXPECT_EQ(nodesOf(children), (std::vector<int>{4}));
    children.clear();
    tree.children(7, 2, 50, "column 3", children);
    EXPECT_TRUE(children.empty());
}

TEST(BookTree, ChildrenScanStopsAtTheFirstNodeNotDeeper)
{
    const struct {
        const char* name;
        std::vector<int> levels;
        int node, column;
        std::vector<int> children;
    } cases[] = {
        {"deeper nodes skipped", {1, 2, 3, 3, 2, 4, 2, 1, 2}, 1, 1, {2, 5, 7}},
        {"stops at own level", {2, 3, 2, 3}, 1, 2, {2}},
        {"stops at a shallower level", {1, 2, 3, 1, 3}, 2, 2, {3}},
        {"level 0 ends it", {1, 2, 0, 2}, 1, 1, {2}},
        {"negative level ends it", {1, 2, -3, 2}, 1, 1, {2}},
        {"levels past 10 are passed over", {9, 10, 11, 12, 10}, 1, 9, {2, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Book book(NodeLayout::Articles32, outline(c.levels));
        BookTree tree(NodeLayout::Articles32, 20, 20);
        tree.load(book.list, book.titles);
        std::vector<ColumnEntry> children;
        tree.children(c.node, c.column, 50, "column", children);
        EXPECT_EQ(nodesOf(children), c.children);
    }
}

// The path to a heading is what clicking down the columns reaches: each
// step is one of the children the step before shows.
TEST(BookTree, PathToAHeadingOpensItsAncestorsColumnByColumn)
{
    const struct {
        const char* name;
        std::vector<int> levels;
        int node;
        std::vector<int> path;
    } cases[] = {
        {"a level-1 heading", {1, 2, 1}, 3, {3}},
        {"deeper siblings passed over", {1, 2, 3, 3, 2, 3, 4}, 7, {1, 5, 6, 7}},
        {"the nearest parent, not an earlier one", {1, 2, 1, 2, 3}, 5, {3, 4, 5}},
        {"a skipped level stops at the shown ancestor", {1, 2, 4}, 3, {1, 2}},
        {"a level 0 between cuts it off", {1, 0, 2}, 3, {}},
        {"a level 0 heading", {1, 0}, 2, {}},
        {"nothing above the first heading", {2, 1}, 1, {}},
        {"levels past 10 stop under column 10",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         11,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"outside the book", {1, 2}, 3, {}},
        {"node 0", {1, 2}, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Book book(NodeLayout::Articles32, outline(c.levels));
        BookTree tree(NodeLayout::Articles32, 20, 20);
        tree.load(book.list, book.titles);
        const std::vector<int> path = tree.pathTo(c.node);
        EXPECT_EQ(path, c.path);
        for (std::size_t i = 1; i < path.size(); ++i) {
            std::vector<ColumnEntry> children;
            tree.children(path[i - 1], static_cast<int>(i), 50, "column", children);
            EXPECT_NE(std::find(children.begin(), children.end(),
                                ColumnEntry{tree.title(path[i]), path[i]}),
                      children.end())
                << "step " << i;
        }
    }
}

TEST(BookTree, NoPathToAHeadingUnderALevelOneHeadingColumnOneHadNoRoomFor)
{
    const Book book(NodeLayout::Articles32, outline({1, 1, 2}));
    BookTree tree(NodeLayout::Articles32, 10, 1);
    EXPECT_THROW(tree.load(book.list, book.titles), RangeError);
    ASSERT_EQ(tree.count(), 2);
    EXPECT_EQ(tree.pathTo(1), std::vector<int>{1});
    EXPECT_TRUE(tree.pathTo(2).empty());
}

TEST(BookTree, CapacitiesStopAtTheEntryThatDoesNotFitKeepingTheOthers)
{
    const struct {
        const char* name;
        std::vector<int> levels;
        int nodes, level1;
        int loaded, column1;
        const char* says;
    } cases[] = {
        {"nodes", {1, 2, 2, 1, 2}, 4, 10, 4, 2, "the node table of frm14 holds 4 entries; node 5"},
        // The node that does not fit column 1 is in the node tables, not in the column.
        {"level 1", {1, 1, 2, 1, 1}, 10, 2, 4, 2, "column 1 of frm14 holds 2 entries; node 4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Book book(NodeLayout::Articles32, outline(c.levels));
        BookTree tree(NodeLayout::Articles32, c.nodes, c.level1, "frm14");
        const auto text = errorText<RangeError>([&] { tree.load(book.list, book.titles); });
        ASSERT_TRUE(text.has_value());
        EXPECT_NE(text->find(c.says), std::string::npos) << *text;
        EXPECT_NE(text->find("data\\tree"), std::string::npos) << *text;
        EXPECT_EQ(tree.count(), c.loaded);
        EXPECT_EQ(static_cast<int>(tree.level1().size()), c.column1);
    }
}

TEST(BookTree, ChildrenPastTheColumnCapacityAreARangeErrorKeepingThoseThatFit)
{
    const Book book(NodeLayout::Articles32, outline({1, 2, 3, 2, 2, 2}));
    BookTree tree(NodeLayout::Articles32, 10, 10);
    tree.load(book.list, book.titles);
    std::vector<ColumnEntry> children;
    const auto text =
        errorText<RangeError>([&] { tree.children(1, 1, 2, "column 2 of frm14", children); });
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find("column 2 of frm14 holds 2 entries; node 5"), std::string::npos) << *text;
    EXPECT_EQ(nodesOf(children), (std::vector<int>{2, 4}));
}

TEST(BookTree, DamagedRecordsStopTheLoadWithTheNodesBeforeThem)
{
    const std::string good = fields({0, 1, 1, 0}) + fields({1, 1, 2, 0});
    const struct {
        const char* name;
        std::string third;
        bool conversion;
    } cases[] = {
        {"letters in the level", fields({0, 1}) + "   one  " + fields({0}), true},
        {"trailing blank", fields({0, 1}) + "      1 " + fields({0}), true},
        {"negative title length", fields({0, -4, 1, 0}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::FixtureDir content;
        content.write("data\\titles", "ab");
        BookTree tree(NodeLayout::Articles32, 10, 10);
        const DataFile titles = DataFile::open(ContentDir(content.path()), "data\\titles");
        const IndexList list = treeList(good + c.third);
        if (c.conversion)
            EXPECT_THROW(tree.load(list, titles), ConversionError);
        else
            EXPECT_THROW(tree.load(list, titles), RangeError);
        EXPECT_EQ(tree.count(), 2);
        EXPECT_EQ(tree.level1(), (std::vector<ColumnEntry>{{"a", 1}}));
    }
}

TEST(BookTree, TitlesPastTheDataFileOrWithoutAFileAreEmpty)
{
    const std::string list = fields({0, 3, 1, 0}) + fields({2, 100, 1, 0}) +
                             fields({99999999, 5, 1, 0}) + fields({-8, 5, 1, 0});
    test::FixtureDir content;
    content.write("data\\titles", std::string("ab\0cd", 5));
    const ContentDir dir(content.path());
    for (const bool withFile : {true, false}) {
        BookTree tree(NodeLayout::Articles32, 10, 10);
        tree.load(treeList(list), DataFile::open(dir, withFile ? "data\\titles" : "data\\none"));
        ASSERT_EQ(tree.count(), 4);
        EXPECT_EQ(tree.title(1), withFile ? "ab" : "");
        EXPECT_EQ(tree.title(2), ""); // cut at the zero byte
        EXPECT_EQ(tree.title(3), "");
        EXPECT_EQ(tree.title(4), "");
    }
}

TEST(BookTree, EmptyOrMissingTreeHasNoNodes)
{
    BookTree tree(NodeLayout::Articles32, 10, 10);
    tree.load(IndexList(), DataFile());
    EXPECT_EQ(tree.count(), 0);
    tree.load(treeList(""), DataFile());
    EXPECT_EQ(tree.count(), 0);
    EXPECT_TRUE(tree.level1().empty());
    EXPECT_EQ(tree.title(1), "");
    EXPECT_EQ(tree.level(-1), 0);
    std::vector<ColumnEntry> children;
    tree.children(1, 1, 50, "column 2", children);
    EXPECT_TRUE(children.empty());
}

TEST(BookTree, LoadingAgainReplacesTheBook)
{
    const Book first(NodeLayout::Articles32, outline({1, 1, 1}));
    const Book second(NodeLayout::Articles32, outline({1}));
    BookTree tree(NodeLayout::Articles32, 10, 10);
    tree.load(first.list, first.titles);
    tree.load(second.list, second.titles);
    EXPECT_EQ(tree.count(), 1);
    EXPECT_EQ(tree.level1().size(), 1u);
}

} // namespace
} // namespace ovta
