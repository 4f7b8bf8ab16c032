#include "books/article_list.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "books/book_tables.h"
#include "reading/content_records.h"
#include "store/errors.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::DataBuilder;
using test::fields;

ArticleListRules rulesOf(BookScreen screen, std::int64_t base = 0, int capacity = 0)
{
    const ScreenSettings& s = screenSettings(screen);
    return {s.articleRecordSize,
            s.articleTitleField,
            base,
            s.articleRangeNeedsBothEnds,
            capacity ? capacity : s.capacity.articles,
            s.name};
}

// The group map, article number list and article index of one screen's
// layout. The index holds `skipped` empty records, then articles titled
// "t<record>".
class ArticleFiles {
public:
    ArticleFiles(BookScreen screen, const std::vector<std::pair<long long, long long>>& groups,
                 const std::vector<long long>& numbers, int articles, int skipped = 0)
    {
        const ScreenSettings& s = screenSettings(screen);
        std::string map;
        for (const auto& [first, last] : groups)
            map += fields({first, last});
        std::string list;
        for (long long n : numbers)
            list += fields({n});
        std::string index(static_cast<std::size_t>(s.articleRecordSize) * skipped, '0');
        DataBuilder titles;
        for (int r = skipped; r < skipped + articles; ++r) {
            const auto [offset, length] = titles.add("t" + std::to_string(r));
            for (int f = 1; f <= s.articleRecordSize / 8; ++f)
                index += f == s.articleTitleField       ? fields({offset})
                         : f == s.articleTitleField + 1 ? fields({length})
                                                        : fields({0});
        }
        content.write("data\\map", map);
        content.write("data\\numbers", list);
        content.write("data\\index", index);
        content.write("data\\titles", titles.bytes);
        const ContentDir dir(content.path());
        groupMap = IndexList::load(dir, "data\\map");
        articleNumbers = IndexList::load(dir, "data\\numbers");
        articleIndex = IndexList::load(dir, "data\\index");
        articleTitles = DataFile::open(dir, "data\\titles");
    }

    ArticleListFiles files() const
    {
        return {groupMap, articleNumbers, articleIndex, articleTitles};
    }

    test::FixtureDir content;
    IndexList groupMap, articleNumbers, articleIndex;
    DataFile articleTitles;
};

std::vector<std::string> titlesOf(const ArticleList& list)
{
    std::vector<std::string> titles;
    for (const auto& e : list.entries())
        titles.push_back(e.title);
    return titles;
}

TEST(ArticleList, GroupsSelectRunsOfArticleNumbers)
{
    // Positions 0..4 of the number list hold articles 3, 1, 2, 5, 4.
    const std::vector<std::pair<long long, long long>> groups = {
        {1, 3}, {0, 0}, {4, 2}, {0, 2}, {3, 0}};
    const std::vector<long long> numbers = {3, 1, 2, 5, 4};
    const struct {
        const char* name;
        BookScreen screen;
        int group;
        std::vector<std::string> titles;
    } cases[] = {
        {"frm14 run", BookScreen::Frm14, 1, {"t0", "t1", "t4"}},
        {"frm43 run", BookScreen::Frm43, 1, {"t0", "t1", "t4"}},
        {"frm64 run", BookScreen::Frm64, 1, {"t0", "t1", "t4"}},
        {"group 0", BookScreen::Frm14, 0, {}},
        {"negative group", BookScreen::Frm14, -2, {}},
        {"position 0 to 0", BookScreen::Frm14, 2, {"t2"}},
        {"last before first", BookScreen::Frm14, 3, {}},
        // A first or last position of 0 gives nothing only in frm64.
        {"first 0", BookScreen::Frm14, 4, {"t2", "t0", "t1"}},
        {"first 0, frm64", BookScreen::Frm64, 4, {}},
        {"last 0", BookScreen::Frm43, 5, {}},
        {"last 0, frm64", BookScreen::Frm64, 5, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ArticleFiles files(c.screen, groups, numbers, 5);
        ArticleList list;
        list.build(files.files(), rulesOf(c.screen), c.group);
        EXPECT_EQ(titlesOf(list), c.titles);
    }
}

TEST(ArticleList, TheEntryKeepsItsArticleIndex)
{
    const ArticleFiles files(BookScreen::Frm14, {{0, 1}}, {4, 2}, 5);
    ArticleList list;
    list.build(files.files(), rulesOf(BookScreen::Frm14), 1);
    EXPECT_EQ(list.entries(), (std::vector<ArticleEntry>{{"t3", 3}, {"t1", 1}}));
}

TEST(ArticleList, BookBaseMovesTheArticleIntoTheSharedIndex)
{
    // Book 1 of frm43: article 5 is article 4787 of the shared index.
    const ArticleFiles files(BookScreen::Frm43, {{0, 0}}, {5}, 1, 4786);
    ArticleList list;
    list.build(files.files(), rulesOf(BookScreen::Frm43, bookInfo(BookScreen::Frm43, 1).base), 1);
    EXPECT_EQ(list.entries(), (std::vector<ArticleEntry>{{"t4786", 4786}}));
}

TEST(ArticleList, CapacityStopsAtTheFirstSurplusEntry)
{
    // A run to position 99999999 would never end without the capacity.
    const ArticleFiles files(BookScreen::Frm64, {{1, 99999999}}, {1, 1, 1, 1, 1, 1}, 1);
    ArticleList list;
    try {
        list.build(files.files(), rulesOf(BookScreen::Frm64, 0, 3), 1);
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("the article list of frm64 holds 3 entries; position 4"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("data\\numbers"), std::string::npos) << text;
    }
    EXPECT_EQ(list.count(), 3);
}

TEST(ArticleList, TheRealCapacitiesHoldTheirLastEntry)
{
    const struct {
        BookScreen screen;
        int capacity;
    } cases[] = {{BookScreen::Frm14, 201}, {BookScreen::Frm43, 101}};
    for (const auto& c : cases) {
        SCOPED_TRACE(screenSettings(c.screen).name);
        const ArticleFiles exact(c.screen, {{0, c.capacity - 1}},
                                 std::vector<long long>(static_cast<std::size_t>(c.capacity), 1),
                                 1);
        ArticleList list;
        list.build(exact.files(), rulesOf(c.screen), 1);
        EXPECT_EQ(list.count(), c.capacity);
        const ArticleFiles over(c.screen, {{0, c.capacity}},
                                std::vector<long long>(static_cast<std::size_t>(c.capacity) + 1, 1),
                                1);
        EXPECT_THROW(list.build(over.files(), rulesOf(c.screen), 1), RangeError);
        EXPECT_EQ(list.count(), c.capacity);
    }
}

TEST(ArticleList, DamagedListsStopWithTheEntriesBefore)
{
    const struct {
        const char* name;
        std::vector<std::pair<long long, long long>> groups;
        std::vector<long long> numbers;
        int group;
        int kept;
    } cases[] = {
        {"group past the map", {{0, 0}}, {1}, 2, 0},
        {"position past the numbers", {{0, 3}}, {1, 2}, 1, 2},
        {"negative position", {{-1, 0}}, {1}, 1, 0},
        {"article past the index", {{0, 2}}, {1, 9, 1}, 1, 1},
        {"article 0", {{0, 1}}, {2, 0}, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ArticleFiles files(BookScreen::Frm14, c.groups, c.numbers, 2);
        ArticleList list;
        EXPECT_THROW(list.build(files.files(), rulesOf(BookScreen::Frm14), c.group),
                     ConversionError);
        EXPECT_EQ(list.count(), c.kept);
    }
}

TEST(ArticleList, BuildingAgainReplacesTheEntries)
{
    const ArticleFiles files(BookScreen::Frm14, {{0, 1}}, {1, 2}, 2);
    ArticleList list;
    list.build(files.files(), rulesOf(BookScreen::Frm14), 1);
    ASSERT_EQ(list.count(), 2);
    list.build(files.files(), rulesOf(BookScreen::Frm14), 0);
    EXPECT_EQ(list.count(), 0);
}

} // namespace
} // namespace ovta
