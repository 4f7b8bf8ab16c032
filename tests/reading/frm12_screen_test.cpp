// The alphabetical topic list frm12: its letter index with the two jump
// tables and the pressed look, the scroll thumb and its track, the third
// set without an index, and the row that opens frm13.
#include <QTest>
#include <gtest/gtest.h>

#include "reading/frm12.h"
#include "reading/reader_screen.h"
#include "reading/list_thumb.h"
#include "reading/reading_test_support.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"

namespace ovta {
namespace {

class Frm12Test : public test::ReadingTest {
protected:
    // `n` titles "n0".. with article numbers 1..n, in the set of `book`.
    void writeSet(int book, int n)
    {
        const char* lists[] = {"data\\1kenor12", "data\\1kenor14", "data\\1kenor16"};
        const char* titles[] = {"data\\kenor11", "data\\kenor13", "data\\kenor15"};
        std::vector<std::vector<long long>> records;
        std::vector<std::string> texts;
        for (int i = 0; i < n; ++i) {
            records.push_back({i + 1, 0, 0});
            texts.push_back("n" + std::to_string(i));
        }
        writeTopics(lists[book - 1], titles[book - 1], records, texts, {1, 2});
    }

    Tfrm12* open(int book)
    {
        globals().CurrentBook = book;
        return openScreen<Tfrm12>();
    }

    ImageControl* letter(Tfrm12* list, int tag)
    {
        return list->letters[static_cast<std::size_t>(tag - 1)];
    }
};

TEST_F(Frm12Test, LettersJumpToTheirFirstEntryAndShowPressed)
{
    writeSet(1, 800);
    Tfrm12* list = open(1);
    // A recognisable pressed board: every pixel tells its place.
    QImage board(265, 160, QImage::Format_RGB32);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 265; ++x)
            board.setPixel(x, y, qRgb(x % 256, y, 7));
    list->Image1->setPicture(QPixmap::fromImage(board));

    QTest::mouseClick(letter(list, 2), Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 102);
    EXPECT_EQ(list->rows[0]->glyphText(), "n102");
    ImageControl* ba = letter(list, 2);
    const QImage pressed = ba->picture().toImage();
    ASSERT_EQ(pressed.size(), ba->size());
    EXPECT_EQ(QColor(pressed.pixel(0, 0)), QColor(qRgb((ba->x() - 321) % 256, ba->y() - 34, 7)))
        << "cut from the pressed board one pixel left of the letter";

    QTest::mouseClick(letter(list, 17), Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 102) << "no title starts with this letter";
    EXPECT_TRUE(ba->picture().isNull()) << "the letter pressed before comes up";
    EXPECT_FALSE(letter(list, 17)->picture().isNull());
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(Frm12Test, SecondSetUsesItsOwnTable)
{
    writeSet(2, 650);
    Tfrm12* list = open(2);
    QTest::mouseClick(letter(list, 2), Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 150);
    QTest::mouseClick(letter(list, 28), Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 638);
    EXPECT_EQ(list->rows[0]->glyphText(), "n638");
    EXPECT_EQ(list->rows[8]->glyphText(), "n646");
}

TEST_F(Frm12Test, ALetterPastTheEndLeavesRowsWithoutEntriesAsTheyWere)
{
    writeSet(1, 110);
    Tfrm12* list = open(1);
    EXPECT_EQ(list->rows[8]->glyphText(), "n8");
    QTest::mouseClick(letter(list, 2), Qt::LeftButton); // entry 103
    EXPECT_EQ(list->rows[7]->glyphText(), "n109");
    EXPECT_EQ(list->rows[8]->glyphText(), "n8") << "no entry 111: the row keeps its caption";
    EXPECT_TRUE(list->rows[8]->isVisible());
}

TEST_F(Frm12Test, ThumbFollowsTheTop)
{
    writeSet(1, 800);
    Tfrm12* list = open(1);
    EXPECT_EQ(list->thumb().entriesPerPixel(), 4);
    EXPECT_EQ(list->mm->y(), ListThumb::Y0);
    list->pager().setTop(100);
    list->Label1Click();
    EXPECT_EQ(list->mm->y(), ListThumb::Y0 + 25);
    QTest::mouseClick(letter(list, 28), Qt::LeftButton);
    EXPECT_EQ(list->mm->y(), ListThumb::Y0 + 789 / 4);
}

TEST_F(Frm12Test, FewerThan200EntriesCountOneAPixel)
{
    writeSet(1, 120);
    Tfrm12* list = open(1);
    EXPECT_EQ(list->thumb().entriesPerPixel(), 1);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(list->l8, Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 24);
    EXPECT_EQ(list->mm->y(), ListThumb::Y0 + 24);
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(Frm12Test, DraggingTheThumbSetsTheTopAndStepsOnce)
{
    writeSet(1, 800);
    Tfrm12* list = open(1);
    QTest::mousePress(list->mm, Qt::LeftButton, {}, QPoint(4, 5));
    EXPECT_EQ(Tfrm12::state().dragFlag, 1);
    QTest::mouseMove(list->mm, QPoint(4, 105)); // y = 76 + 105
    EXPECT_EQ(globals().ListTop, 105 * 4 + 1);
    EXPECT_EQ(list->mm->y(), ListThumb::Y0 + (105 * 4 + 1) / 4);

    QTest::mouseMove(list->mm, QPoint(4, 400)); // past the track's end
    EXPECT_EQ(globals().ListTop, 791) << "L, then one line down";
    EXPECT_EQ(list->rows[8]->glyphText(), "n799");

    QTest::mouseMove(list->mm, QPoint(4, -300)); // above its start
    EXPECT_EQ(globals().ListTop, 0) << "1, then one line up";
    EXPECT_EQ(list->mm->y(), ListThumb::Y0);

    QTest::mouseRelease(list->mm, Qt::LeftButton);
    EXPECT_EQ(Tfrm12::state().dragFlag, 0);
    QTest::mouseMove(list->mm, QPoint(4, 150));
    EXPECT_EQ(globals().ListTop, 0) << "no drag after the release";
}

TEST_F(Frm12Test, TrackPagesTowardsThePointer)
{
    writeSet(1, 800);
    Tfrm12* list = open(1);
    QTest::mousePress(list->Label5, Qt::LeftButton, {}, QPoint(9, 150));
    EXPECT_EQ(globals().ListTop, 8);
    QTest::mouseRelease(list->Label5, Qt::LeftButton, {}, QPoint(9, 150));
    list->pager().setTop(400);
    list->Label1Click();
    QTest::mousePress(list->Label5, Qt::LeftButton, {}, QPoint(9, 2));
    EXPECT_EQ(globals().ListTop, 392);
    QTest::mouseRelease(list->Label5, Qt::LeftButton, {}, QPoint(9, 2));
    EXPECT_FALSE(list->t2->enabled());
}

TEST_F(Frm12Test, ThirdSetHasNoLetterIndex)
{
    writeSet(3, 300);
    Tfrm12* list = open(3);
    EXPECT_FALSE(list->Image3->isVisible());
    EXPECT_EQ(list->thumb().entriesPerPixel(), 2);
    list->ml1Click(letter(list, 2));
    EXPECT_EQ(globals().ListTop, 0);
    EXPECT_TRUE(letter(list, 2)->picture().isNull());
    list->pager().setTop(100);
    list->Label1Click();
    EXPECT_EQ(list->mm->y(), ListThumb::Y0 + 50);
    list->pager().setTop(290);
    list->Label1Click();
    EXPECT_EQ(list->mm->y(), ListThumb::Y1) << "from the last top on";
}

TEST_F(Frm12Test, ARowOpensFrm13OnRecordTagMinusOne)
{
    writeSet(1, 20);
    std::vector<test::ArticleSpec> articles;
    for (int i = 0; i < 20; ++i)
        articles.push_back({"article " + std::to_string(i), {}});
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19", articles, 4);
    Tfrm12* list = open(1);
    QTest::mouseClick(list->rows[3], Qt::LeftButton);
    EXPECT_EQ(globals().CurrentItem, 3);
    ASSERT_TRUE(Tfrm13::instance);
    EXPECT_EQ(Tfrm13::instance->article().text(), "article 3");
    EXPECT_EQ(ScreenStack::instance().top(), Tfrm13::instance.data());
}

} // namespace
} // namespace ovta
