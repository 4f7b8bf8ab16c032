#include "reading/article.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reading/content_records.h"
#include "store/errors.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::fields;

ArticleRules frm13Rules()
{
    return {4, 32, {33, 34, 35, 36}, true};
}
ArticleRules frm03Rules()
{
    return {7, 17, {18, 19, 83, 20, 21, 22, 23}, false};
}

std::string letters(int n, char from = 'a')
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>(from + i % 26);
    return s;
}

TEST(Article, WholeTextAndChooserOfTheSectionRecordWithAPairAtZero)
{
    Article a(frm13Rules());
    a.setText(letters(200));
    a.setSections({{0, 120}, {120, 80}, {0, 0}, {0, 0}});
    EXPECT_EQ(a.cut(1), letters(200).substr(0, 120));
    EXPECT_EQ(a.cut(2), letters(200).substr(120, 80));
    EXPECT_EQ(a.whole(), a.cut(1) + "\r\n\r\n" + a.cut(2));
    const auto chooser = a.chooser();
    ASSERT_EQ(chooser.size(), 2u) << "a sub-section starting at 0 gets no entry";
    EXPECT_EQ(chooser[0].caption, 32);
    EXPECT_EQ(chooser[0].shows, 0);
    EXPECT_EQ(chooser[1].caption, 34);
    EXPECT_EQ(chooser[1].shows, 2);
}

TEST(Article, CutsAreClippedToTheText)
{
    Article a(frm03Rules());
    a.setText("0123456789");
    a.setSections({{2, 3}, {8, 50}, {40, 5}, {-3, 4}, {5, -2}, {0, 0}, {9, 1}});
    const std::vector<std::string> cuts = {"234", "89", "", "0123", "", "", "9"};
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(a.cut(k), cuts[static_cast<std::size_t>(k - 1)]) << k;
    EXPECT_EQ(a.cut(0), "");
    EXPECT_EQ(a.cut(8), "");
}

TEST(Article, EmptyFirstSubSectionLeavesTwoEmptyLinesAtTheTop)
{
    Article a(frm03Rules());
    a.setText("abcdefgh");
    a.setSections({{0, 0}, {4, 4}, {0, 4}, {0, 0}, {0, 0}, {0, 0}, {0, 0}});
    // Joined in pair order whatever their positions in the article.
    EXPECT_EQ(a.whole(), "\r\n\r\nefgh\r\n\r\nabcd");
}

TEST(Article, OnlyMarkedReadersLeaveOutEntriesWithEmptyCuts)
{
    const std::vector<SectionPair> pairs = {{5, 10}, {500, 20}, {7, 3}, {0, 0}};
    Article marked({4, 32, {33, 34, 35, 36}, true});
    Article unmarked({4, 37, {38, 39, 40, 41}, false});
    for (Article* a : {&marked, &unmarked}) {
        a->setText(letters(50));
        a->setSections(pairs);
    }
    std::vector<int> shows;
    for (const auto& e : marked.chooser())
        shows.push_back(e.shows);
    EXPECT_EQ(shows, (std::vector<int>{0, 1, 3}));
    shows.clear();
    for (const auto& e : unmarked.chooser())
        shows.push_back(e.shows);
    EXPECT_EQ(shows, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(unmarked.chooser()[2].caption, 39);
    // Out-of-range pairs are left out of the whole text in both.
    EXPECT_EQ(marked.whole(), marked.cut(1) + "\r\n\r\n" + marked.cut(3));
}

TEST(Article, TenPairsFillElevenEntries)
{
    Article a({10, 37, {73, 74, 75, 76, 77, 78, 79, 80, 81, 82}, true});
    a.setText(letters(100));
    std::vector<SectionPair> pairs;
    for (int k = 0; k < 10; ++k)
        pairs.push_back({1 + 9 * k, 9});
    a.setSections(pairs);
    const auto chooser = a.chooser();
    ASSERT_EQ(chooser.size(), 11u);
    EXPECT_EQ(chooser[10].caption, 82);
    EXPECT_EQ(chooser[10].shows, 10);
}

class ArticleFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        content.write("data\\loc", fields({0, 5}) + fields({5, 6}) + fields({3, 0}));
        content.write("data\\sec", fields({0, 2, 2, 3}) + fields({1, 1, 0, 0}));
        content.write("data\\art", "helloworld!");
    }
    ContentDir dir() const { return ContentDir(content.path()); }
    test::FixtureDir content;
};

TEST_F(ArticleFiles, ReadsTheRecordsItIsGiven)
{
    const auto locators = IndexList::load(dir(), "data\\loc");
    const auto articles = DataFile::open(dir(), "data\\art");
    EXPECT_EQ(readArticle(locators, articles, 0), "hello");
    EXPECT_EQ(readArticle(locators, articles, 1), "world!");
    EXPECT_EQ(readArticle(locators, articles, 2), "") << "length 0";
    EXPECT_THROW(readArticle(locators, articles, 3), ConversionError) << "past the last record";

    const auto sections = IndexList::load(dir(), "data\\sec");
    const auto pairs = readSections(sections, 1, 2);
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].start, 1);
    EXPECT_EQ(pairs[1].length, 0);
    EXPECT_THROW(readSections(sections, 2, 2), ConversionError);
}

TEST_F(ArticleFiles, MissingDataFileGivesEmptyArticles)
{
    const auto locators = IndexList::load(dir(), "data\\loc");
    EXPECT_EQ(readArticle(locators, DataFile::open(dir(), "data\\none"), 1), "");
}

} // namespace
} // namespace ovta
