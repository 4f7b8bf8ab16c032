// The two-pane readers frm05 and frm34: what they list, the title window
// and the text pane with their limits, opening a row, the auto-repeat that
// shares its variable with the keyboard position, the categories of frm34,
// the keyboard targets, the search hand-over and the errors.
#include <QTest>
#include <gtest/gtest.h>

#include "lists/frm05.h"
#include "lists/frm34.h"
#include "lists/lists_test_support.h"
#include "shell/screen_open.h"
#include "shell/search_host.h"
#include "support/fake_decoder.h"

namespace ovta {
namespace {

class TwoPaneTest : public test::ListsTest {
protected:
    static std::vector<std::string> titles(int n, const std::string& stem = "title ")
    {
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i)
            out.push_back(stem + std::to_string(i));
        return out;
    }
    static std::vector<std::string> texts(int n, int lines = 3)
    {
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i)
            out.push_back(text(i, lines));
        return out;
    }

    Tfrm05* open05(int item)
    {
        globals().CurrentItem = item;
        return openScreen<Tfrm05>();
    }

    static std::vector<std::string> shown(TwoPaneScreen* s)
    {
        std::vector<std::string> out;
        for (LabelControl* row : s->rows)
            if (row->isVisible())
                out.push_back(row->glyphText());
        return out;
    }
};

TEST_F(TwoPaneTest, Frm05ListsTheSetOfItsItemUnderItsHeading)
{
    writeFrm05(1, {"a", "b", "c"}, texts(3));
    writeFrm05(2, titles(12), texts(12));
    const struct {
        int item;
        std::vector<std::string> rows;
        const char* heading;
    } cases[] = {
        {1, {"a", "b", "c"}, "t98"},
        {2,
         {"title 0", "title 1", "title 2", "title 3", "title 4", "title 5", "title 6", "title 7",
          "title 8"},
         "t99"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        globals().ListTop = 5;
        Tfrm05* s = open05(c.item);
        EXPECT_EQ(shown(s), c.rows);
        EXPECT_EQ(s->Label11->glyphText(), c.heading);
        EXPECT_EQ(globals().ListTop, 0);
        EXPECT_EQ(s->rows[0]->Tag, static_cast<int>(c.rows.size() == 3 ? 3 : 12))
            << "the first title's text number";
        s->Label1->click();
        settle();
    }
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(TwoPaneTest, TheTitleWindowStopsWithItsLastEightTitlesInView)
{
    struct Case {
        int count;
        std::vector<int> pageDownTops;
        int visibleAtEnd;
    };
    const Case cases[] = {{4, {0}, 4}, {9, {1, 1}, 8}, {25, {8, 16, 17, 17}, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        writeFrm05(1, titles(c.count), texts(c.count));
        Tfrm05* s = open05(1);
        std::vector<int> tops;
        for (std::size_t k = 0; k < c.pageDownTops.size(); ++k) {
            QTest::mouseClick(s->ldntrp, Qt::LeftButton);
            tops.push_back(globals().ListTop);
        }
        EXPECT_EQ(tops, c.pageDownTops);
        QTest::mouseClick(s->ldntrs, Qt::LeftButton);
        EXPECT_EQ(globals().ListTop, c.pageDownTops.back()) << "line down stops there too";
        EXPECT_EQ(static_cast<int>(shown(s).size()), c.visibleAtEnd);
        EXPECT_EQ(s->rows[0]->glyphText(), "title " + std::to_string(globals().ListTop));
        QTest::mouseClick(s->luptrp, Qt::LeftButton);
        QTest::mouseClick(s->luptrp, Qt::LeftButton);
        QTest::mouseClick(s->luptrp, Qt::LeftButton);
        EXPECT_EQ(globals().ListTop, 0);
        QTest::mouseClick(s->luptrs, Qt::LeftButton);
        EXPECT_EQ(globals().ListTop, 0);
        s->Label1->click();
        settle();
    }
}

TEST_F(TwoPaneTest, OpeningARowHighlightsItAndShowsItsTextUntilTheListMoves)
{
    writeFrm05(1, titles(12), texts(12));
    Tfrm05* s = open05(1);
    LabelControl* third = s->rows[2];
    QTest::mouseClick(third, Qt::LeftButton);
    EXPECT_EQ(s->openRow(), third);
    EXPECT_EQ(third->textColor(), QColor(255, 0, 0));
    EXPECT_EQ(s->rows[0]->textColor(), QColor(255, 255, 0));
    EXPECT_EQ(s->lmtn->text(), " 2-0\r\n 2-1 \r\n 2-2 ") << "title 2's text, by its number";

    QTest::mouseClick(s->ldnmts, Qt::LeftButton); // a text of 3 lines does not move
    QTest::mouseClick(third, Qt::LeftButton);     // the open row again: nothing
    EXPECT_EQ(s->lmtn->text(), " 2-0\r\n 2-1 \r\n 2-2 ");

    QTest::mouseClick(s->rows[5], Qt::LeftButton);
    EXPECT_EQ(third->textColor(), QColor(255, 255, 0));
    EXPECT_EQ(s->rows[5]->textColor(), QColor(255, 0, 0));
    EXPECT_EQ(s->lmtn->text(), " 5-0\r\n 5-1 \r\n 5-2 ");

    QTest::mouseClick(s->ldntrs, Qt::LeftButton);
    EXPECT_EQ(s->openRow(), nullptr);
    EXPECT_EQ(s->lmtn->text(), "");
    for (LabelControl* row : s->rows)
        EXPECT_EQ(row->textColor(), QColor(255, 255, 0));
    QTest::mouseClick(s->ldnmts, Qt::LeftButton);
    EXPECT_EQ(s->lmtn->text(), "") << "no text comes back without an open row";
}

TEST_F(TwoPaneTest, TheTextPaneStopsWhereItsLastLinesFillIt)
{
    writeFrm05(1, {"long", "short"}, {text(0, 20), text(1, 8)});
    Tfrm05* s = open05(1);
    QTest::mouseClick(s->rows[1], Qt::LeftButton);
    QTest::mouseClick(s->ldnmtp, Qt::LeftButton);
    QTest::mouseClick(s->ldnmts, Qt::LeftButton);
    EXPECT_EQ(s->textPager().top(), 0) << "eight lines fill the pane";

    QTest::mouseClick(s->rows[0], Qt::LeftButton);
    std::vector<int> tops;
    for (int k = 0; k < 3; ++k) {
        QTest::mouseClick(s->ldnmtp, Qt::LeftButton);
        tops.push_back(s->textPager().top());
    }
    EXPECT_EQ(tops, (std::vector<int>{7, 12, 12}));
    const std::string last = s->lmtn->text();
    EXPECT_EQ(last.substr(0, 6), " 0-12\r");
    EXPECT_NE(last.find(" 0-19 "), std::string::npos);
    QTest::mouseClick(s->ldnmts, Qt::LeftButton);
    EXPECT_EQ(s->textPager().top(), 12);
    QTest::mouseClick(s->lupmtp, Qt::LeftButton);
    EXPECT_EQ(s->textPager().top(), 5);
    QTest::mouseClick(s->lupmts, Qt::LeftButton);
    EXPECT_EQ(s->textPager().top(), 4);
}

// The page keys move the text pane as its page arrows do and go to its
// ends; the arrows stay with the hot-spot navigation.
TEST_F(TwoPaneTest, PageKeysMoveTheTextPaneToItsEnds)
{
    writeFrm05(1, {"long", "short"}, {text(0, 20), text(1, 8)});
    Tfrm05* s = open05(1);
    QTest::mouseClick(s->rows[0], Qt::LeftButton);
    const struct {
        const char* name;
        Qt::Key key;
        int top;
    } steps[] = {{"Page Down", Qt::Key_PageDown, 7},
                 {"End", Qt::Key_End, 12},
                 {"Page Up", Qt::Key_PageUp, 5},
                 {"Home", Qt::Key_Home, 0},
                 {"End again", Qt::Key_End, 12}};
    for (const auto& st : steps) {
        QTest::keyClick(s, st.key);
        EXPECT_EQ(s->textPager().top(), st.top) << st.name;
    }
    EXPECT_EQ(s->lmtn->text().substr(0, 6), " 0-12\r") << "the pane shows where the keys left it";
    const int position = s->keyPosition();
    QTest::keyClick(s, Qt::Key_Home);
    EXPECT_EQ(s->keyPosition(), position) << "the page keys leave the hot-spot position";
    QTest::keyClick(s, Qt::Key_Down);
    EXPECT_EQ(s->textPager().top(), 0) << "Down steps the hot spots, not the text";
    EXPECT_NE(s->keyPosition(), position);
}

TEST_F(TwoPaneTest, AHeldLineArrowRepeatsAndMovesTheKeyboardPosition)
{
    writeFrm05(1, titles(40), texts(40, 30));
    Tfrm05* s = open05(1);
    QTest::mouseClick(s->rows[0], Qt::LeftButton);
    const struct {
        MouseLabel* arrow;
        int code;
        std::size_t picture;
    } arrows[] = {{s->ldntrs, 2, 1}, {s->ldnmts, 4, 3}, {s->lupmts, 3, 2}};
    for (const auto& a : arrows) {
        SCOPED_TRACE(a.code);
        QTest::mousePress(a.arrow, Qt::RightButton);
        EXPECT_FALSE(s->t2->enabled());
        QTest::mouseRelease(a.arrow, Qt::RightButton);
        QTest::mousePress(a.arrow, Qt::LeftButton);
        EXPECT_TRUE(s->t2->enabled());
        EXPECT_EQ(Tfrm05::state().RepeatCode, a.code);
        EXPECT_EQ(s->keyPosition(), a.code) << "one variable";
        EXPECT_GT(z(s->pressedPictures[a.picture]), z(s->m1));
        QTest::mouseRelease(a.arrow, Qt::LeftButton, {}, QPoint(-5, -5));
        EXPECT_FALSE(s->t2->enabled());
        EXPECT_LT(z(s->pressedPictures[a.picture]), z(s->m1));
    }
    // Ticks while held: the list moves five lines, the text then starts afresh.
    QTest::mousePress(s->ldntrs, Qt::LeftButton);
    for (int i = 0; i < 5; ++i)
        s->t2->fire();
    QTest::mouseRelease(s->ldntrs, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(globals().ListTop, 5);
    QTest::mouseClick(s->rows[0], Qt::LeftButton);
    QTest::mousePress(s->ldnmts, Qt::LeftButton);
    for (int i = 0; i < 4; ++i)
        s->t2->fire();
    QTest::mouseRelease(s->ldnmts, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(s->textPager().top(), 4);
    hover(s->m1);
    EXPECT_EQ(Tfrm05::state().RepeatCode, 0);
}

TEST_F(TwoPaneTest, Frm34ListsTheChosenCategoryAndLightsItsHotSpot)
{
    writeFrm34({{"  one-a ", "A", 1},
                {"four", "B", 4},
                {"one-b\t", "C", 1},
                {"seven", "D", 7},
                {"one-c", "E", 1}});
    Tfrm34* s = openScreen<Tfrm34>();
    EXPECT_TRUE(shown(s).empty()) << "nothing until a category is chosen";
    ImageControl* tag1 = s->findChild<ImageControl*>(QStringLiteral("Image5"));
    ImageControl* tag4 = s->findChild<ImageControl*>(QStringLiteral("Image2"));
    ASSERT_TRUE(tag1 && tag4);
    EXPECT_EQ(tag1->Tag, 1);
    EXPECT_EQ(tag4->Tag, 4);
    EXPECT_EQ(s->findChild<ImageControl*>(QStringLiteral("Image6"))->Tag, 7);
    EXPECT_EQ(s->findChild<ImageControl*>(QStringLiteral("Image8"))->Tag, 5);

    QTest::mouseClick(tag1, Qt::LeftButton);
    EXPECT_EQ(shown(s), (std::vector<std::string>{"one-a", "one-b", "one-c"}));
    EXPECT_EQ(s->chosen(), tag1);
    const QPoint from = tag1->pos() - s->Image1->pos();
    EXPECT_EQ(tag1->picture().toImage(),
              s->Image1->picture().copy(QRect(from, tag1->size())).toImage());
    EXPECT_LT(z(s->Image1), z(s->m1)) << "the lit panel stays behind";

    QTest::mouseClick(s->rows[1], Qt::LeftButton);
    EXPECT_EQ(s->lmtn->text(), " C");
    EXPECT_EQ(s->rows[1]->textColor(), QColor(0, 0, 255));

    QTest::mouseClick(tag4, Qt::LeftButton);
    EXPECT_TRUE(tag1->picture().isNull());
    EXPECT_FALSE(tag4->picture().isNull());
    EXPECT_EQ(shown(s), std::vector<std::string>{"four"});
    EXPECT_EQ(s->lmtn->text(), "");

    QTest::mouseClick(tag4, Qt::LeftButton);
    EXPECT_EQ(shown(s), std::vector<std::string>{"four"}) << "the same category again";
    EXPECT_EQ(globals().ListTop, 0);
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(TwoPaneTest, TheKeysStepThroughEveryTargetAndEnterClicksIt)
{
    writeFrm05(1, titles(12), texts(12));
    writeFrm34({{"x", "X", 7}, {"y", "Y", 7}});
    writeSearchPictures();
    auto* fake = useFakePointer();
    struct Case {
        const char* kind;
        int count;
    };
    for (const Case& c : {Case{"frm05", 19}, Case{"frm34", 26}}) {
        SCOPED_TRACE(c.kind);
        globals().CurrentItem = 1;
        openKind(c.kind);
        auto* s = static_cast<TwoPaneScreen*>(top());
        EXPECT_EQ(s->keyPosition(), 0);
        QTest::keyClick(s, Qt::Key_Up);
        EXPECT_EQ(s->keyPosition(), c.count) << "Up from a fresh screen: the close button";
        EXPECT_EQ(s->mapFromGlobal(fake->at),
                  s->Label1->pos() + QPoint(s->Label1->width() / 2, s->Label1->height() / 2));
        // frm34 lists nothing before a category: Down passes the empty rows.
        const int first = std::string(c.kind) == "frm34" ? 10 : 1;
        QTest::keyClick(s, Qt::Key_Down);
        EXPECT_EQ(s->keyPosition(), first) << "wraps";
        QTest::keyClick(s, Qt::Key_Tab);
        EXPECT_EQ(s->keyPosition(), first) << "Tab stays on the current target";
        QTest::keyClick(s, Qt::Key_Left);
        QTest::keyClick(s, Qt::Key_Right);
        EXPECT_EQ(s->keyPosition(), first);
        while (s->keyPosition() < 13)
            QTest::keyClick(s, Qt::Key_Down);
        EXPECT_TRUE(s->ldntrs->geometry().contains(s->mapFromGlobal(fake->at)));
        if (std::string(c.kind) == "frm34") {
            for (int k = 13; k < 22; ++k)
                QTest::keyClick(s, Qt::Key_Down);
            QTest::keyClick(s, Qt::Key_Return);
            auto* f34 = static_cast<Tfrm34*>(s);
            EXPECT_EQ(f34->chosen(), f34->categories[4]) << "position 22 is Image6";
            EXPECT_EQ(shown(s), (std::vector<std::string>{"x", "y"})) << "category 7";
            EXPECT_EQ(s->keyPosition(), 22);
            // Now two rows hold titles: Down from the close button reaches
            // row 1, and Down from row 2 passes the seven empty rows.
            for (int k = 22; k < 27; ++k)
                QTest::keyClick(s, Qt::Key_Down);
            EXPECT_EQ(s->keyPosition(), 1);
            QTest::keyClick(s, Qt::Key_Down);
            QTest::keyClick(s, Qt::Key_Down);
            EXPECT_EQ(s->keyPosition(), 10);
        } else {
            // Back to row 3 and open it with Enter.
            for (int k = 0; k < 10; ++k)
                QTest::keyClick(s, Qt::Key_Up);
            EXPECT_EQ(s->keyPosition(), 3);
            QTest::keyClick(s, Qt::Key_Return);
            EXPECT_EQ(s->openRow(), s->rows[2]);
        }
        QTest::keyClick(s, Qt::Key_Escape);
        settle();
        EXPECT_NE(top(), s) << "Esc closes";
    }
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(TwoPaneTest, TheKeysWithdrawTheHoverPicturesOfTargetsLeft)
{
    writeFrm34({{"x", "X", 3}});
    writeSearchPictures();
    useFakePointer();
    Tfrm34* s = openScreen<Tfrm34>();
    hover(s->Label1);
    EXPECT_EQ(Tfrm34::state().closeHover, 1);
    EXPECT_GT(z(s->m6), z(s->m1));
    QTest::keyClick(s, Qt::Key_Up); // onto the close button itself
    EXPECT_EQ(Tfrm34::state().closeHover, 1);
    QTest::keyClick(s, Qt::Key_Up); // onto the search button
    EXPECT_EQ(Tfrm34::state().closeHover, 0);
    EXPECT_LT(z(s->m6), z(s->m1));
    EXPECT_EQ(Tfrm34::state().searchHover, 1);
    EXPECT_EQ(s->search->picture().toImage().pixelColor(5, 5), QColor(Qt::green));
    QTest::keyClick(s, Qt::Key_Up); // onto a category: frm34 puts the search picture back
    EXPECT_EQ(Tfrm34::state().searchHover, 0);
    EXPECT_EQ(s->search->picture().toImage().pixelColor(5, 5), QColor(Qt::blue));

    // The pointer over the background takes both hover looks away.
    hover(s->Label1);
    hover(s->search);
    EXPECT_EQ(Tfrm34::state().closeHover, 1);
    EXPECT_EQ(Tfrm34::state().searchHover, 1);
    hover(s->m1, QPoint(20, 470));
    EXPECT_EQ(Tfrm34::state().closeHover, 0);
    EXPECT_EQ(Tfrm34::state().searchHover, 0);
    EXPECT_LT(z(s->m6), z(s->m1));
    EXPECT_EQ(s->search->picture().toImage().pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(TwoPaneTest, ASearchHitBecomesTheFirstRowAndOpens)
{
    const std::string ff = "\x4B\x4D";
    std::vector<std::string> list = titles(20);
    list[4] = "x" + ff;
    list[11] = ff + " y";
    writeFrm05(1, list, texts(20));
    std::vector<Rec> recs;
    for (int i = 0; i < 20; ++i)
        recs.push_back({list[static_cast<std::size_t>(i)], "text of " + std::to_string(i), 2});
    writeFrm34(recs);

    for (const char* kind : {"frm05", "frm34"}) {
        SCOPED_TRACE(kind);
        globals().CurrentItem = 1;
        openKind(kind);
        auto* s = static_cast<TwoPaneScreen*>(top());
        if (auto* f34 = dynamic_cast<Tfrm34*>(s))
            f34->Image2Click(f34->categories[2]); // category 2
        std::vector<int> tops;
        std::vector<std::string> texts;
        whileSearching(s->search, [&](Tsear* d) {
            type(d, "ff");
            search(d);
            tops.push_back(globals().ListTop);
            texts.push_back(s->lmtn->text());
            QTest::mouseClick(d->Label4, Qt::LeftButton); // search on
            search(d);
            tops.push_back(globals().ListTop);
            search(d);
            tops.push_back(globals().ListTop);
        });
        EXPECT_EQ(globals().SearchSource, s->settings().searchSource);
        EXPECT_EQ(tops, (std::vector<int>{4, 11, 11})) << "after the last hit nothing";
        EXPECT_EQ(s->rows[0]->glyphText(), list[11]);
        EXPECT_EQ(s->openRow(), s->rows[0]);
        EXPECT_EQ(texts[0], std::string(kind) == "frm05" ? " 4-0\r\n 4-1 \r\n 4-2 " : " text of 4");
        EXPECT_EQ(top(), s) << "the dialog is closed";
        s->Label1->click();
        settle();
    }
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(TwoPaneTest, FailuresAreReportedAndTheListKeepsWhatWasRead)
{
    // No files at all: the title index is missing.
    Tfrm05* none = open05(1);
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("1kenor012"), std::string::npos) << errors->shown()[0];
    EXPECT_TRUE(shown(none).empty());
    none->Label1->click();
    settle();

    // 202 titles: the 202nd is refused, 201 stay.
    writeFrm05(2, titles(202), texts(202));
    Tfrm05* full = open05(2);
    ASSERT_EQ(errors->shown().size(), 2u);
    EXPECT_NE(errors->shown()[1].find("201"), std::string::npos) << errors->shown()[1];
    EXPECT_EQ(full->titles().count(), 201);
    EXPECT_EQ(shown(full).size(), 9u);

    // Another item lists nothing and reports nothing.
    open05(3);
    EXPECT_EQ(errors->shown().size(), 2u);
}

TEST_F(TwoPaneTest, ALongLineIsWrappedToThePanesOwnWidth)
{
    if (!installFonts())
        GTEST_SKIP() << "the glyph fonts were not built";
    std::string paragraph;
    for (int i = 0; i < 60; ++i)
        paragraph += (i ? " " : "") + std::string("ABCDE");
    writeFrm05(1, {"one"}, {paragraph});
    Tfrm05* s = open05(1);
    QTest::mouseClick(s->rows[0], Qt::LeftButton);
    const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf02, 14);
    ASSERT_GT(s->me3().count(), 2) << "one line of 60 words is wrapped";
    std::string joined;
    for (const std::string& line : s->me3().lines()) {
        EXPECT_LE(font.width(" " + line + " "), s->lmtn->width()) << line;
        joined += line;
    }
    std::string unblanked = paragraph;
    std::erase(unblanked, ' ');
    std::erase(joined, ' ');
    EXPECT_EQ(joined, unblanked) << "nothing is lost";
    EXPECT_EQ(s->textPager().count(), s->me3().count());
}

TEST_F(TwoPaneTest, EnterOverAnEmptyRowOpensNothing)
{
    writeFrm05(1, titles(3), texts(3));
    auto* fake = useFakePointer();
    Tfrm05* s = open05(1);
    ASSERT_TRUE(s->rows[5]->isHidden());
    QTest::mouseClick(s->rows[1], Qt::LeftButton);
    s->rows[5]->Tag = 2; // what an earlier, longer list left there
    fake->at = s->mapToGlobal(s->rows[5]->geometry().center());
    QTest::keyClick(s, Qt::Key_Return);
    EXPECT_EQ(s->openRow(), s->rows[1]);
    EXPECT_EQ(s->lmtn->text(), " 1-0\r\n 1-1 \r\n 1-2 ");
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(TwoPaneTest, ATextThatCannotBeReadLeavesTheOpenRowAsItWas)
{
    writeFrm05(1, titles(3), texts(3));
    // A fourth title whose text number points past the text index.
    std::string index = test::fields({0, 1, 3}) + test::fields({1, 1, 2}) +
                        test::fields({2, 1, 1}) + test::fields({0, 1, 9});
    content.write("data\\1kenor012", index);
    Tfrm05* s = open05(1);
    QTest::mouseClick(s->rows[1], Qt::LeftButton);
    const std::string before = s->lmtn->text();
    QTest::mouseClick(s->rows[3], Qt::LeftButton);
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("1kenor014"), std::string::npos) << errors->shown()[0];
    EXPECT_EQ(s->openRow(), s->rows[1]);
    EXPECT_EQ(s->rows[3]->textColor(), QColor(255, 255, 0));
    EXPECT_EQ(s->lmtn->text(), before);
}

TEST_F(TwoPaneTest, TheWindowSystemCannotCloseATwoPaneReader)
{
    writeFrm05(1, titles(3), texts(3));
    Tfrm05* s = open05(1);
    s->systemClose();
    settle();
    EXPECT_EQ(top(), s);
    EXPECT_EQ(s->caption(), QStringLiteral("ovta"));
}

TEST_F(TwoPaneTest, CtrlCCopiesTheOpenTitleAndItsWholeText)
{
    test::FakeDecoder decoder;
    writeFrm05(1, {"long", "short"}, {text(0, 12), text(1, 2)});
    Tfrm05* s = open05(1);
    QTest::keyClick(s, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "before") << "no row open";
    QTest::mouseClick(s->rows[0], Qt::LeftButton);
    QTest::keyClick(s, Qt::Key_End);
    QTest::keyClick(s, Qt::Key_C, Qt::ControlModifier);
    std::string expected = test::FakeDecoder::decode(s->rows[0]->glyphText());
    for (int j = 0; j < 12; ++j)
        expected += "\n" + test::FakeDecoder::decode("0-" + std::to_string(j));
    EXPECT_EQ(decoder.clipboard(), expected) << "every line, not only those in view";
    EXPECT_TRUE(errors->shown().empty());
}

} // namespace
} // namespace ovta
