// frm33 and frm47: what they list, choosing an entry by click and by the
// arrow keys, frm33's caption split and text pane, frm47's search hand-over,
// and the errors of both.
#include <QTest>
#include <gtest/gtest.h>

#include "lists/frm33.h"
#include "lists/frm47.h"
#include "lists/lists_test_support.h"
#include "shell/screen_open.h"
#include "support/fake_decoder.h"

namespace ovta {
namespace {

class ListScreensTest : public test::ListsTest {
protected:
    Tfrm33* open33(int item)
    {
        globals().CurrentItem = item;
        return openScreen<Tfrm33>();
    }
    static std::vector<std::string> items(TitleListBox* list)
    {
        std::vector<std::string> out;
        for (int i = 0; i < list->count(); ++i)
            out.push_back(list->item(i).text);
        return out;
    }
    static void clickItem(TitleListBox* list, int index)
    {
        const int row = index - list->topIndex();
        QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(40, row * 22 + 5));
    }
};

TEST_F(ListScreensTest, Frm33ListsTheBlockOfItsItemUnderItsHeading)
{
    writeFrm33(240, {{147, "r147: first: of four"}, {150, "no colon"}});
    Tfrm33* s = open33(4);
    ASSERT_EQ(s->me1->count(), 25) << "records 147 to 171";
    EXPECT_EQ(s->me1->item(0).text, "r147: first") << "up to the last colon";
    EXPECT_EQ(s->me1->item(3).text, "") << "no colon: an empty entry";
    EXPECT_EQ(s->me1->item(24).text, "r171");
    EXPECT_EQ(s->Label1->glyphText(), "t64");

    QTest::mouseClick(s->me1, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(s->me1->itemIndex(), 0);
    EXPECT_EQ(s->lcap->text(), "r147: first");
    EXPECT_EQ(s->lmtn->text(), "147-0\r\n 147-1 \r\n 147-2 ") << "record 147's text";

    // The arrow keys move the selection and show each entry in turn.
    QTest::keyClick(s->me1, Qt::Key_Down);
    EXPECT_EQ(s->lcap->text(), "r148");
    EXPECT_EQ(s->lmtn->text().substr(0, 5), "148-0");
    QTest::keyClick(s->me1, Qt::Key_Down);
    EXPECT_EQ(s->lmtn->text().substr(0, 5), "149-0");
    QTest::keyClick(s->me1, Qt::Key_Up);
    EXPECT_EQ(s->lmtn->text().substr(0, 5), "148-0");
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(ListScreensTest, Frm33ItemsOutsideTheTableListNothing)
{
    writeFrm33(240);
    for (int item : {0, 7}) {
        Tfrm33* s = open33(item);
        EXPECT_EQ(s->me1->count(), 0) << item;
        EXPECT_EQ(s->Label1->glyphText(), "") << item;
    }
    Tfrm33* six = open33(6);
    EXPECT_EQ(six->me1->count(), 24);
    EXPECT_EQ(six->Label1->glyphText(), "t71");
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(ListScreensTest, Frm33ReportsAShortIndexAndKeepsTheTitlesRead)
{
    writeFrm33(150);
    Tfrm33* s = open33(4);
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("1kenor316"), std::string::npos) << errors->shown()[0];
    EXPECT_EQ(s->me1->count(), 4) << "records 147 to 150";
}

TEST_F(ListScreensTest, Frm33PagesItsTextSevenLinesAtATime)
{
    writeFrm33(53);
    // Record 1 holds a text of 30 lines.
    content.write("data\\kenor318", text(1, 30));
    std::string index = test::fields({0, 5, 0, static_cast<long long>(text(1, 30).size())});
    for (int k = 2; k <= 53; ++k)
        index += test::fields({0, 5, 0, 5});
    content.write("data\\1kenor316", index);
    content.write("data\\kenor317", "r1: x");
    Tfrm33* s = open33(1);
    clickItem(s->me1, 0);
    std::vector<int> tops;
    for (int k = 0; k < 5; ++k) {
        QTest::mouseClick(s->l8, Qt::LeftButton);
        tops.push_back(s->textPager().top());
    }
    EXPECT_EQ(tops, (std::vector<int>{6, 12, 18, 23, 23}));
    EXPECT_EQ(s->lmtn->text().substr(0, 5), "1-23\r");
    QTest::mouseClick(s->l4, Qt::LeftButton);
    EXPECT_EQ(s->textPager().top(), 23);
    QTest::mouseClick(s->l7, Qt::LeftButton);
    EXPECT_EQ(s->textPager().top(), 17);
    QTest::mouseClick(s->l3, Qt::LeftButton);
    EXPECT_EQ(s->textPager().top(), 16);

    QTest::mousePress(s->l4, Qt::LeftButton);
    EXPECT_EQ(Tfrm33::state().RepeatCode, 2);
    s->t2->fire();
    s->t2->fire();
    QTest::mouseRelease(s->l4, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(s->textPager().top(), 18);
    hover(s->m1, QPoint(5, 275)); // bare background, clear of the panes
    EXPECT_EQ(Tfrm33::state().RepeatCode, 0);
}

TEST_F(ListScreensTest, Frm33SplitsAWideCaptionIntoTwoLines)
{
    if (!installFonts())
        GTEST_SKIP() << "the glyph fonts were not built";
    const std::string wide = "AAAA BBBB CCCC DDDD EEEE FFFF GGGG HHHH IIII JJJJ KKKK LLLL MMMM "
                             "NNNN OOOO PPPP QQQQ RRRR SSSS TTTT UUUU VVVV WWWW XXXX";
    const std::string word(120, 'W'); // one word, wider than the caption
    writeFrm33(53, {{1, "short: x"}, {2, wide + ": x"}, {3, word + ": x"}});
    Tfrm33* t = open33(1);
    const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf02, -19);
    ASSERT_GT(font.width(wide), 545) << "the fixture must be wider than the caption";
    ASSERT_GT(font.width(word), 545);
    clickItem(t->me1, 0);
    EXPECT_EQ(t->lcap->text(), "short") << "a caption that fits stays on one line";
    clickItem(t->me1, 1);
    const std::string caption = t->lcap->text();
    const auto cr = caption.find("\r\n");
    ASSERT_NE(cr, std::string::npos) << caption;
    const std::string first = caption.substr(0, cr);
    const std::string second = caption.substr(cr + 2);
    EXPECT_LE(font.width(first), 545) << "the right part, first, fits";
    EXPECT_EQ(second + first, wide) << "words moved whole, with their blanks";
    EXPECT_EQ(second.back(), ' ');
    clickItem(t->me1, 2);
    EXPECT_EQ(t->lcap->text(), word) << "no blank left: the word stays as it is";
}

TEST_F(ListScreensTest, Frm47ListsEightHundredAndNinetyThreeEntries)
{
    writeFrm47(900, {{2, "name (x)"}});
    Tfrm47* s = openScreen<Tfrm47>();
    ASSERT_EQ(s->LS1->count(), 893);
    EXPECT_EQ(s->LS1->item(2).text, "name (x) \xF6");
    EXPECT_EQ(s->LS1->item(892).text, "e892");
    EXPECT_EQ(s->LS1->itemIndex(), -1);

    clickItem(s->LS1, 1);
    EXPECT_EQ(items(s->List1), (std::vector<std::string>{"first 1", "second", "third"}));
    QTest::keyClick(s->LS1, Qt::Key_Down);
    EXPECT_EQ(s->List1->item(0).text, "first 2");
    QTest::keyClick(s->LS1, Qt::Key_Down);
    EXPECT_EQ(s->List1->item(0).text, "first 3");
    QTest::keyClick(s->LS1, Qt::Key_Up);
    EXPECT_EQ(s->List1->item(0).text, "first 2");
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(ListScreensTest, Frm47ReportsAShortIndexWithTheEntriesItRead)
{
    writeFrm47(40);
    Tfrm47* s = openScreen<Tfrm47>();
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("1kenor41"), std::string::npos) << errors->shown()[0];
    EXPECT_EQ(s->LS1->count(), 40);
}

TEST_F(ListScreensTest, Frm47SearchSelectsTheHitAndSearchesOnAfterTheSelectedRow)
{
    const std::string ff = "\x4B\x4D";
    writeFrm47(893, {{10, "a" + ff}, {20, ff}, {30, ff + ")"}, {700, "z" + ff}});
    Tfrm47* s = openScreen<Tfrm47>();
    globals().ListTop = 25; // another list's window: frm47 does not use it
    std::vector<int> hits;
    whileSearching(s->Image1, [&](Tsear* d) {
        type(d, "ff");
        search(d);
        hits.push_back(s->LS1->itemIndex());
        EXPECT_EQ(s->List1->item(0).text, "first 10");
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        for (int k = 0; k < 4; ++k) {
            search(d);
            hits.push_back(s->LS1->itemIndex());
        }
    });
    EXPECT_EQ(hits, (std::vector<int>{10, 20, 30, 700, 700}));
    EXPECT_EQ(s->LS1->item(30).text, ff + ") \xF6") << "searched with its mark";
    EXPECT_EQ(s->List1->item(0).text, "first 700");
    EXPECT_EQ(globals().ListTop, 25);
    EXPECT_EQ(globals().SearchSource, 47);

    // Activation again clears the selection.
    s->FormActivate();
    EXPECT_EQ(s->LS1->itemIndex(), -1);
}

TEST_F(ListScreensTest, CloseAndSearchHoverPicturesComeAndGo)
{
    writeFrm33(53);
    writeFrm47(893);
    writeSearchPictures();
    Tfrm47* b = openScreen<Tfrm47>();
    EXPECT_LT(z(b->m2), z(b->m1));
    hover(b->l1);
    hover(b->Image1);
    EXPECT_GT(z(b->m2), z(b->m1));
    EXPECT_GT(z(b->l1), z(b->m2)) << "the close spot stays clickable over its picture";
    EXPECT_EQ(b->Image1->picture().toImage().pixelColor(5, 5), QColor(Qt::green));
    hover(b->m1, QPoint(20, 470));
    EXPECT_LT(z(b->m2), z(b->m1));
    EXPECT_EQ(b->Image1->picture().toImage().pixelColor(5, 5), QColor(Qt::blue));
    b->l1->click();
    settle();

    Tfrm33* a = open33(1);
    hover(a->l2);
    EXPECT_GT(z(a->m2), z(a->m1));
    hover(a->m1, QPoint(5, 275));
    EXPECT_LT(z(a->m2), z(a->m1));
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(ListScreensTest, EscClosesBothAndOnlyFrm47YieldsToTheWindowSystem)
{
    writeFrm33(53);
    writeFrm47(893);
    Tfrm33* a = open33(1);
    a->systemClose();
    settle();
    EXPECT_EQ(top(), a);
    QTest::keyClick(a->me1, Qt::Key_Escape);
    settle();
    EXPECT_NE(top(), a);

    Tfrm47* b = openScreen<Tfrm47>();
    b->systemClose();
    settle();
    EXPECT_NE(top(), b);
    Tfrm47* c = openScreen<Tfrm47>();
    QTest::keyClick(c->LS1, Qt::Key_Escape);
    settle();
    EXPECT_NE(top(), c);
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

// Ctrl+C in either list screen copies the chosen entry's title over its
// whole text, from the list that has the focus.
TEST_F(ListScreensTest, CtrlCCopiesTheChosenEntryAndItsText)
{
    test::FakeDecoder decoder;
    writeFrm33(240, {{147, "r147: first: of four"}});
    Tfrm33* a = open33(4);
    QTest::keyClick(a->me1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "before") << "nothing chosen yet";
    QTest::keyClick(a->me1, Qt::Key_Down);
    QTest::keyClick(a->me1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "[tsrif :741r]\n[0-741]\n[1-741]\n[2-741]");
    a->release();
    settle();

    writeFrm47(900);
    Tfrm47* b = openScreen<Tfrm47>();
    clickItem(b->LS1, 1);
    QTest::keyClick(b->LS1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(),
              test::FakeDecoder::decode(b->LS1->item(1).text) + "\n[1 tsrif]\n[dnoces]\n[driht]");
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

} // namespace
} // namespace ovta
