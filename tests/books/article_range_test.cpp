#include "books/article_range.h"

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

// Article locators over article texts: article a (1-based) is locator
// record a - 1 and has text texts[a - 1].
class ArticleTexts {
public:
    explicit ArticleTexts(const std::vector<std::string>& texts)
    {
        DataBuilder data;
        std::string locators;
        for (const auto& t : texts) {
            const auto [offset, length] = data.add(t);
            locators += fields({offset, length});
        }
        content.write("data\\1kenor44", locators);
        content.write("data\\kenor45", data.bytes);
        const ContentDir dir(content.path());
        list = IndexList::load(dir, "data\\1kenor44");
        file = DataFile::open(dir, "data\\kenor45");
    }

    ArticleTextFiles files(std::int64_t base = 0) const { return {list, file, base}; }

    test::FixtureDir content;
    IndexList list;
    DataFile file;
};

// Records every text handed to the pane.
struct Pane {
    ArticleRange::Show show()
    {
        return [this](const std::string& t) { texts.push_back(t); };
    }
    std::vector<std::string> texts;
};

TEST(ArticleRange, ANodeReplacesTheRangeOnlyWithBothEndsAboveZero)
{
    const struct {
        const char* name;
        int first, last;
        bool replaced;
        int count, cursor;
    } cases[] = {
        {"range", 5, 7, true, 3, 1},
        {"single", 4, 4, true, 1, 1},
        {"last before first", 7, 5, true, 0, 1},
        {"first 0", 0, 7, false, 2, 2},
        {"last 0", 5, 0, false, 2, 2},
        {"negative", -1, 3, false, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ArticleRange range;
        ASSERT_TRUE(range.set(10, 11, "node 1"));
        const ArticleTexts texts({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"});
        Pane pane;
        ASSERT_TRUE(range.next(texts.files(), pane.show()));
        EXPECT_EQ(range.set(c.first, c.last, "node 2"), c.replaced);
        EXPECT_EQ(range.count(), c.count);
        EXPECT_EQ(range.cursor(), c.cursor);
    }
}

TEST(ArticleRange, PreviousAndNextPassOverEmptyArticles)
{
    // Articles 5..7, of which 6 is empty.
    const ArticleTexts texts({"1", "2", "3", "4", "five", "", "seven"});
    ArticleRange range;
    range.set(5, 7, "node 1");
    EXPECT_EQ(range.text(texts.files()), "five");

    Pane pane;
    EXPECT_TRUE(range.next(texts.files(), pane.show()));
    EXPECT_EQ(range.cursor(), 3);
    EXPECT_EQ(pane.texts, (std::vector<std::string>{"", "seven"}));

    pane.texts.clear();
    EXPECT_FALSE(range.next(texts.files(), pane.show()));
    EXPECT_EQ(range.cursor(), 3);
    EXPECT_TRUE(pane.texts.empty());

    EXPECT_TRUE(range.previous(texts.files(), pane.show()));
    EXPECT_EQ(range.cursor(), 1);
    EXPECT_EQ(pane.texts, (std::vector<std::string>{"", "five"}));

    pane.texts.clear();
    EXPECT_FALSE(range.previous(texts.files(), pane.show()));
    EXPECT_EQ(range.cursor(), 1);
    EXPECT_TRUE(pane.texts.empty());
}

TEST(ArticleRange, EmptyArticlesAtTheEndLeaveTheLastOneShown)
{
    const ArticleTexts texts({"one", "", ""});
    ArticleRange range;
    range.set(1, 3, "node 1");
    Pane pane;
    EXPECT_TRUE(range.next(texts.files(), pane.show()));
    EXPECT_EQ(range.cursor(), 3);
    EXPECT_EQ(pane.texts, (std::vector<std::string>{"", ""}));
}

TEST(ArticleRange, AnEmptiedOrEmptyRangeDoesNothing)
{
    const ArticleTexts texts({"a", "b"});
    ArticleRange range;
    range.set(1, 2, "node 1");
    range.empty();
    EXPECT_EQ(range.count(), 0);
    EXPECT_EQ(range.cursor(), 0);
    Pane pane;
    EXPECT_FALSE(range.next(texts.files(), pane.show()));
    EXPECT_FALSE(range.previous(texts.files(), pane.show()));
    EXPECT_EQ(range.cursor(), 0);
    EXPECT_EQ(range.text(texts.files()), "");

    // Last before first: nothing at the cursor, and nothing to step to.
    range.set(2, 1, "node 1");
    EXPECT_EQ(range.text(texts.files()), "");
    EXPECT_FALSE(range.next(texts.files(), pane.show()));
    EXPECT_FALSE(range.previous(texts.files(), pane.show()));
    EXPECT_EQ(range.cursor(), 1);
    EXPECT_TRUE(pane.texts.empty());
}

TEST(ArticleRange, TheBookBaseShiftsTheLocator)
{
    const ArticleTexts texts({"a", "b", "c", "d", "e"});
    ArticleRange range;
    range.set(2, 3, "node 1");
    EXPECT_EQ(range.text(texts.files(0)), "b");
    EXPECT_EQ(range.text(texts.files(2)), "d");
    EXPECT_EQ(range.article(2), 3);
    EXPECT_EQ(range.article(3), 0);
    // Past the locators: the list's conversion error.
    EXPECT_THROW(range.text(texts.files(4)), ConversionError);
}

TEST(ArticleRange, LongerThanTheCapacityKeepsTheFirstTwoThousand)
{
    ArticleRange range;
    try {
        range.set(10, 2147483647, "node 3 of index list data\\1kenor454");
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("holds 2000 entries; article 2010 of node 3 of index list "
                            "data\\1kenor454"),
                  std::string::npos)
            << text;
    }
    EXPECT_EQ(range.count(), 2000);
    EXPECT_EQ(range.cursor(), 1);
    EXPECT_EQ(range.article(2000), 2009);
    EXPECT_NO_THROW(range.set(1, 2000, "node 4"));
    EXPECT_EQ(range.count(), 2000);
}

} // namespace
} // namespace ovta
