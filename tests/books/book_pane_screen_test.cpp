// The content panes of the tree-book screens: the article window and the
// readers it opens, the question list, the body windows, the article run of
// frm410, the passages and sound of frm63, and what each screen's book and
// title are.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "books/book_screen_support.h"
#include "books/frm43.h"
#include "books/frm63.h"
#include "shell/main_menu.h"
#include "support/fake_media_player.h"

namespace ovta {
namespace {

using test::Heading;
using test::outline;

class BookPaneTest : public test::BookScreenTest {
protected:
    // One heading whose group lists `articles` articles, and a second one.
    template <class T> T* articleBook(BookScreen screen, int articles)
    {
        std::vector<Heading> headings = outline({1, 1});
        headings[0].x = 1;
        std::vector<long long> group;
        for (int a = 1; a <= articles; ++a)
            group.push_back(a);
        test::writeArticles(content, screen, book(screen, 0, headings), {group}, articles);
        T* v = open<T>(0, 0);
        clickRow(v, 1, 1);
        return v;
    }

    static std::string numbered(int n, int from = 0)
    {
        std::string text;
        for (int i = from; i < from + n; ++i)
            text += "l" + std::to_string(i) + "\r\n";
        return text;
    }

    static std::vector<std::string> letters(int from, int to)
    {
        std::vector<std::string> out;
        for (int a = from; a <= to; ++a)
            out.push_back("a" + std::to_string(a));
        return out;
    }
};

TEST_F(BookPaneTest, ArticleWindowOfFourteenEntriesPagesByFive)
{
    Tfrm14* v = articleBook<Tfrm14>(BookScreen::Frm14, 14);
    EXPECT_EQ(articleRows(v), letters(1, 6));
    const std::vector<std::pair<LabelControl*, int>> moves = {
        {v->ldnmtp, 6}, {v->ldnmtp, 9}, {v->ldnmtp, 9}, {v->ldnmts, 9},
        {v->lupmtp, 4}, {v->lupmtp, 1}, {v->lupmtp, 1}, {v->ldnmts, 2}};
    for (const auto& [spot, first] : moves) {
        QTest::mouseClick(spot, Qt::LeftButton);
        EXPECT_EQ(articleRows(v), letters(first, first + 5)) << spot->objectName().toStdString();
    }
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(BookPaneTest, ShortArticleWindowsNeverMove)
{
    for (int count : {6, 2}) {
        Tfrm14* v = articleBook<Tfrm14>(BookScreen::Frm14, count);
        for (LabelControl* spot : {v->ldnmtp, static_cast<LabelControl*>(v->ldnmts)}) {
            QTest::mouseClick(spot, Qt::LeftButton);
            EXPECT_EQ(articleRows(v), letters(1, count)) << count;
        }
        for (int j = count; j < 6; ++j)
            EXPECT_FALSE(v->lis[static_cast<std::size_t>(j)]->isVisibleTo(v)) << j;
        v->Label1Click();
        settle();
    }
}

TEST_F(BookPaneTest, AnArticleRowOpensItsReaderWithItsTitle)
{
    struct Case {
        BookScreen screen;
        const char* reader;
        std::string title;
    };
    for (const Case& c :
         {Case{BookScreen::Frm14, "frm13", "a2"}, Case{BookScreen::Frm64, "frm65", " a2"}}) {
        BookViewer* v = c.screen == BookScreen::Frm14
                            ? static_cast<BookViewer*>(articleBook<Tfrm14>(c.screen, 3))
                            : articleBook<Tfrm64>(c.screen, 3);
        QTest::mouseClick(v->lis[1], Qt::LeftButton);
        settle();
        EXPECT_EQ(globals().CurrentItem, 1) << "article number - 1";
        EXPECT_EQ(globals().CurrentTitle, c.title);
        ASSERT_NE(top(), nullptr);
        EXPECT_STREQ(top()->kind(), c.reader);
        top()->release();
        settle();
        EXPECT_EQ(top(), v) << "the book screen is under the reader, unchanged";
        EXPECT_EQ(articleRows(v).size(), 3u);
        v->release();
        settle();
    }
}

TEST_F(BookPaneTest, BodyOfTwentyLinesInFrm7)
{
    std::vector<Heading> headings = outline({1});
    headings[0].body = numbered(20);
    book(BookScreen::Frm7, 2, headings);
    Tfrm7* v = open<Tfrm7>(2);
    clickRow(v, 1, 1);
    ASSERT_EQ(v->lmtn->rows().size(), 8u);
    EXPECT_EQ(v->lmtn->rows()[0], "l0");
    EXPECT_EQ(v->lmtn->rows()[1], " l1 ") << "framed by a blank on each side";
    QTest::mouseClick(v->ldnmtp, Qt::LeftButton);
    EXPECT_EQ(v->lmtn->rows()[0], "l7");
    QTest::mouseClick(v->ldnmtp, Qt::LeftButton);
    EXPECT_EQ(v->lmtn->rows()[0], "l12");
    EXPECT_EQ(v->lmtn->rows().back(), " l19 ");
    QTest::mouseClick(v->ldnmts, Qt::LeftButton);
    EXPECT_EQ(v->lmtn->rows()[0], "l12") << "12 is the last top";
}

TEST_F(BookPaneTest, BodyOfTwentyLinesInFrm410StopsWithSixInView)
{
    std::vector<Heading> headings = outline({1, 1});
    headings[0].x = 1;
    headings[0].y = 1;
    headings[1].x = 2;
    headings[1].y = 2;
    book(BookScreen::Frm410, 0, headings);
    test::writeArticleTexts(content, {numbered(20), numbered(6)});
    Tfrm410* v = open<Tfrm410>(0, 0);
    clickRow(v, 1, 1);
    EXPECT_EQ(v->lmtn->rows().size(), 9u);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(v->ldnmtp, Qt::LeftButton);
    EXPECT_EQ(v->lmtn->rows()[0], "l14");
    EXPECT_EQ(v->lmtn->rows().size(), 6u) << "the last three rows stay empty";

    clickRow(v, 1, 2);
    QTest::mouseClick(v->ldnmts, Qt::LeftButton);
    QTest::mouseClick(v->ldnmtp, Qt::LeftButton);
    EXPECT_EQ(v->lmtn->rows()[0], "l0") << "six lines never move";
}

TEST_F(BookPaneTest, BodyLinesWrapToWhatTheTextLabelShows)
{
    ASSERT_TRUE(installFonts());
    std::vector<Heading> headings = outline({1});
    std::string paragraph;
    for (int w = 0; w < 60; ++w)
        paragraph += "word" + std::to_string(w) + " ";
    headings[0].body = paragraph + "\r\nshort\r\n";
    book(BookScreen::Frm7, 1, headings);
    Tfrm7* v = open<Tfrm7>(1);
    clickRow(v, 1, 1);
    const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf01, v->settings().textSize);
    const std::vector<std::string>& rows = v->lmtn->rows();
    ASSERT_GT(rows.size(), 2u) << "the long line is broken";
    for (const std::string& row : rows)
        EXPECT_LE(font.width(row), v->lmtn->width()) << row;
    EXPECT_EQ(rows.back(), " short ") << "the text's own line break stays";
}

TEST_F(BookPaneTest, PreviousAndNextPassOverEmptyArticles)
{
    std::vector<Heading> headings = outline({1});
    headings[0].x = 5;
    headings[0].y = 7;
    book(BookScreen::Frm410, 0, headings);
    test::writeArticleTexts(content, {"one", "two", "three", "four", "five", "", "seven"});
    Tfrm410* v = open<Tfrm410>(0, 0);
    clickRow(v, 1, 1);
    EXPECT_EQ(v->lmtn->text(), "five");
    const std::vector<std::pair<MouseLabel*, const char*>> steps = {
        {v->Label8, "seven"}, {v->Label8, "seven"}, {v->Label7, "five"}, {v->Label7, "five"}};
    for (const auto& [spot, shown] : steps) {
        QTest::mouseClick(spot, Qt::LeftButton);
        EXPECT_EQ(v->lmtn->text(), shown) << spot->objectName().toStdString();
    }
    // Held, the next article repeats with its own code.
    QTest::mousePress(v->Label8, Qt::LeftButton);
    EXPECT_TRUE(v->t1->enabled());
    v->t1->fire();
    EXPECT_EQ(v->lmtn->text(), "seven");
    QTest::mouseRelease(v->Label8, Qt::LeftButton);
    EXPECT_FALSE(v->t1->enabled());
}

TEST_F(BookPaneTest, QuestionListKeepsItsTitlesUntilAnotherHeadingOpens)
{
    std::vector<Heading> headings = outline({1, 1, 1, 1, 1, 1, 1});
    headings[0].x = 1;
    const BookFileNames f = book(BookScreen::Frm43, 6, headings);
    // Book 6 has base 4472: article number 3 is article 4475, titled "a4475".
    test::writeArticles(content, BookScreen::Frm43, f, {{3, 4}}, 4476);
    Tfrm43* v = open<Tfrm43>(6);
    EXPECT_EQ(currentQuestionSource(), v);
    EXPECT_EQ(v->Label4->glyphText(), "t6");
    clickRow(v, 1, 1);
    ASSERT_EQ(v->ls2->count(), 2);
    EXPECT_EQ(v->ls2->item(0).text, "a4475");
    EXPECT_EQ(v->questionList().entries()[1].index, 4475);

    QTest::mouseClick(v->ldntrs, Qt::LeftButton);
    EXPECT_EQ(captions(v, 1).front(), "n2") << "ldntrs moves column 1 down";
    EXPECT_EQ(v->ls2->count(), 2) << "the list stays with the heading opened last";
    clickRow(v, 1, 1);
    EXPECT_EQ(v->ls2->count(), 0) << "a heading without articles empties it";
    QTest::mouseClick(v->ldnmts, Qt::LeftButton);
    EXPECT_EQ(captions(v, 1).front(), "n2") << "the list's hot spots move nothing";

    QPointer<Tfrm43> alive = v;
    v->release();
    settle();
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(currentQuestionSource(), nullptr);
}

TEST_F(BookPaneTest, DoubleClickOrEnterInTheQuestionListOpensTheQuestionScreen)
{
    std::vector<Heading> headings = outline({1});
    headings[0].x = 1;
    const BookFileNames f = book(BookScreen::Frm43, 2, headings); // base 0
    test::writeArticles(content, BookScreen::Frm43, f, {{1, 2}}, 2);
    Tfrm43* v = open<Tfrm43>(2);
    clickRow(v, 1, 1);
    QTest::mouseClick(v->ls2, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_EQ(v->selectedQuestion(), 1);
    QTest::keyClick(v->ls2, Qt::Key_Return);
    settle();
    ASSERT_NE(top(), v);
    EXPECT_STREQ(top()->kind(), "frm42");
    top()->release();
    settle();
    QTest::mouseDClick(v->ls2, Qt::LeftButton, {}, QPoint(100, 10));
    settle();
    EXPECT_STREQ(top()->kind(), "frm42");
    EXPECT_EQ(v->selectedQuestion(), 0);
}

class RecitationTest : public BookPaneTest {
protected:
    void SetUp() override
    {
        BookPaneTest::SetUp();
        knowMedia("data1\\kenor01.wav", 60000);
        knowMedia("data1\\kenor.wav", 5000);
        std::vector<Heading> headings = outline({1, 1});
        headings[0].x = 2; // segments 2..4
        headings[0].y = 4;
        headings[0].body = "body one\r\n";
        headings[1].body = "body two\r\n";
        const BookFileNames f = book(BookScreen::Frm63, 0, headings);
        content.write(f.segments, test::fields({0, 1, 1000, 2000, 3000, 4000, 5000, 6000}));
    }

    static FakeMediaPlayer* fake(MediaPlayer* p) { return static_cast<FakeMediaPlayer*>(p); }
};

TEST_F(RecitationTest, PassagesOfAHeadingPlayFromTheChooser)
{
    Tfrm63* v = open<Tfrm63>();
    FakeMediaPlayer* sound = fake(v->med1.get());
    EXPECT_EQ(sound->log(), QStringList({"open data1\\kenor01.wav"}));
    clickRow(v, 1, 1);
    EXPECT_EQ(v->lmtn->text(), "body one");
    ASSERT_EQ(v->co1->count(), 3);
    EXPECT_EQ(v->co1->item(0), "1 t94");
    EXPECT_EQ(v->co1->item(2), "3 t94");
    EXPECT_EQ(v->co1->text(), "n1");
    EXPECT_EQ(v->L_name->glyphText(), "n1");

    v->co1->choose(1);
    EXPECT_EQ(sound->log().back(), "playRange 3000 4000");
    EXPECT_EQ(v->L_name->glyphText(), "2 t94");
    EXPECT_TRUE(sound->playing());

    clickRow(v, 1, 2);
    EXPECT_FALSE(sound->playing()) << "opening another heading pauses the sound";
    EXPECT_EQ(v->co1->count(), 0);
    EXPECT_TRUE(errors->shown().empty());
}

// The chooser keeps Up and Down (they pick passages, as before); Enter
// opens the framed heading; Tab hands the arrows to the strip and back.
TEST_F(RecitationTest, TheChooserKeepsItsArrowsAndTabLendsThemToTheStrip)
{
    Tfrm63* v = open<Tfrm63>();
    FakeMediaPlayer* sound = fake(v->med1.get());
    ASSERT_EQ(QApplication::focusWidget(), v->co1);
    QTest::keyClick(v->co1, Qt::Key_Return);
    QTest::keyClick(v->co1, Qt::Key_Return);
    EXPECT_EQ(v->lmtn->text(), "body one") << "Enter framed row 1, then opened it";
    QTest::keyClick(v->co1, Qt::Key_Down);
    EXPECT_EQ(v->co1->itemIndex(), 0);
    EXPECT_EQ(sound->log().back(), "playRange 1000 2000") << "Down picks a passage";
    QTest::keyClick(v->co1, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), v);
    QTest::keyClick(v, Qt::Key_Down);
    QTest::keyClick(v, Qt::Key_Return);
    EXPECT_EQ(v->lmtn->text(), "body two");
    QTest::keyClick(v, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), v->co1);
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(RecitationTest, LeavingGivesTheMusicBackOnlyIfItWasOn)
{
    for (const bool musicOn : {true, false}) {
        Tfalam1* menu = createScreen<Tfalam1>();
        menu->showScreen();
        // The music starts a moment after the menu shows.
        menu->Timer12->fire();
        menu->Timer12->fire();
        if (!musicOn)
            menu->ms1Click();
        FakeMediaPlayer* music = fake(menu->med1.get());
        Tfrm63* v = open<Tfrm63>();
        EXPECT_FALSE(music->isOpen()) << "suspended while the book is open";
        FakeMediaPlayer* sound = fake(v->med1.get());
        clickRow(v, 1, 1);
        v->co1->choose(0);
        music->clearLog();
        // The book's own passage ends: the suspended music stays closed.
        sound->advance(5000);
        EXPECT_TRUE(music->log().isEmpty()) << music->log().join(", ").toStdString();
        QPointer<Tfrm63> alive = v;
        QTest::mouseClick(v->Label1, Qt::LeftButton);
        EXPECT_FALSE(sound->isOpen());
        settle();
        EXPECT_TRUE(alive.isNull());
        EXPECT_TRUE(music->isOpen());
        EXPECT_EQ(music->playing(), musicOn) << music->log().join(", ").toStdString();
        EXPECT_TRUE(menu->Timer12->enabled()) << "the music timer is woken again";
        EXPECT_EQ(top(), menu);
        menu->release();
        settle();
    }
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(RecitationTest, AMissingSoundIsReportedAndTheBookStillOpens)
{
    knowMedia("data1\\kenor01.wav", -1);
    Tfrm63* v = open<Tfrm63>();
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_EQ(captions(v, 1).size(), 2u);
    clickRow(v, 1, 1);
    v->co1->choose(0);
    EXPECT_EQ(errors->shown().size(), 2u) << "each passage picked reports it again";
}

TEST_F(BookPaneTest, EachBookShowsItsOwnTitleAndFiles)
{
    book(BookScreen::Frm7, 6, outline({1, 1}));
    Tfrm7* body = open<Tfrm7>(6);
    EXPECT_EQ(body->Label4->glyphText(), "t54");
    EXPECT_EQ(body->model().info().files.tree, "data\\1kenor51");
    EXPECT_EQ(captions(body, 1).size(), 2u);

    book(BookScreen::Frm410, 3, outline({1}));
    Tfrm410* run = open<Tfrm410>(0, 3);
    EXPECT_EQ(run->Label4->glyphText(), "t50 - t53 - t47");
    EXPECT_EQ(run->model().info().base, 8060);

    Tfrm7* none = open<Tfrm7>(18);
    EXPECT_TRUE(captions(none, 1).empty()) << "a book outside the table has no headings";
    EXPECT_TRUE(none->Label4->glyphText().empty());
    EXPECT_TRUE(errors->shown().empty());
}

} // namespace
} // namespace ovta
