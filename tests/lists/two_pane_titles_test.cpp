// The two-pane readers' model: the titles of a numbered set and of a
// category, the text a row opens, the capacity of the number table, the
// text pane's caption and the two pagers with their limits.
#include "lists/two_pane_titles.h"

#include <climits>
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "reading/content_records.h"
#include "shell/pager.h"
#include "store/errors.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::DataBuilder;
using test::fields;

class Files {
public:
    IndexList list(const char* name) const { return IndexList::load(dir(), name); }
    DataFile data(const char* name) const { return DataFile::open(dir(), name); }
    ContentDir dir() const { return ContentDir(content.path()); }
    test::FixtureDir content;
};

// A numbered set: titles pointing at text numbers, texts by number.
struct Numbered : Files {
    Numbered(const std::vector<std::string>& titles, const std::vector<int>& numbers,
             const std::vector<std::string>& texts)
    {
        DataBuilder t, x;
        std::string titleIndex, textIndex;
        for (std::size_t i = 0; i < titles.size(); ++i) {
            const auto [offset, length] = t.add(titles[i]);
            titleIndex += fields({offset, length, numbers[i]});
        }
        for (const auto& text : texts) {
            const auto [offset, length] = x.add(text);
            textIndex += fields({offset, length});
        }
        content.write("data\\ti", titleIndex);
        content.write("data\\t", t.bytes);
        content.write("data\\xi", textIndex);
        content.write("data\\x", x.bytes);
    }
};

// A categorised index: (title, text, category) per record.
struct Categorised : Files {
    struct Rec {
        std::string title, text;
        int category;
    };
    explicit Categorised(const std::vector<Rec>& recs, const std::string& tail = "")
    {
        DataBuilder t, x;
        std::string index;
        for (const auto& r : recs) {
            const auto [to, tl] = t.add(r.title);
            const auto [xo, xl] = x.add(r.text);
            index += fields({999, to, tl, xo, xl, r.category});
        }
        content.write("data\\i", index + tail);
        content.write("data\\t", t.bytes);
        content.write("data\\x", x.bytes);
    }
};

TEST(TwoPaneTitles, NumberedTitlesKeepTheirTextNumberAndOpenThatText)
{
    Numbered f({"alpha", "beta", "gamma"}, {3, 1, 2}, {"text one", "text two", "text three"});
    TwoPaneTitles titles("frm05");
    titles.scanNumbered(f.list("data\\ti"), f.data("data\\t"));
    EXPECT_EQ(titles.titles(), (std::vector<std::string>{"alpha", "beta", "gamma"}));
    const IndexList texts = f.list("data\\xi");
    const DataFile data = f.data("data\\x");
    const std::vector<std::string> opened = {numberedText(texts, data, titles.record(0)),
                                             numberedText(texts, data, titles.record(1)),
                                             numberedText(texts, data, titles.record(2))};
    EXPECT_EQ(opened, (std::vector<std::string>{"text three", "text one", "text two"}));
}

TEST(TwoPaneTitles, ATextNumberOutsideTheTextIndexIsAConversionError)
{
    Numbered f({"a"}, {1}, {"only"});
    const IndexList texts = f.list("data\\xi");
    const DataFile data = f.data("data\\x");
    // The extremes a damaged title record can hold must not overflow the
    // record arithmetic on the way to the same error.
    for (int number : {0, 2, -5, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(number);
        EXPECT_THROW(numberedText(texts, data, number), ConversionError);
    }
}

TEST(TwoPaneTitles, ACategoryListsItsRecordsInFileOrderTrimmed)
{
    Categorised f({{" \t one \r\n", "t0", 3},
                   {"two", "t1", 1},
                   {"three  ", "t2", 3},
                   {"\x01"
                    "four",
                    "t3", 7}});
    const IndexList index = f.list("data\\i");
    TwoPaneTitles titles("frm34");
    titles.scanCategory(index, f.data("data\\t"), 3);
    EXPECT_EQ(titles.titles(), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(titles.record(1), 2) << "the record index, from 0";
    EXPECT_EQ(categoryText(index, f.data("data\\x"), titles.record(1)), "t2");

    titles.clear();
    titles.scanCategory(index, f.data("data\\t"), 7);
    EXPECT_EQ(titles.titles(), (std::vector<std::string>{"four"}));
    titles.clear();
    titles.scanCategory(index, f.data("data\\t"), 5);
    EXPECT_EQ(titles.count(), 0);
}

TEST(TwoPaneTitles, TheTwoHundredAndSecondTitleIsARangeErrorKeepingTheOthers)
{
    std::vector<Categorised::Rec> recs;
    for (int i = 0; i < 203; ++i)
        recs.push_back({"t" + std::to_string(i), "x", i == 202 ? 2 : 1});
    Categorised f(recs);
    TwoPaneTitles titles("frm34");
    EXPECT_THROW(titles.scanCategory(f.list("data\\i"), f.data("data\\t"), 1), RangeError);
    EXPECT_EQ(titles.count(), TwoPaneTitles::kCapacity);
    EXPECT_EQ(titles.title(200), "t200");

    titles.clear();
    EXPECT_NO_THROW(titles.scanCategory(f.list("data\\i"), f.data("data\\t"), 2));
    EXPECT_EQ(titles.count(), 1) << "the capacity is per category";
}

TEST(TwoPaneTitles, ADamagedRecordKeepsTheTitlesBeforeIt)
{
    Categorised f({{"a", "x", 1}, {"b", "x", 1}}, std::string(48, '?'));
    TwoPaneTitles titles("frm34");
    EXPECT_THROW(titles.scanCategory(f.list("data\\i"), f.data("data\\t"), 1), ConversionError);
    EXPECT_EQ(titles.titles(), (std::vector<std::string>{"a", "b"}));
}

TEST(TwoPaneTitles, ThePaneCaptionLeadsTheFirstLineAndFramesTheOthers)
{
    const std::vector<std::string> lines = {"l0", "l1", "l2", "l3"};
    const struct {
        int top, rows;
        const char* lead;
        std::string shown;
    } cases[] = {
        {0, 8, " ", " l0\r\n l1 \r\n l2 \r\n l3 "},
        {2, 8, " ", " l2\r\n l3 "},
        {1, 2, " ", " l1\r\n l2 "},
        {0, 7, "", "l0\r\n l1 \r\n l2 \r\n l3 "},
        {4, 8, " ", ""},
        // A window whose end lies past the largest int.
        {2, std::numeric_limits<int>::max(), " ", " l2\r\n l3 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.top);
        EXPECT_EQ(paneCaption(lines, c.top, c.rows, c.lead), c.shown);
    }
    EXPECT_EQ(paneCaption({}, 0, 8, " "), "");
}

// The title window: the top reaches N - 8, so the last window holds eight
// titles, and page down stops where line down stops.
TEST(TwoPanePagers, TheTitleWindowScrollsUntilItsLastEightTitlesFillIt)
{
    int top = 0;
    Pager list = Pager::openList(9, top);
    struct Case {
        int count;
        std::vector<int> pageDowns; // tops after each page down, until it stops
        int lineDownEnd;
    };
    const Case cases[] = {
        {5, {}, 0},
        {8, {}, 0},
        {9, {1}, 1},
        {10, {2}, 2},
        {25, {8, 16, 17}, 17},
        {40, {8, 16, 24, 32}, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        list.setCount(c.count);
        std::vector<int> seen;
        while (list.pageDown())
            seen.push_back(top);
        EXPECT_EQ(seen, c.pageDowns);
        list.setCount(c.count);
        while (list.lineDown()) {
        }
        EXPECT_EQ(top, c.lineDownEnd);
        EXPECT_EQ(list.window().size(), static_cast<std::size_t>(c.count > 8 ? 8 : c.count))
            << "rows in the last window";
        while (list.pageUp()) {
        }
        EXPECT_EQ(top, 0);
        EXPECT_FALSE(list.lineUp());
    }
}

TEST(TwoPanePagers, TheTextPanesStopWhereTheirLastLinesFillThem)
{
    struct Case {
        int rows, count;
        std::vector<int> pageDowns;
        std::vector<int> pageUps;
    };
    const Case cases[] = {
        {8, 8, {}, {}},           // frm05: a text of W lines does not scroll
        {8, 20, {7, 12}, {5, 0}}, // last top 12 = 20 - 8, step 7
        {6, 6, {}, {}},           // frm34
        {6, 17, {5, 10, 11}, {6, 1, 0}},
        {7, 30, {6, 12, 18, 23}, {17, 11, 5, 0}}, // frm33: window 7, step 6
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, " << c.count << " lines");
        Pager pane = Pager::pane(c.rows, c.rows, c.rows - 1);
        pane.setCount(c.count);
        std::vector<int> downs, ups;
        while (pane.pageDown())
            downs.push_back(pane.top());
        EXPECT_EQ(downs, c.pageDowns);
        const int end = pane.top();
        pane.setCount(c.count);
        while (pane.lineDown()) {
        }
        EXPECT_EQ(pane.top(), end) << "page down ends where line down ends";
        EXPECT_EQ(end, std::max(0, c.count - c.rows));
        while (pane.pageUp())
            ups.push_back(pane.top());
        EXPECT_EQ(ups, c.pageUps);
    }
}

} // namespace
} // namespace ovta
