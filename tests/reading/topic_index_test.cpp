#include "reading/topic_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reading/content_records.h"
#include "store/errors.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::DataBuilder;
using test::fields;

// Level 1: "A" (level-2 lines 1..3 through pointers 0..2), "B" (range 5, 4:
// nothing), "C" (pointer 3: line 2 again).
// Level 2: line 1 "a1" has titles 1..2, line 2 "a2" titles 3..4 (the same
// text twice), line 3 "a3" none.
class TopicIndexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        content.write("data\\kenor07", "A\r\nB\r\nC\r\n");
        content.write("data\\1kenor06", fields({0, 2}) + fields({5, 4}) + fields({3, 3}));
        content.write("data\\1kenor05", fields({1}) + fields({2}) + fields({3}) + fields({2}));
        content.write("data\\kenor08", "a1\r\na2\r\na3\r\n");
        content.write("data\\1kenor04", fields({0, 1}) + fields({2, 3}) + fields({1, 0}));
        content.write("data\\1kenor03", fields({4}) + fields({1}) + fields({2}) + fields({3}));
        DataBuilder titles;
        std::string articles;
        const struct {
            const char* title;
            int icon, article;
        } rows[] = {{"first", 1, 10}, {"same", 3, 20}, {"same", 4, 21}, {"last", 0, 40}};
        for (const auto& r : rows) {
            const auto [offset, length] = titles.add(r.title);
            articles += fields({offset, length, r.icon, r.article});
        }
        content.write("data\\1kenor016", articles);
        content.write("data\\kenor017", titles.bytes);
    }

    void loadAll()
    {
        const ContentDir dir(content.path());
        index.loadArticles(dir);
        index.loadSpans(dir);
        index.loadHeadings(dir);
    }

    test::FixtureDir content;
    TopicIndex index;
};

TEST_F(TopicIndexTest, ThreeLevels)
{
    loadAll();
    EXPECT_EQ(index.level1(), (std::vector<std::string>{"A", "B", "C"}));
    index.chooseLevel1(0);
    EXPECT_EQ(index.level2(), (std::vector<std::string>{"a1", "a2", "a3"}));
    EXPECT_EQ(index.level2Numbers(), (std::vector<int>{1, 2, 3}));

    index.chooseLevel2(1);
    ASSERT_EQ(index.titles().size(), 2u);
    EXPECT_EQ(index.titles()[0].title, "last");
    EXPECT_EQ(index.titles()[0].icon, 0);
    EXPECT_EQ(index.titles()[0].article, 40);
    EXPECT_EQ(index.titles()[1].title, "first");

    // Two titles with the same text keep their own icon and article.
    index.chooseLevel2(2);
    ASSERT_EQ(index.titles().size(), 2u);
    EXPECT_EQ(index.titles()[0].title, index.titles()[1].title);
    EXPECT_EQ(index.titles()[0].icon, 3);
    EXPECT_EQ(index.titles()[1].icon, 4);
    EXPECT_EQ(index.titles()[0].article, 20);
    EXPECT_EQ(index.titles()[1].article, 21);

    index.chooseLevel2(3);
    EXPECT_TRUE(index.titles().empty()) << "range (1, 0) lists nothing";
}

TEST_F(TopicIndexTest, AnEmptyRangeLeavesTheLevelBelowEmpty)
{
    loadAll();
    index.chooseLevel1(0);
    index.chooseLevel1(1); // range (5, 4)
    EXPECT_TRUE(index.level2().empty());
    EXPECT_TRUE(index.level2Numbers().empty());
    index.chooseLevel1(2);
    EXPECT_EQ(index.level2(), (std::vector<std::string>{"a2"}));
}

TEST_F(TopicIndexTest, PointerOutsideTheHeadingsIsAListIndexError)
{
    content.write("data\\1kenor05", fields({1}) + fields({0}) + fields({9}) + fields({2}));
    loadAll();
    EXPECT_THROW(index.chooseLevel1(0), RangeError);
    EXPECT_EQ(index.level2(), (std::vector<std::string>{"a1"})) << "what was read stays";
}

TEST_F(TopicIndexTest, CapacitiesAreRangeErrorsAtTheFirstSurplusEntry)
{
    // 52 level-2 entries under heading A; 102 titles under line 1.
    std::string pointers, pointers2;
    for (int i = 0; i < 52; ++i)
        pointers += fields({1});
    for (int i = 0; i < 102; ++i)
        pointers2 += fields({1});
    content.write("data\\1kenor06", fields({0, 51}));
    content.write("data\\1kenor05", pointers);
    content.write("data\\1kenor04", fields({0, 101}));
    content.write("data\\1kenor03", pointers2);
    loadAll();
    try {
        index.chooseLevel1(0);
        ADD_FAILURE() << "no range error";
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(), "\"data\\1kenor06\": names more entries than the 51 of the "
                               "level-2 number table of frm04");
    }
    EXPECT_EQ(index.level2().size(), 51u);
    try {
        index.chooseLevel2(1);
        ADD_FAILURE() << "no range error";
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(), "\"data\\1kenor04\": names more entries than the 101 of the "
                               "title number table of frm04");
    }
    EXPECT_EQ(index.titles().size(), 101u);
}

TEST_F(TopicIndexTest, AHugeRangeEndsAtTheEndOfThePointerList)
{
    content.write("data\\1kenor06", fields({2, 99999999}));
    loadAll();
    EXPECT_THROW(index.chooseLevel1(0), ConversionError);
    EXPECT_EQ(index.level2(), (std::vector<std::string>{"a3", "a2"}));
}

TEST_F(TopicIndexTest, AMissingFileThrowsNamingItAndLeavesTheRestEmpty)
{
    std::filesystem::remove(content.path() / "data" / "1kenor05");
    const ContentDir dir(content.path());
    try {
        index.loadSpans(dir);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "\"data\\1kenor05\": cannot be opened");
    }
    index.loadHeadings(dir);
    EXPECT_THROW(index.chooseLevel1(0), ConversionError);
}

TEST(TopicIndexIcons, KindsPickTheirBitmaps)
{
    const struct {
        int kind;
        const char* resource;
    } cases[] = {{1, "BITMAP_6"}, {2, "BITMAP_4"}, {3, "BITMAP_3"}, {4, "BITMAP_3"},
                 {5, "BITMAP_1"}, {6, "BITMAP_2"}, {7, "BITMAP_8"}, {8, "BITMAP_9"},
                 {9, "BITMAP_5"}, {0, nullptr},    {10, nullptr},   {-1, nullptr}};
    for (const auto& c : cases) {
        const char* r = iconResource(c.kind);
        if (!c.resource)
            EXPECT_EQ(r, nullptr) << c.kind;
        else
            EXPECT_STREQ(r, c.resource) << c.kind;
    }
}

} // namespace
} // namespace ovta
