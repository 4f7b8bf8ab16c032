// What the headings of the demo books open, followed as the screens follow
// it: groups into the group map, runs into the article number list, article
// numbers (with the book base) into the article index, and from there into
// the reader or the shelf's article texts. Articles of frm14 and frm64 must
// be the very articles their readers show under that title.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "demo/book_demo_support.h"
#include "store/text_lines.h"

namespace ovta::demo {
namespace {

using test::bookDemoDir;
using test::readTree;

struct ArticleBook {
    std::string name;
    std::string tree, titles, numbers, groups, index, indexTitles;
    int indexRecord;  // characters of an article index record
    int titleField;   // of the title offset in that record
    int base;         // book base
    bool zeroEndsRun; // frm64 ignores a run with a position 0
    int entryCapacity;
};

std::vector<ArticleBook> articleBooks()
{
    std::vector<ArticleBook> books{
        {"frm14", "data\\1kenor117", "data\\kenor116", "data\\1kenor110", "data\\1kenor111",
         "data\\1kenor115", "data\\kenor114", 24, 2, 0, false, 201},
        {"frm64", "data\\1kenor614", "data\\kenor613", "data\\1kenor615", "data\\1kenor616",
         "data\\1kenor621", "data\\kenor617", 16, 1, 0, true, 101},
    };
    const int bases[10] = {4782, 0, 5205, 3788, 4922, 4472, 110, 110, 3025, 3906};
    for (int b = 1; b <= 10; ++b) {
        const auto n = [&](int k) { return std::to_string(9 + 4 * b + k); };
        books.push_back({"frm43 book " + std::to_string(b), "data\\1kenor4" + n(0),
                         "data\\kenor4" + n(1), "data\\1kenor4" + n(2), "data\\1kenor4" + n(3),
                         "data\\1kenor47", "data\\kenor46", 64, 1, bases[b - 1], false, 101});
    }
    return books;
}

struct Entry {
    int node;
    int index; // article index: article number + base - 1
    std::string title;
};

// Every entry every heading of the book lists (algorithm of the article
// list), checking each step stays inside its list.
std::vector<Entry> allEntries(const ArticleBook& b, std::size_t& longest, int& emptyRuns)
{
    const ContentDir dir = bookDemoDir();
    const auto tree = readTree(dir, b.tree, b.titles, test::kArticleListTree);
    const auto numbers = IndexList::load(dir, b.numbers);
    const auto groups = IndexList::load(dir, b.groups);
    const auto index = IndexList::load(dir, b.index);
    const DataFile titles = DataFile::open(dir, b.indexTitles);
    std::vector<Entry> out;
    for (const auto& n : tree.nodes) {
        SCOPED_TRACE(testing::Message() << b.name << " node " << n.number);
        const int group = n.fields[3];
        if (group <= 0)
            continue;
        EXPECT_LE(group, groups.recordCount(16));
        if (group > groups.recordCount(16))
            continue;
        const int first = groups.field(group - 1, 16, 1);
        const int last = groups.field(group - 1, 16, 2);
        EXPECT_LE(first, last);
        EXPECT_GE(first, 0);
        EXPECT_LT(last, numbers.recordCount(8));
        if (b.zeroEndsRun) {
            EXPECT_TRUE(first != 0 && last != 0) << "a run the screen would not list";
        }
        std::size_t count = 0;
        for (int t = first; t <= last && t < numbers.recordCount(8); ++t, ++count) {
            const int a = numbers.field(t, 8, 1) + b.base;
            EXPECT_GE(a, 1);
            EXPECT_LE(a, index.recordCount(b.indexRecord)) << "article " << a;
            if (a < 1 || a > index.recordCount(b.indexRecord))
                continue;
            const std::string title =
                titles.read(index.field(a - 1, b.indexRecord, b.titleField),
                            index.field(a - 1, b.indexRecord, b.titleField + 1));
            EXPECT_FALSE(title.empty()) << "article " << a;
            out.push_back({n.number, a - 1, title});
        }
        EXPECT_LE(static_cast<int>(count), b.entryCapacity);
        longest = std::max(longest, count);
        emptyRuns += count == 0;
    }
    return out;
}

TEST(BookArticles, EveryRunStaysInsideItsListsAndNamesTitledArticles)
{
    std::size_t longest = 0;
    int emptyRuns = 0;
    bool single = false;
    for (const auto& b : articleBooks()) {
        std::map<int, int> perNode;
        for (const auto& e : allEntries(b, longest, emptyRuns))
            ++perNode[e.node];
        EXPECT_FALSE(perNode.empty()) << b.name << " lists no articles";
        for (const auto& [node, count] : perNode)
            single = single || count == 1;
    }
    EXPECT_EQ(emptyRuns, 0);
    EXPECT_GT(longest, 6u) << "an article list that scrolls";
    EXPECT_TRUE(single);
}

// frm14 opens frm13 on record CurrentItem = article index of "data\1kenor17";
// the title it shows must be the one frm12 lists for that article.
TEST(BookArticles, BiographyEntriesOpenTheArticleFrm12ListsUnderTheSameTitle)
{
    const ContentDir dir = bookDemoDir();
    std::map<int, std::string> frm12;
    for (const auto& [list, titles] : {std::pair{"data\\1kenor12", "data\\kenor11"},
                                       std::pair{"data\\1kenor14", "data\\kenor13"},
                                       std::pair{"data\\1kenor16", "data\\kenor15"}}) {
        const auto l = IndexList::load(dir, list);
        const DataFile t = DataFile::open(dir, titles);
        for (std::int64_t r = 0; r < l.recordCount(24); ++r)
            frm12[l.field(r, 24, 1)] = t.read(l.field(r, 24, 2), l.field(r, 24, 3));
    }
    const auto locators = IndexList::load(dir, "data\\1kenor17");
    std::size_t longest = 0;
    int emptyRuns = 0;
    std::set<int> listed;
    for (const auto& e : allEntries(articleBooks()[0], longest, emptyRuns)) {
        ASSERT_LT(e.index, locators.recordCount(16));
        ASSERT_TRUE(frm12.count(e.index + 1)) << "article " << e.index + 1;
        EXPECT_EQ(e.title, frm12[e.index + 1]) << "article " << e.index + 1;
        listed.insert(e.index + 1);
    }
    EXPECT_EQ(listed.size(), frm12.size()) << "every biography is in the book";
}

// frm64 opens frm65 on record CurrentItem of "data\1kenor618"; the entry's
// title is that article's heading line.
TEST(BookArticles, CommentaryEntriesOpenTheArticleHeadedByTheirTitle)
{
    const ContentDir dir = bookDemoDir();
    const auto locators = IndexList::load(dir, "data\\1kenor618");
    const DataFile texts = DataFile::open(dir, "data\\kenor620");
    std::size_t longest = 0;
    int emptyRuns = 0;
    for (const auto& e : allEntries(articleBooks()[1], longest, emptyRuns)) {
        ASSERT_LT(e.index, locators.recordCount(16));
        const std::string text =
            texts.read(locators.field(e.index, 16, 1), locators.field(e.index, 16, 2));
        ASSERT_GT(lineCount(text), 0u);
        EXPECT_EQ(std::string(lineAt(text, 0)), e.title) << "article " << e.index + 1;
    }
}

// Ten books share one article index by their bases; no book may reach
// into the records of another.
TEST(BookArticles, QuestionBooksKeepToTheirOwnRecordsOfTheSharedIndex)
{
    std::map<int, std::string> owner;
    std::size_t longest = 0;
    int emptyRuns = 0;
    for (const auto& b : articleBooks()) {
        if (b.index != "data\\1kenor47")
            continue;
        for (const auto& e : allEntries(b, longest, emptyRuns)) {
            const auto [it, fresh] = owner.emplace(e.index, b.name);
            EXPECT_TRUE(fresh || it->second == b.name)
                << "record " << e.index << " of " << b.name << " belongs to " << it->second;
        }
    }
    EXPECT_GT(owner.size(), 100u);
}

// frm410: a heading's run (first, last) plus the book base names locators
// of "data\1kenor44" that lie before the next book's base; runs hold empty
// articles between texts for previous and next to pass over.
TEST(BookArticles, ShelfRunsStayInTheirBooksAndStartWithAText)
{
    const ContentDir dir = bookDemoDir();
    const auto locators = IndexList::load(dir, "data\\1kenor44");
    const DataFile texts = DataFile::open(dir, "data\\kenor45");
    const int bases[] = {0,     5700,  7510,  8060,  12650, 18650, 20450,
                         21050, 21550, 24650, 30850, 35450, 35900};
    bool skipped = false, longText = false, without = false, endsEmpty = false;
    for (int book = 0; book <= 11; ++book) {
        SCOPED_TRACE(book);
        const auto tree =
            readTree(dir, "data\\1kenor" + std::to_string(454 + 2 * book),
                     "data\\kenor" + std::to_string(453 + 2 * book), test::kShelfTree);
        for (const auto& n : tree.nodes) {
            SCOPED_TRACE(testing::Message() << "node " << n.number);
            const int first = n.fields[3], last = n.fields[4];
            if (first == 0 || last == 0) {
                EXPECT_EQ(first, last);
                without = true;
                continue;
            }
            ASSERT_GE(first, 1);
            ASSERT_LE(first, last);
            ASSERT_LE(last - first + 1, 2000);
            ASSERT_LE(bases[book] + last, bases[book + 1]);
            ASSERT_LE(bases[book] + last, locators.recordCount(16));
            std::vector<std::size_t> lines;
            for (int a = first; a <= last; ++a) {
                const int r = bases[book] + a - 1;
                lines.push_back(
                    lineCount(texts.read(locators.field(r, 16, 1), locators.field(r, 16, 2))));
            }
            EXPECT_GT(lines.front(), 0u) << "the article shown on opening is empty";
            for (std::size_t i = 1; i + 1 < lines.size(); ++i)
                skipped = skipped || (lines[i] == 0 && lines[i - 1] > 0 && lines[i + 1] > 0);
            endsEmpty = endsEmpty || (lines.size() > 1 && lines.back() == 0);
            for (const auto l : lines)
                longText = longText || l > 20;
        }
    }
    EXPECT_TRUE(skipped) << "an empty article between two texts";
    EXPECT_TRUE(endsEmpty) << "a run that ends in an empty article";
    EXPECT_TRUE(longText) << "an article that pages";
    EXPECT_TRUE(without) << "a heading without articles";
}

} // namespace
} // namespace ovta::demo
