#include "books/book_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "books/book_files_support.h"
#include "books/repeat_codes.h"
#include "store/errors.h"

namespace ovta {
namespace {

using test::buildTree;
using test::DataBuilder;
using test::fields;
using test::Heading;
using test::outline;

// One book of one screen in a content directory of its own, with a title
// table whose entry k reads "T<k>".
class BookContent {
public:
    BookContent(BookScreen screen, int number = 1)
        : screen_(screen), number_(number), info(bookInfo(screen, number))
    {
        std::string lines;
        for (int k = 1; k <= 120; ++k)
            lines += "T" + std::to_string(k) + "\r\n";
        content.write("data\\kenor002", lines);
        titles.load(ContentDir(content.path()));
        // Every file of the book exists, empty until a test writes it.
        const BookFileNames& f = info.files;
        for (const std::string* name :
             {&f.tree, &f.titles, &f.groupMap, &f.articleNumbers, &f.articleIndex, &f.articleTitles,
              &f.bodies, &f.segments, &f.locators, &f.articleTexts})
            if (!name->empty())
                content.write(*name, "");
    }

    void tree(const std::vector<Heading>& headings)
    {
        test::writeTree(content, info.files, buildTree(screenSettings(screen_).layout, headings));
    }

    void articleTexts(const std::vector<std::string>& texts, int skipped = 0)
    {
        test::writeArticleTexts(content, texts, skipped);
    }

    void articles(const std::vector<std::vector<long long>>& groups, int count)
    {
        test::writeArticles(content, screen_, info.files, groups, count);
    }

    // Creates and shows the screen's model.
    BookModel& shown()
    {
        model = std::make_unique<BookModel>(screen_, number_, titles);
        model->setResetListener([this] { ++resets; });
        model->open(ContentDir(content.path()));
        model->start();
        return *model;
    }

    std::vector<int> rowNodes(int k) const
    {
        std::vector<int> nodes;
        for (const ColumnRow& row : model->columns().column(k).rows)
            if (row.shown)
                nodes.push_back(row.node);
        return nodes;
    }

    test::FixtureDir content;
    TitleTable titles;
    std::unique_ptr<BookModel> model;
    int resets = 0;

private:
    BookScreen screen_;
    int number_;

public:
    BookInfo info;
};

TEST(BookModel, ArticleRowsOfTheOpenedHeading)
{
    const struct {
        BookScreen screen;
        std::string first;
    } cases[] = {{BookScreen::Frm14, "a2"}, {BookScreen::Frm64, " a2"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(screenSettings(c.screen).name);
        BookContent book(c.screen);
        book.tree({{1, "n1", 1}, {2, "n2", 2}, {1, "n3", 0}});
        std::vector<long long> many;
        for (int a = 1; a <= 14; ++a)
            many.push_back(a);
        book.articles({{2, 1}, many}, 14);
        BookModel& m = book.shown();
        EXPECT_TRUE(m.articleWindow().rows().empty());

        ASSERT_TRUE(m.openNode(1, 1));
        const auto rows = m.articleWindow().rows();
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0], (ArticleRow{c.first, 1}));
        EXPECT_FALSE(m.lineDown());

        // Fourteen articles: a window of six that stops at 8.
        ASSERT_TRUE(m.openNode(2, 1));
        EXPECT_EQ(m.articleWindow().rows().size(), 6u);
        EXPECT_TRUE(m.pageDown());
        EXPECT_TRUE(m.pageDown());
        EXPECT_FALSE(m.pageDown());
        EXPECT_EQ(m.articleWindow().pager().top(), 8);
        EXPECT_EQ(m.articleWindow().rows().back().index, 13);

        // A heading without a group leaves the window empty.
        ASSERT_TRUE(m.openNode(1, 2));
        EXPECT_TRUE(m.articleWindow().rows().empty());
        EXPECT_EQ(m.articleWindow().pager().count(), 0);
    }
}

TEST(BookModel, ShowingAColumnEmptiesThePaneExceptTheQuestionList)
{
    for (const BookScreen screen : {BookScreen::Frm14, BookScreen::Frm43}) {
        SCOPED_TRACE(screenSettings(screen).name);
        BookContent book(screen, 2);
        book.tree(
            {{1, "n1", 1}, {1, "n2", 0}, {1, "n3", 0}, {1, "n4", 0}, {1, "n5", 0}, {1, "n6", 0}});
        book.articles({{1, 2}}, 2);
        BookModel& m = book.shown();
        ASSERT_TRUE(m.openNode(1, 1));
        ASSERT_EQ(m.articleList().count(), 2);
        ASSERT_TRUE(m.scrollDown(1));
        // The node's row has left the view, yet the question list keeps it.
        EXPECT_EQ(m.articleList().count(), screen == BookScreen::Frm43 ? 2 : 0);
        // The list box's line and page hot spots move nothing.
        if (screen == BookScreen::Frm43) {
            EXPECT_FALSE(m.lineDown());
            EXPECT_FALSE(m.pageDown());
        }
        // Opening a heading without articles empties it.
        ASSERT_TRUE(m.openNode(1, 1));
        EXPECT_EQ(m.articleList().count(), 0);
    }
}

TEST(BookModel, QuestionListReadsTheSharedIndexPastTheBookBase)
{
    BookContent book(BookScreen::Frm43, 7); // base 110
    book.tree({{1, "n1", 1}});
    book.articles({{3}}, 113);
    BookModel& m = book.shown();
    ASSERT_TRUE(m.openNode(1, 1));
    EXPECT_EQ(m.articleList().entries(), (std::vector<ArticleEntry>{{"a113", 112}}));
}

TEST(BookModel, BodyTextsWrapIntoTheWindow)
{
    BookContent book(BookScreen::Frm7, 6);
    book.tree({{1, "n1", 0, 0, "aa bb cc\r\ndd"}, {2, "n2", 0, 0, "x"}, {1, "n3"}});
    BookModel& m = book.shown();
    m.setLineStoreMeasure([](std::string_view t) { return 10 * static_cast<int>(t.size()); }, 40);
    ASSERT_TRUE(m.openNode(1, 1));
    EXPECT_EQ(m.body().store().lines(), (std::vector<std::string>{"aa ", "bb ", "cc", "dd"}));
    EXPECT_EQ(m.body().shown(), "aa \r\n bb  \r\n cc \r\n dd ");
    ASSERT_TRUE(m.openNode(2, 1));
    EXPECT_EQ(m.body().shown(), "x");
    EXPECT_EQ(m.columns().pathCaption(), "n2 // n1");
    // Opening the leaf shows column 3, which empties the pane first.
    EXPECT_EQ(m.columns().column(3).count(), 0);
    ASSERT_TRUE(m.openNode(1, 2));
    EXPECT_EQ(m.body().shown(), "");
    EXPECT_EQ(m.columns().pathCaption(), "n3");
}

TEST(BookModel, FirstColumnEmptiesThePathOnTheBodyScreens)
{
    const struct {
        BookScreen screen;
        bool empties;
    } cases[] = {{BookScreen::Frm14, false}, {BookScreen::Frm43, false},
                 {BookScreen::Frm64, false}, {BookScreen::Frm7, true},
                 {BookScreen::Frm63, true},  {BookScreen::Frm410, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(screenSettings(c.screen).name);
        BookContent book(c.screen, 1);
        book.tree(outline({1, 2, 1, 1, 1, 1, 1}));
        BookModel& m = book.shown();
        ASSERT_TRUE(m.openNode(1, 1));
        ASSERT_EQ(m.columns().pathCaption(), "n1");
        ASSERT_TRUE(m.scrollDown(1));
        EXPECT_EQ(m.columns().pathCaption(), c.empties ? "" : "n1");
    }
}

TEST(BookModel, RecitationPassagesComeWithHeadingsOfTheFirstFiveLevels)
{
    BookContent book(BookScreen::Frm63);
    std::vector<Heading> chain;
    for (int level = 1; level <= 7; ++level)
        chain.push_back({level, "n" + std::to_string(level), 1, 3, "body"});
    chain[1].x = 0; // n2 has no passages
    book.tree(chain);
    std::string segments;
    for (int s = 1; s <= 3; ++s)
        segments += fields({100 * s, 100 * s + 50});
    book.content.write("data\\1kenor612", segments);
    BookModel& m = book.shown();
    const int resetsAtShow = book.resets;
    EXPECT_GT(resetsAtShow, 0);

    ASSERT_TRUE(m.openNode(1, 1));
    EXPECT_EQ(m.passages().items(), (std::vector<std::string>{"1 T94", "2 T94", "3 T94"}));
    EXPECT_EQ(m.passages().name(), "n1");
    EXPECT_EQ(m.body().shown(), "body");
    EXPECT_GT(book.resets, resetsAtShow);

    ASSERT_TRUE(m.openNode(2, 1));
    EXPECT_TRUE(m.passages().items().empty());
    EXPECT_EQ(m.passages().name(), "");

    for (int k = 3; k <= 5; ++k)
        ASSERT_TRUE(m.openNode(k, 1));
    EXPECT_EQ(m.passages().items().size(), 3u);
    EXPECT_EQ(book.model->passages().pick(2), (Passage{300, 350}));
    EXPECT_EQ(m.passages().name(), "3 T94");

    // Level 6: the column shown clears the items and the text; the
    // heading's own passages are not offered.
    ASSERT_TRUE(m.openNode(6, 1));
    EXPECT_TRUE(m.passages().items().empty());
    EXPECT_EQ(m.passages().text(), "");
    EXPECT_EQ(m.body().shown(), "body");
}

TEST(BookModel, ArticleRunKeptOnlyByTheDeepestColumns)
{
    BookContent book(BookScreen::Frm410, 1); // base 5700
    std::vector<Heading> chain;
    for (int level = 1; level <= 10; ++level)
        chain.push_back({level, "n" + std::to_string(level)});
    chain[0].x = 1, chain[0].y = 2; // n1: articles 1..2
    chain[7].x = 2, chain[7].y = 3; // n8: articles 2..3
    book.tree(chain);
    book.articleTexts({"one", "two", "three"}, 5700);
    BookModel& m = book.shown();

    ASSERT_TRUE(m.openNode(1, 1));
    EXPECT_EQ(m.body().shown(), "one");
    EXPECT_EQ(m.range().count(), 2);
    // Column 3 shown: the range is emptied, and n2 has none of its own.
    ASSERT_TRUE(m.openNode(2, 1));
    EXPECT_EQ(m.range().count(), 0);
    EXPECT_EQ(m.range().cursor(), 0);
    EXPECT_EQ(m.body().shown(), "");
    EXPECT_FALSE(m.nextArticle());

    for (int k = 3; k <= 8; ++k)
        ASSERT_TRUE(m.openNode(k, 1));
    EXPECT_EQ(m.body().shown(), "two");
    // n9 has no range and column 10 keeps n8's: the pane is empty, but
    // next steps on in n8's range.
    ASSERT_TRUE(m.openNode(9, 1));
    EXPECT_EQ(m.body().shown(), "");
    EXPECT_EQ(m.range().count(), 2);
    EXPECT_TRUE(m.repeat(kNextArticleCode));
    EXPECT_EQ(m.body().shown(), "three");
    EXPECT_FALSE(m.nextArticle());
    EXPECT_TRUE(m.previousArticle());
    EXPECT_EQ(m.body().shown(), "two");
}

TEST(BookModel, AnArticleRunPastItsCapacityShowsItsFirstArticleThenFails)
{
    BookContent book(BookScreen::Frm410, 0);
    book.tree({{1, "n1", 2, 5000}});
    book.articleTexts({"one", "two"});
    BookModel& m = book.shown();
    EXPECT_THROW(m.openNode(1, 1), RangeError);
    EXPECT_EQ(m.body().shown(), "two");
    EXPECT_EQ(m.range().count(), 2000);
}

TEST(BookModel, ABookOutsideTheTableHasNoHeadings)
{
    const struct {
        BookScreen screen;
        int number;
    } cases[] = {{BookScreen::Frm7, 18}, {BookScreen::Frm43, 0}, {BookScreen::Frm410, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(screenSettings(c.screen).name);
        BookContent book(c.screen, c.number);
        BookModel* m = nullptr;
        ASSERT_NO_THROW(m = &book.shown());
        EXPECT_EQ(m->tree().count(), 0);
        EXPECT_TRUE(book.rowNodes(1).empty());
        EXPECT_FALSE(m->openNode(1, 1));
        EXPECT_FALSE(m->lineDown());
        EXPECT_FALSE(m->nextArticle());
        EXPECT_TRUE(m->info().titleEntries.empty());
    }
}

TEST(BookModel, AMissingFileIsReportedAndNeverReadAsIfItWereThere)
{
    BookContent book(BookScreen::Frm14);
    book.tree({{1, "n1", 1}, {1, "n2", 0}});
    book.articles({{1}}, 1);
    std::filesystem::remove(book.content.path() / "data/1kenor111"); // the group map
    BookModel m(BookScreen::Frm14, 0, book.titles);
    try {
        m.open(ContentDir(book.content.path()));
        FAIL() << "no file error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("data\\1kenor111"), std::string::npos) << e.what();
    }
    // The files after it are there: the headings show.
    m.start();
    EXPECT_EQ(m.columns().column(1).count(), 2);
    try {
        m.openNode(1, 1);
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) { // the list that failed to load reads as no file
        EXPECT_NE(std::string(e.what()).find("(no file)"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(m.articleWindow().rows().empty());
    EXPECT_TRUE(m.openNode(1, 2));
}

TEST(BookModel, HeadingsReadBeforeADamagedRecordStillShow)
{
    BookContent book(BookScreen::Frm14);
    const test::TreeFiles tree = buildTree(NodeLayout::Articles32, outline({1, 2, 1}));
    book.content.write("data\\1kenor117", tree.list + "0000000000000001abcdefgh00000000");
    book.content.write("data\\kenor116", tree.titles.bytes);
    BookModel m(BookScreen::Frm14, 0, book.titles);
    m.open(ContentDir(book.content.path()));
    EXPECT_THROW(m.start(), ConversionError);
    EXPECT_EQ(m.columns().column(1).count(), 2);
    EXPECT_TRUE(m.columns().column(1).row(2).shown);
    EXPECT_TRUE(m.openNode(1, 1));
}

TEST(BookModel, MoreLevelOneHeadingsThanColumnOneHoldsShowTheFirstOnes)
{
    BookContent book(BookScreen::Frm14);
    book.tree(outline(std::vector<int>(51, 1)));
    BookModel m(BookScreen::Frm14, 0, book.titles);
    m.open(ContentDir(book.content.path()));
    EXPECT_THROW(m.start(), RangeError);
    EXPECT_EQ(m.columns().column(1).count(), 50);
    EXPECT_TRUE(m.columns().column(1).arrows);
    EXPECT_EQ(m.columns().column(1).row(5).node, 5);
}

TEST(BookModel, RepeatCodesMoveColumnsThePaneAndTheArticleRun)
{
    const struct {
        int code;
        RepeatAction action;
    } codes[] = {
        {1, {RepeatMove::ColumnUp, 1}},
        {10, {RepeatMove::ColumnUp, 10}},
        {11, {RepeatMove::ColumnDown, 1}},
        {20, {RepeatMove::ColumnDown, 10}},
        {21, {RepeatMove::LineUp, 0}},
        {22, {RepeatMove::LineDown, 0}},
        {23, {RepeatMove::PreviousArticle, 0}},
        {24, {RepeatMove::NextArticle, 0}},
        {0, {}},
        {25, {}},
        {-1, {}},
    };
    for (const auto& c : codes)
        EXPECT_EQ(repeatAction(c.code), c.action) << c.code;

    BookContent book(BookScreen::Frm7, 1);
    std::string body;
    for (int i = 0; i < 12; ++i)
        body += "l" + std::to_string(i) + "\r\n";
    book.tree({{1, "n1", 0, 0, body}, {1, "n2"}, {1, "n3"}, {1, "n4"}, {1, "n5"}, {1, "n6"}});
    BookModel& m = book.shown();
    EXPECT_TRUE(m.repeat(downArrowCode(1)));
    EXPECT_EQ(m.columns().column(1).top, 1);
    EXPECT_FALSE(m.repeat(downArrowCode(1)));
    EXPECT_TRUE(m.repeat(upArrowCode(1)));
    ASSERT_TRUE(m.openNode(1, 1));
    EXPECT_TRUE(m.repeat(kLineDownCode));
    EXPECT_EQ(m.body().pager().top(), 1);
    EXPECT_TRUE(m.repeat(kLineUpCode));
    EXPECT_FALSE(m.repeat(kNextArticleCode));
    EXPECT_FALSE(m.repeat(0));
}

} // namespace
} // namespace ovta
