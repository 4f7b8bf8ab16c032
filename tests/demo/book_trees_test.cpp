// The trees of the demo books, read back as the book screens read them:
// every tree file is one line of whole records in pre-order within the
// screen's capacities, every title and body text lies in its data file as
// glyph text, and together the books offer the shapes the screens have to
// handle (deep paths, long columns, short ones, empty and long texts).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "demo/book_demo_support.h"
#include "search/glyph_chart.h"
#include "store/text_lines.h"

namespace ovta::demo {
namespace {

using test::allBooks;
using test::bookDemoDir;
using test::readTree;

// Glyph text of one line: no line break, no zero byte, every byte drawn by
// the font.
bool isGlyphLine(const std::string& text)
{
    for (const unsigned char b : text)
        if (b == '\r' || b == '\n' || b == 0 || chartEntry(b) == nullptr)
            return false;
    return true;
}

TEST(BookTrees, EveryTreeIsOneLineOfWholeRecordsInPreOrderWithinItsCapacities)
{
    const ContentDir dir = bookDemoDir();
    for (const auto& b : allBooks()) {
        SCOPED_TRACE(b.screen);
        const auto tree = readTree(dir, b.tree, b.titles, b.layout);
        // One line: a record broken over two lines would shift every
        // record after it.
        ASSERT_EQ(tree.list.lineCount(), 1u);
        EXPECT_EQ((tree.list.text().size() - 2) % static_cast<std::size_t>(b.layout.recordSize),
                  0u);
        const auto& nodes = tree.nodes;
        ASSERT_FALSE(nodes.empty());
        EXPECT_LE(static_cast<int>(nodes.size()), b.nodeCapacity);
        EXPECT_EQ(nodes.front().level, 1);
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "node " << nodes[i].number);
            EXPECT_GE(nodes[i].level, 1);
            EXPECT_LE(nodes[i].level, 10);
            if (i > 0) {
                EXPECT_LE(nodes[i].level, nodes[i - 1].level + 1) << "jumps down two levels";
            }
            EXPECT_FALSE(nodes[i].title.empty());
            EXPECT_EQ(static_cast<std::int32_t>(nodes[i].title.size()),
                      nodes[i].fields[static_cast<std::size_t>(b.layout.titleOffsetField)])
                << "title runs past its data file or holds a zero byte";
            EXPECT_TRUE(isGlyphLine(nodes[i].title));
            EXPECT_LE(static_cast<int>(tree.children(nodes[i].number).size()), b.childCapacity);
        }
        EXPECT_LE(static_cast<int>(tree.topLevel().size()), b.topCapacity);
    }
}

TEST(BookTrees, BooksOfferTheShapesTheColumnsMustHandle)
{
    const ContentDir dir = bookDemoDir();
    int deepest = 0;
    bool fiveAtTop = false, fewerAtTop = false, longColumn = false, mixed = false;
    std::set<std::string> shallowTops;
    for (const auto& b : allBooks()) {
        const auto tree = readTree(dir, b.tree, b.titles, b.layout);
        deepest = std::max(deepest, tree.depth());
        const auto top = tree.topLevel();
        fiveAtTop = fiveAtTop || top.size() == 5;
        fewerAtTop = fewerAtTop || top.size() < 5;
        longColumn = longColumn || top.size() > 5;
        for (const auto& n : tree.nodes) {
            const auto kids = tree.children(n.number);
            longColumn = longColumn || kids.size() > 5;
            std::set<bool> leaves;
            for (const int k : kids)
                leaves.insert(tree.children(k).empty());
            mixed = mixed || leaves.size() == 2;
        }
    }
    EXPECT_EQ(deepest, 10) << "a path through all ten columns";
    EXPECT_TRUE(fiveAtTop) << "a first column of exactly five rows, without arrows";
    EXPECT_TRUE(fewerAtTop);
    EXPECT_TRUE(longColumn) << "a column that scrolls";
    EXPECT_TRUE(mixed) << "leaves and headings with sub-headings in one column";
    // The shelf's first book fills frm410's capacity.
    const auto shelf0 = readTree(dir, "data\\1kenor454", "data\\kenor453", test::kShelfTree);
    EXPECT_EQ(shelf0.nodes.size(), 750u);
    // frm63 offers passages only for levels 1 to 5: its book goes deeper.
    const auto recitation =
        readTree(dir, "data\\1kenor69", "data\\kenor610", test::kRecitationTree);
    EXPECT_GE(recitation.depth(), 6);
}

// Body texts of frm7 and frm63: (offset, length) inside the body file,
// lines of glyph text separated by CR LF.
TEST(BookTrees, BodyTextsLieInTheirFilesAsLinesOfGlyphText)
{
    const ContentDir dir = bookDemoDir();
    struct Source {
        std::string tree, titles, bodies;
        test::TreeLayout layout;
    };
    std::vector<Source> sources{
        {"data\\1kenor69", "data\\kenor610", "data\\kenor611", test::kRecitationTree}};
    for (int b = 1; b <= 17; ++b) {
        const auto& books = allBooks();
        const auto it = std::find_if(books.begin(), books.end(), [&](const auto& x) {
            return x.screen == "frm7 book " + std::to_string(b);
        });
        ASSERT_NE(it, books.end());
        sources.push_back({it->tree, it->titles, test::frm7Bodies(b), test::kBodyTree});
    }
    std::size_t longest = 0;
    bool empty = false, oneLine = false;
    for (const auto& s : sources) {
        SCOPED_TRACE(s.tree);
        const auto tree = readTree(dir, s.tree, s.titles, s.layout);
        const DataFile bodies = DataFile::open(dir, s.bodies);
        ASSERT_TRUE(bodies.valid());
        for (const auto& n : tree.nodes) {
            SCOPED_TRACE(testing::Message() << "node " << n.number);
            const std::int32_t offset = n.fields[3], length = n.fields[4];
            ASSERT_GE(length, 0);
            const std::string body = bodies.read(offset, length);
            ASSERT_EQ(static_cast<std::int32_t>(body.size()), length);
            const std::size_t lines = lineCount(body);
            for (std::size_t i = 0; i < lines; ++i)
                ASSERT_TRUE(isGlyphLine(std::string(lineAt(body, i)))) << "line " << i;
            longest = std::max(longest, lines);
            empty = empty || lines == 0;
            oneLine = oneLine || lines == 1;
        }
    }
    EXPECT_GT(longest, 20u) << "a body that pages more than once";
    EXPECT_TRUE(empty);
    EXPECT_TRUE(oneLine);
}

} // namespace
} // namespace ovta::demo
