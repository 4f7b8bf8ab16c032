// The article readers: the record each reads, the whole text and the
// chooser built from the section record, sub-sections through the hot
// spots and the chooser, paging the text, Esc and the close button.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

#include "reading/reader_files.h"
#include "reading/reader_screen.h"
#include "reading/reading_test_support.h"
#include "search/glyph_decoder.h"
#include "search/glyph_encoder.h"
#include "shell/clipboard_text.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"
#include "support/fake_decoder.h"

namespace ovta {
namespace {

std::string numbered(int n, const char* prefix = "line")
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += std::string(prefix) + std::to_string(i) + "\r\n";
    return text;
}

class ReaderTest : public test::ReadingTest {
protected:
    template <class T> T* open(int item, const std::string& title = "title")
    {
        globals().CurrentItem = item;
        globals().CurrentTitle = title;
        return openScreen<T>();
    }

    static std::vector<std::string> chooser(ReaderScreen* r)
    {
        std::vector<std::string> out;
        for (int i = 0; i < r->co1->count(); ++i)
            out.push_back(r->co1->item(i));
        return out;
    }
};

TEST_F(ReaderTest, SectionRecordWithAPairAtZero)
{
    const std::string text = std::string(120, 'a') + std::string(80, 'b');
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19",
                  {{text, {0, 120, 120, 80, 0, 0, 0, 0}}}, 4);
    Tfrm13* reader = open<Tfrm13>(0, "the title");
    EXPECT_EQ(reader->shownText(), std::string(120, 'a') + "\r\n\r\n" + std::string(80, 'b'));
    EXPECT_EQ(chooser(reader), (std::vector<std::string>{"t32", "t34"}))
        << "sub-section 1 starts at 0: whole text, no entry";
    EXPECT_EQ(reader->chooserMap(), (std::vector<int>{0, 2}));
    EXPECT_EQ(reader->co1->text(), "t17") << "the prompt, no entry chosen";
    EXPECT_EQ(reader->co1->itemIndex(), -1);
    EXPECT_EQ(reader->L_name->glyphText(), "t17");
    EXPECT_EQ(reader->lname->glyphText(), "the title");
    EXPECT_EQ(reader->lmtn->rows(),
              (std::vector<std::string>{std::string(120, 'a'), "  ", "  " + std::string(80, 'b')}));
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(ReaderTest, EachReaderReadsItsRecordFromItsFiles)
{
    std::vector<test::ArticleSpec> articles = {{"zero", {}}, {"one", {}}, {"two", {}}};
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19", articles, 4);
    writeArticles("data\\1kenor618", "data\\1kenor619", "data\\kenor620", articles, 5);
    writeArticles("data\\1kenor86", "data\\1kenor85", "data\\kenor87", articles, 10);
    writeArticles("data\\1kenor010", "data\\1kenor011", "data\\kenor09", articles, 7);
    writeArticles("data\\1kenor410", "data\\1kenor411", "data\\kenor48", articles, 7);
    const ContentDir& dir = ContentDir::current();
    loadReaderFiles(openerFiles("frm03"), dir,
                    {"data\\1kenor010", "data\\1kenor011", "data\\kenor09"});
    loadReaderFiles(openerFiles("frm46"), dir,
                    {"data\\1kenor410", "data\\1kenor411", "data\\kenor48"});

    EXPECT_EQ(open<Tfrm03>(1)->article().text(), "zero") << "frm03 reads CurrentItem - 1";
    EXPECT_EQ(open<Tfrm13>(0)->article().text(), "zero");
    EXPECT_EQ(open<Tfrm46>(2)->article().text(), "two");
    EXPECT_EQ(open<Tfrm65>(1)->article().text(), "one");
    EXPECT_EQ(open<Tfrm83>(2)->article().text(), "two");
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(ReaderTest, RecordPastTheListIsReportedAndTheReaderStaysEmpty)
{
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19", {{"only", {}}}, 4);
    Tfrm13* reader = open<Tfrm13>(4);
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("data\\1kenor17"), std::string::npos) << errors->shown()[0];
    EXPECT_TRUE(reader->lmtn->rows().empty());
    EXPECT_EQ(reader->co1->count(), 0);
}

TEST_F(ReaderTest, Frm46WithoutItsOpenersFilesReportsAConversionError)
{
    openerFiles("frm46") = ReaderFiles{};
    Tfrm46* reader = open<Tfrm46>(0);
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_TRUE(reader->shownText().empty());
}

TEST_F(ReaderTest, SubSectionsThroughHotSpotsAndChooser)
{
    // Three sub-sections of 12, 3 and 12 lines.
    const std::string one = numbered(12, "a");
    const std::string two = numbered(3, "b");
    const std::string three = numbered(12, "c");
    const std::string text = "head\r\n" + one + two + three;
    const long long s1 = 6, s2 = s1 + static_cast<long long>(one.size());
    const long long s3 = s2 + static_cast<long long>(two.size());
    writeArticles(
        "data\\1kenor618", "data\\1kenor619", "data\\kenor620",
        {{text,
          {s1, static_cast<long long>(one.size()) - 2, s2, static_cast<long long>(two.size()) - 2,
           s3, static_cast<long long>(three.size()) - 2, 0, 0, 0, 0}}},
        5);
    Tfrm65* reader = open<Tfrm65>(0);
    EXPECT_EQ(chooser(reader), (std::vector<std::string>{"t32", "t89", "t90", "t91"}));
    EXPECT_EQ(reader->pager().count(), 12 + 1 + 3 + 1 + 12);

    reader->l13Click();
    EXPECT_EQ(reader->windowTop(), 8);
    reader->co1->choose(2); // sub-section 2
    EXPECT_EQ(reader->shownText(), "b0\r\nb1\r\nb2");
    EXPECT_EQ(reader->windowTop(), 0);
    EXPECT_EQ(reader->L_name->glyphText(), "t90") << "the mirror follows the chooser";
    reader->l13Click();
    EXPECT_EQ(reader->windowTop(), 0) << "three lines: nothing moves";

    reader->sectionSpot(3)->click(); // Tag 4
    EXPECT_EQ(reader->sectionSpot(3)->Tag, 4);
    EXPECT_EQ(reader->shownText().substr(0, 2), "c0");
    reader->l11Click();
    EXPECT_EQ(reader->windowTop(), 1);

    reader->co1->choose(0); // the whole text, back at its top
    EXPECT_EQ(reader->windowTop(), 0);
    EXPECT_EQ(reader->shownText().substr(0, 2), "a0");
    EXPECT_EQ(reader->lmtn->rows().front(), "a0");
    EXPECT_EQ(reader->lmtn->rows()[1], "  a1");
    EXPECT_EQ(reader->lmtn->rows().size(), 9u);
}

TEST_F(ReaderTest, Frm83WithTenPairsFillsElevenEntries)
{
    std::string text = "h\r\n";
    std::vector<long long> pairs;
    for (int k = 0; k < 10; ++k) {
        pairs.push_back(static_cast<long long>(text.size()));
        const std::string part = "part" + std::to_string(k + 1);
        pairs.push_back(static_cast<long long>(part.size()));
        text += part + "\r\n";
    }
    writeArticles("data\\1kenor86", "data\\1kenor85", "data\\kenor87", {{text, pairs}}, 10);
    Tfrm83* reader = open<Tfrm83>(0);
    ASSERT_EQ(reader->co1->count(), 11);
    EXPECT_EQ(reader->co1->item(10), "t82");
    EXPECT_EQ(reader->sectionSpot(10)->objectName(), QStringLiteral("ll11"));
    EXPECT_EQ(reader->sectionSpot(10)->Tag, 11);
    reader->co1->choose(10);
    EXPECT_EQ(reader->shownText(), "part10");
    EXPECT_EQ(reader->sectionSpot(8)->objectName(), QStringLiteral("ll9"));
}

TEST_F(ReaderTest, FiveLineArticleDoesNotMove)
{
    const std::string text = numbered(5);
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19",
                  {{text, {1, static_cast<long long>(text.size()) - 1}}}, 4);
    Tfrm13* reader = open<Tfrm13>(0);
    for (QWidget* arrow :
         std::initializer_list<QWidget*>{reader->l10, reader->l11, reader->l12, reader->l13})
        QTest::mouseClick(arrow, Qt::LeftButton);
    EXPECT_EQ(reader->windowTop(), 0);
    EXPECT_EQ(reader->lmtn->rows().size(), 5u);
}

// The page keys page the text from the chooser (which has the keys) or the
// screen; the chooser keeps its arrows.
TEST_F(ReaderTest, PageKeysPageTheTextToItsEnds)
{
    const std::string text = numbered(30);
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19",
                  {{text, {1, static_cast<long long>(text.size()) - 1}}}, 4);
    Tfrm13* reader = open<Tfrm13>(0);
    ASSERT_EQ(QApplication::focusWidget(), reader->co1);
    const int last = reader->pager().last();
    ASSERT_GT(last, 8);
    const struct {
        const char* name;
        QWidget* to;
        Qt::Key key;
        int top;
    } steps[] = {{"Page Down", reader->co1, Qt::Key_PageDown, 8},
                 {"End", reader->co1, Qt::Key_End, last},
                 {"Page Up on the screen", reader, Qt::Key_PageUp, last - 8},
                 {"Home", reader->co1, Qt::Key_Home, 0}};
    for (const auto& s : steps) {
        QTest::keyClick(s.to, s.key);
        EXPECT_EQ(reader->windowTop(), s.top) << s.name;
    }
    QTest::keyClick(reader->co1, Qt::Key_Down);
    EXPECT_EQ(reader->windowTop(), 0) << "Down is the chooser's";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(ReaderTest, HoldingLineDownMovesEveryTickAndOnceForTheRelease)
{
    const std::string text = numbered(60);
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19",
                  {{text, {1, static_cast<long long>(text.size()) - 1}}}, 4);
    Tfrm13* reader = open<Tfrm13>(0);
    QTest::mousePress(reader->l11, Qt::LeftButton);
    EXPECT_TRUE(reader->t2->enabled());
    EXPECT_GT(z(reader->Image2), z(reader->m1));
    for (int i = 0; i < 10; ++i)
        reader->t2->fire();
    QTest::mouseRelease(reader->l11, Qt::LeftButton);
    EXPECT_EQ(reader->windowTop(), 11);
    EXPECT_FALSE(reader->t2->enabled());
    EXPECT_LT(z(reader->Image2), z(reader->m1));

    QTest::mousePress(reader->l10, Qt::RightButton);
    EXPECT_FALSE(reader->t2->enabled());
    QTest::mouseRelease(reader->l10, Qt::RightButton);
    EXPECT_EQ(reader->windowTop(), 11) << "right clicks move nothing";
}

TEST_F(ReaderTest, EscClosesFromTheChooserAndOnFrm03FromTheScreen)
{
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19", {{"x", {}}}, 4);
    writeArticles("data\\1kenor010", "data\\1kenor011", "data\\kenor09", {{"x", {}}}, 7);
    loadReaderFiles(openerFiles("frm03"), ContentDir::current(),
                    {"data\\1kenor010", "data\\1kenor011", "data\\kenor09"});

    Tfrm13* reader = open<Tfrm13>(0);
    reader->FormKeyDown(27);
    settle();
    EXPECT_TRUE(Tfrm13::instance) << "Esc on frm13 itself does nothing";
    QTest::keyClick(reader->co1, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(Tfrm13::instance);

    Tfrm03* other = open<Tfrm03>(1);
    other->FormKeyDown(27);
    settle();
    EXPECT_FALSE(Tfrm03::instance);
}

TEST_F(ReaderTest, ClicksOnTheTextAndPicturesLeaveTheKeysWithTheChooser)
{
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19", {{"x", {}}}, 4);
    Tfrm13* reader = open<Tfrm13>(0);
    ASSERT_EQ(QApplication::focusWidget(), reader->co1);
    for (QWidget* clicked : {static_cast<QWidget*>(reader->lmtn),
                             static_cast<QWidget*>(reader->l10), static_cast<QWidget*>(reader)}) {
        QTest::mouseClick(clicked, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), reader->co1) << clicked->objectName().toStdString();
    }
    // So Esc, which goes where the keys are, still leaves.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(Tfrm13::instance);
}

TEST_F(ReaderTest, CloseHoverPicture)
{
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19", {{"x", {}}}, 4);
    Tfrm13* reader = open<Tfrm13>(0);
    EXPECT_LT(z(reader->m9), z(reader->m1));
    hover(reader->l9);
    EXPECT_EQ(Tfrm13::state().closeHover, 1);
    EXPECT_GT(z(reader->m9), z(reader->m1));
    EXPECT_GT(z(reader->l9), z(reader->m9));
    hover(reader->m1, QPoint(620, 100)); // bare background
    EXPECT_EQ(Tfrm13::state().closeHover, 0);
    EXPECT_LT(z(reader->m9), z(reader->m1));
    QTest::mouseDClick(reader->l9, Qt::LeftButton);
    settle();
    EXPECT_FALSE(Tfrm13::instance);
}

TEST_F(ReaderTest, LongLinesAreCutAndOutOfRangePairsLeftOut)
{
    const std::string longLine(5000, 'x');
    const std::string text = "h\r\n" + longLine + "\r\nend";
    writeArticles("data\\1kenor86", "data\\1kenor85", "data\\kenor87",
                  {{text, {3, static_cast<long long>(text.size()) - 3, 90000, 20}}}, 10);
    Tfrm83* reader = open<Tfrm83>(0);
    EXPECT_EQ(reader->lmtn->rows().front().size(), 4096u);
    EXPECT_EQ(reader->co1->count(), 2) << "the pair past the end gets no entry in frm83";
    EXPECT_TRUE(errors->shown().empty());
}

// Ctrl+C copies the title and the text on display, line by line, from the
// screen or from its chooser when that has the focus.
TEST_F(ReaderTest, CtrlCCopiesTheTitleAndTheTextShown)
{
    test::FakeDecoder decoder;
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19",
                  {{"ab\r\ncd", {0, 6, 0, 0, 0, 0, 0, 0}}}, 4);
    Tfrm13* reader = open<Tfrm13>(0, "T1");
    QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : reader;
    QTest::keyClick(keys, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "[1T]\n[ba]\n[dc]");
    EXPECT_TRUE(errors->shown().empty());
}

// With the program's own decoder, Ctrl+C gives back the Arabic the glyph
// text was made from, in logical order, one line per line.
TEST_F(ReaderTest, CtrlCGivesTheArabicTheGlyphsWereMadeFrom)
{
    ClipboardText::setDecoder(&decodeGlyphTextUtf8);
    const std::string title = "الصلاة";
    const std::vector<std::string> lines = {"بسم الله", "الباب ١٢"};
    const std::string text = encodeGlyphText(lines[0]) + "\r\n" + encodeGlyphText(lines[1]);
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19",
                  {{text, {0, static_cast<long long>(text.size()), 0, 0, 0, 0, 0, 0}}}, 4);
    Tfrm13* reader = open<Tfrm13>(0, encodeGlyphText(title));
    QTest::keyClick(reader, Qt::Key_C, Qt::ControlModifier);
    ClipboardText::setDecoder(nullptr);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString::fromStdString(title + "\n" + lines[0] + "\n" + lines[1]));
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

} // namespace
} // namespace ovta
