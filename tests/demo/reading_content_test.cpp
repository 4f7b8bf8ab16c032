// The demo content of the reading screens agrees with the screens: the
// alphabetical sets start their letters where frm12's jump tables say,
// every title points at an article its reader has, the lists stay within
// their screens' capacities, and the topic index is whole.
#include "demo/reading_content.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "reading/article.h"
#include "store/content_dir.h"
#include "store/index_list.h"
#include "reading/letter_index.h"
#include "shell/pager.h"
#include "store/text_lines.h"
#include "reading/topic_index.h"
#include "reading/topic_list.h"
#include "demo/content_writer.h"
#include "search/glyph_chart.h"
#include "demo/demo_files_test.h"
#include "support/fixture_dir.h"

namespace ovta::demo {
namespace {

class ReadingContentTest : public DemoFilesTest<readingFiles> {
protected:
    static TopicList topics(const char* list, const char* titles, TopicRecord record, int capacity,
                            bool byGroup = false, int group = 0)
    {
        TopicList t;
        t.scan(IndexList::load(dir(), list), DataFile::open(dir(), titles),
               {record, byGroup, 0, capacity, "demo"}, group);
        return t;
    }

    // Every article number of `t` has a locator and a section record.
    static void expectArticles(const TopicList& t, const char* locators, const char* sections,
                               int pairs)
    {
        const auto loc = list(locators);
        const auto sec = list(sections);
        for (int i = 0; i < t.count(); ++i) {
            const int record = t.number(i) - 1;
            ASSERT_GE(record, 0) << i;
            ASSERT_LT(record, loc.recordCount(16)) << locators << " entry " << i;
            ASSERT_LT(record, sec.recordCount(16 * pairs)) << sections << " entry " << i;
        }
    }
};

// The letter (1..28) a glyph title starts with: its rightmost byte, read
// back through the glyph chart; alef in any of its forms counts as alef.
int firstLetter(const std::string& title)
{
    static const std::u32string alphabet = U"ابتثجحخدذرزسشصضطظعغفقكلمنهوي";
    if (title.empty())
        return 0;
    const GlyphChartEntry* e = chartEntry(static_cast<std::uint8_t>(title.back()));
    if (!e)
        return 0;
    char32_t c = e->letter;
    if (c == U'\u0622' || c == U'\u0623' || c == U'\u0625')
        c = U'\u0627';
    const auto at = alphabet.find(c);
    return at == std::u32string::npos ? 0 : static_cast<int>(at) + 1;
}

TEST_F(ReadingContentTest, AlphabeticalSetsStartTheirLettersWhereTheJumpTablesSay)
{
    const struct {
        int book;
        const char* list;
        const char* titles;
        int size;
    } sets[] = {{1, "data\\1kenor12", "data\\kenor11", 800},
                {2, "data\\1kenor14", "data\\kenor13", 650}};
    for (const auto& s : sets) {
        SCOPED_TRACE(s.book);
        const TopicList t = topics(s.list, s.titles, TopicRecord::OrderA, 1001);
        ASSERT_EQ(t.count(), s.size);
        int letter = 0;
        int starts = 0;
        for (int i = 0; i < t.count(); ++i) {
            const int now = firstLetter(t.title(i));
            ASSERT_GE(now, 1) << "entry " << i + 1 << " starts with no letter";
            ASSERT_GE(now, letter) << "entry " << i + 1 << " out of alphabetical order";
            if (now != letter) {
                EXPECT_EQ(letterEntry(s.book, now), i + 1) << "letter " << now;
                letter = now;
                ++starts;
            }
        }
        EXPECT_EQ(starts, 27) << "every letter but zah starts somewhere";
        EXPECT_EQ(letterEntry(s.book, 17), 0);
        expectArticles(t, "data\\1kenor17", "data\\1kenor18", 4);
    }
    const TopicList third = topics("data\\1kenor16", "data\\kenor15", TopicRecord::OrderA, 1001);
    EXPECT_GT(third.count(), 9);
    expectArticles(third, "data\\1kenor17", "data\\1kenor18", 4);
}

TEST_F(ReadingContentTest, TopicListsStayWithinTheirCapacitiesAndPointAtArticles)
{
    for (int group = 1; group <= 8; ++group) {
        SCOPED_TRACE(group);
        const bool own = group == 7;
        const TopicList t = topics(own ? "data\\1kenor022" : "data\\1kenor01",
                                   own ? "data\\kenor023" : "data\\kenor02", TopicRecord::Grouped,
                                   201, true, group);
        EXPECT_GT(t.count(), 0);
        expectArticles(t, "data\\1kenor010", "data\\1kenor011", 7);
    }
    const TopicList fiqh = topics("data\\1kenor49", "data\\kenor490", TopicRecord::OrderB, 200);
    EXPECT_GT(fiqh.count(), 9);
    expectArticles(fiqh, "data\\1kenor410", "data\\1kenor411", 7);
    const TopicList sects = topics("data\\1kenor84", "data\\kenor88", TopicRecord::OrderB, 30);
    EXPECT_GT(sects.count(), 9);
    expectArticles(sects, "data\\1kenor86", "data\\1kenor85", 10);
}

TEST_F(ReadingContentTest, ArticlesHaveLongOnesShortOnesAndDamagedPairs)
{
    const struct {
        const char* locators;
        const char* sections;
        const char* data;
        int pairs;
    } readers[] = {{"data\\1kenor010", "data\\1kenor011", "data\\kenor09", 7},
                   {"data\\1kenor17", "data\\1kenor18", "data\\kenor19", 4},
                   {"data\\1kenor410", "data\\1kenor411", "data\\kenor48", 7},
                   {"data\\1kenor618", "data\\1kenor619", "data\\kenor620", 5},
                   {"data\\1kenor86", "data\\1kenor85", "data\\kenor87", 10}};
    bool overNine = false, atMostNine = false, missing = false, outside = false, longLine = false;
    for (const auto& r : readers) {
        SCOPED_TRACE(r.locators);
        const auto loc = list(r.locators);
        const auto sec = list(r.sections);
        const auto texts = data(r.data);
        for (std::int64_t k = 0; k < loc.recordCount(16); ++k) {
            Article a({r.pairs, 0, {}, false});
            a.setText(readArticle(loc, texts, k));
            a.setSections(readSections(sec, k, r.pairs));
            ASSERT_FALSE(a.whole().empty()) << "record " << k;
            const std::size_t lines = lineCount(a.whole());
            overNine = overNine || lines > 9;
            atMostNine = atMostNine || lines <= 9;
            for (const SectionPair& p : a.sections()) {
                missing = missing || (p.start == 0 && p.length == 0);
                outside = outside || p.start >= static_cast<std::int64_t>(a.text().size());
            }
            for (std::string_view line : pagedLines(a.whole()))
                longLine = longLine || line.size() == 4096;
        }
    }
    EXPECT_TRUE(overNine);
    EXPECT_TRUE(atMostNine);
    EXPECT_TRUE(missing);
    EXPECT_TRUE(outside);
    EXPECT_TRUE(longLine);
}

TEST_F(ReadingContentTest, TopicIndexIsWholeAndUsesEveryIconKind)
{
    TopicIndex index;
    index.loadArticles(dir());
    index.loadSpans(dir());
    index.loadHeadings(dir());
    ASSERT_GT(index.level1().size(), 7u) << "enough headings to page";
    std::set<int> kinds;
    bool empty = false, pages = false, manyTitles = false, fewTitles = false;
    const auto loc = list("data\\1kenor010");
    for (int h = 0; h < static_cast<int>(index.level1().size()); ++h) {
        ASSERT_NO_THROW(index.chooseLevel1(h)) << h;
        empty = empty || index.level2().empty();
        pages = pages || index.level2().size() > 7;
        for (int e : std::vector<int>(index.level2Numbers())) {
            ASSERT_NO_THROW(index.chooseLevel2(e)) << e;
            const auto& titles = index.titles();
            manyTitles = manyTitles || titles.size() >= 7;
            fewTitles = fewTitles || (!titles.empty() && titles.size() < 7);
            for (const IndexTitle& t : titles) {
                kinds.insert(t.icon);
                EXPECT_FALSE(t.title.empty());
                EXPECT_GE(t.article, 1);
                EXPECT_LE(t.article, loc.recordCount(16));
            }
        }
    }
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(empty) << "a heading with nothing under it";
    EXPECT_TRUE(pages);
    EXPECT_TRUE(manyTitles);
    EXPECT_TRUE(fewTitles);
}

} // namespace
} // namespace ovta::demo
