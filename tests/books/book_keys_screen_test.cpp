// The keys of the tree-book screens: arrows walk the strip with a frame,
// Enter opens the framed heading, Page Up, Page Down, Home and End move the
// content pane, and the question list pages as a list box does.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "books/book_screen_support.h"
#include "books/frm43.h"
#include "support/fake_decoder.h"

namespace ovta {
namespace {

using test::Heading;
using test::outline;

class BookKeysTest : public test::BookScreenTest {
protected:
    // Keys go where the user's keys go: the control with the focus.
    static void press(BookViewer* v, Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            pressWith(v, key, Qt::NoModifier);
    }
    static void pressWith(BookViewer* v, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : v;
        QTest::keyClick(to, key, modifiers);
    }

    // The caption of the framed row, or "" without a frame.
    static std::string framed(BookViewer* v)
    {
        if (!v->keyFrame->isVisibleTo(v))
            return {};
        const LabelControl* r = row(v, v->cursor().column(), v->cursor().row());
        EXPECT_TRUE(v->keyFrame->geometry().contains(r->geometry()))
            << "the frame is round its row";
        return r->glyphText();
    }
};

TEST_F(BookKeysTest, ArrowsWalkTheStripAndEnterOpensTheFramedHeading)
{
    // 1 (2 3 (4)) 5 6 7 8 9: column 1 scrolls, node 3 has a child.
    book(BookScreen::Frm14, 0, outline({1, 2, 2, 3, 1, 1, 1, 1, 1}));
    Tfrm14* v = open<Tfrm14>();
    EXPECT_EQ(framed(v), "") << "no frame before the first key";
    press(v, Qt::Key_Down);
    EXPECT_EQ(framed(v), "n1");
    press(v, Qt::Key_Down, 6);
    EXPECT_EQ(framed(v), "n9") << "Down scrolled the column to its last heading";
    EXPECT_EQ(captions(v, 1).front(), "n5");
    press(v, Qt::Key_Up, 6);
    EXPECT_EQ(framed(v), "n1");
    press(v, Qt::Key_Left);
    EXPECT_EQ(framed(v), "n1") << "nothing open to go into";
    press(v, Qt::Key_Return);
    EXPECT_EQ(captions(v, 2), (std::vector<std::string>{"n2", "n3"}));
    EXPECT_EQ(v->lcap->text(), "n1");
    press(v, Qt::Key_Left);
    press(v, Qt::Key_Down);
    EXPECT_EQ(framed(v), "n3");
    press(v, Qt::Key_Enter); // the keypad's Enter too
    EXPECT_EQ(captions(v, 3), (std::vector<std::string>{"n4"}));
    press(v, Qt::Key_Left);
    EXPECT_EQ(framed(v), "n4");
    press(v, Qt::Key_Right);
    EXPECT_EQ(framed(v), "n3") << "back on the heading opened in column 2";
    press(v, Qt::Key_Right);
    EXPECT_EQ(framed(v), "n1");
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(BookKeysTest, GoingDeeperSlidesTheStripToKeepTheFrameInView)
{
    book(BookScreen::Frm14, 0, outline({1, 2, 3, 4, 5, 6}));
    Tfrm14* v = open<Tfrm14>();
    ASSERT_EQ(v->strip().Panel2->x(), -1110);
    press(v, Qt::Key_Down);
    for (int k = 1; k <= 5; ++k) {
        press(v, Qt::Key_Return);
        press(v, Qt::Key_Left);
    }
    EXPECT_EQ(framed(v), "n6");
    EXPECT_EQ(v->cursor().column(), 6);
    EXPECT_EQ(v->strip().Panel2->x(), -1110 + 3 * 171) << "columns 4 to 6 in view";
    press(v, Qt::Key_Right, 5);
    EXPECT_EQ(v->cursor().column(), 1);
    EXPECT_EQ(v->strip().Panel2->x(), -1110) << "back at its first position";
}

TEST_F(BookKeysTest, PageKeysMoveTheBodyAndTheArrowsStayOnTheStrip)
{
    std::vector<Heading> headings = outline({1, 1});
    for (int i = 0; i < 20; ++i)
        headings[0].body += "l" + std::to_string(i) + "\r\n";
    book(BookScreen::Frm7, 2, headings);
    Tfrm7* v = open<Tfrm7>(2);
    press(v, Qt::Key_Down);
    press(v, Qt::Key_Return);
    ASSERT_EQ(v->lmtn->rows()[0], "l0");
    const struct {
        const char* name;
        Qt::Key key;
        const char* top;
    } steps[] = {{"Page Down", Qt::Key_PageDown, "l7"},
                 {"End", Qt::Key_End, "l12"},
                 {"Page Down at the end", Qt::Key_PageDown, "l12"},
                 {"Page Up", Qt::Key_PageUp, "l5"},
                 {"Home", Qt::Key_Home, "l0"},
                 {"Page Up at the top", Qt::Key_PageUp, "l0"}};
    for (const auto& s : steps) {
        press(v, s.key);
        EXPECT_EQ(v->lmtn->rows()[0], s.top) << s.name;
    }
    press(v, Qt::Key_Down);
    EXPECT_EQ(framed(v), "n2");
    EXPECT_EQ(v->lmtn->rows()[0], "l0") << "the arrows do not scroll the text";
}

// The article run steps with Ctrl and the keys that move up and down, as
// its two hot spots (previous above, next below) do; the plain keys keep
// walking the strip and paging the text.
TEST_F(BookKeysTest, CtrlWithUpOrDownStepsThroughTheArticleRun)
{
    std::vector<Heading> headings = outline({1, 1});
    headings[0].x = 2; // articles 2..5; 4 is empty and passed over
    headings[0].y = 5;
    book(BookScreen::Frm410, 0, headings);
    std::string longText;
    for (int i = 0; i < 20; ++i)
        longText += "l" + std::to_string(i) + "\r\n";
    test::writeArticleTexts(content, {"one", longText, "three", "", "five"});
    Tfrm410* v = open<Tfrm410>(0, 0);
    press(v, Qt::Key_Down);
    press(v, Qt::Key_Return);
    ASSERT_EQ(v->lmtn->rows()[0], "l0");
    press(v, Qt::Key_PageDown);
    EXPECT_EQ(v->lmtn->rows()[0], "l5") << "Page Down alone pages the text";

    const struct {
        const char* name;
        Qt::Key key;
        const char* shown;
    } steps[] = {{"Ctrl+Down", Qt::Key_Down, "three"},
                 {"Ctrl+Page Down past the empty one", Qt::Key_PageDown, "five"},
                 {"Ctrl+Down at the end", Qt::Key_Down, "five"},
                 {"Ctrl+Up past the empty one", Qt::Key_Up, "three"},
                 {"Ctrl+Page Up", Qt::Key_PageUp, nullptr},
                 {"Ctrl+Up at the start", Qt::Key_Up, nullptr}};
    for (const auto& s : steps) {
        pressWith(v, s.key, Qt::ControlModifier);
        if (s.shown)
            EXPECT_EQ(v->lmtn->text(), s.shown) << s.name;
        else
            EXPECT_EQ(v->lmtn->rows()[0], "l0") << s.name << ": the first article, from its top";
    }
    EXPECT_EQ(framed(v), "n1") << "Ctrl with the arrows leaves the frame";
    press(v, Qt::Key_Down);
    EXPECT_EQ(framed(v), "n2") << "the plain arrow still walks the strip";
    EXPECT_EQ(v->lmtn->rows()[0], "l0");
    EXPECT_TRUE(errors->shown().empty());
}

// Screens without an article run keep Ctrl with the arrows as the arrows.
TEST_F(BookKeysTest, CtrlWithTheArrowsWalksTheStripWhereThereIsNoArticleRun)
{
    book(BookScreen::Frm7, 2, outline({1, 1}));
    Tfrm7* v = open<Tfrm7>(2);
    pressWith(v, Qt::Key_Down, Qt::ControlModifier);
    pressWith(v, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(framed(v), "n2");
}

TEST_F(BookKeysTest, TheQuestionListPagesAsAListBoxAndEnterOpensOnlyAQuestion)
{
    std::vector<Heading> headings = outline({1, 1});
    headings[0].x = 1;
    std::vector<long long> group;
    for (int a = 1; a <= 20; ++a)
        group.push_back(a);
    const BookFileNames f = book(BookScreen::Frm43, 2, headings);
    test::writeArticles(content, BookScreen::Frm43, f, {group}, 20);
    Tfrm43* v = open<Tfrm43>(2);
    ASSERT_EQ(QApplication::focusWidget(), v->ls2);
    press(v, Qt::Key_Down);
    press(v, Qt::Key_Return);
    EXPECT_EQ(top(), v) << "an empty list opens nothing: Enter opens the framed heading";
    ASSERT_EQ(v->ls2->count(), 20);
    press(v, Qt::Key_Right);
    press(v, Qt::Key_Return);
    EXPECT_EQ(top(), v) << "nothing chosen in the list: Enter opens no question";
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
    const int page = v->ls2->height() / 23 - 1;
    const struct {
        const char* name;
        Qt::Key key;
        int selected;
    } steps[] = {{"first Page Down selects", Qt::Key_PageDown, 0},
                 {"Page Down", Qt::Key_PageDown, page},
                 {"End", Qt::Key_End, 19},
                 {"Page Up", Qt::Key_PageUp, 19 - page},
                 {"Home", Qt::Key_Home, 0}};
    for (const auto& s : steps) {
        press(v, s.key);
        EXPECT_EQ(v->selectedQuestion(), s.selected) << s.name;
    }
    // Tab hands the arrows to the strip and back to the list.
    press(v, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), v);
    press(v, Qt::Key_Down);
    EXPECT_EQ(framed(v), "n2");
    EXPECT_EQ(v->selectedQuestion(), 0) << "the list kept its selection";
    press(v, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), v->ls2);
    press(v, Qt::Key_Down);
    EXPECT_EQ(v->selectedQuestion(), 1);
    EXPECT_EQ(framed(v), "n2");
    press(v, Qt::Key_Return);
    settle();
    EXPECT_STREQ(top()->kind(), "frm42");
}

// Ctrl+C: the whole body of a body pane, not only its window; the question
// chosen in frm43's list; on frm14 the heading framed by the keys.
TEST_F(BookKeysTest, CtrlCCopiesTheBodyTheChosenQuestionOrTheFramedHeading)
{
    test::FakeDecoder decoder;
    {
        std::vector<Heading> headings = outline({1});
        for (int i = 0; i < 12; ++i)
            headings[0].body += "l" + std::to_string(i) + "\r\n";
        book(BookScreen::Frm7, 2, headings);
        Tfrm7* v = open<Tfrm7>(2);
        press(v, Qt::Key_Down);
        press(v, Qt::Key_Return);
        press(v, Qt::Key_End);
        QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
        std::string expected;
        for (int i = 0; i < 12; ++i)
            expected += test::FakeDecoder::decode("l" + std::to_string(i)) + "\n";
        EXPECT_EQ(decoder.clipboard(), expected.substr(0, expected.size() - 1));
        v->release();
        settle();
    }
    {
        std::vector<Heading> headings = outline({1});
        headings[0].x = 1;
        const BookFileNames f = book(BookScreen::Frm43, 2, headings);
        test::writeArticles(content, BookScreen::Frm43, f, {{1, 2}}, 2);
        Tfrm43* v = open<Tfrm43>(2);
        press(v, Qt::Key_Down);
        press(v, Qt::Key_Return);
        press(v, Qt::Key_End);
        pressWith(v, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(decoder.clipboard(), test::FakeDecoder::decode(v->ls2->item(1).text));
        v->release();
        settle();
    }
    book(BookScreen::Frm14, 0, outline({1, 1}));
    Tfrm14* v = open<Tfrm14>();
    press(v, Qt::Key_Down, 2);
    pressWith(v, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "[2n]");
    EXPECT_TRUE(errors->shown().empty());
}

} // namespace
} // namespace ovta
