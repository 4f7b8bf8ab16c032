// The topic index frm04: the three levels and what each choice clears, the
// two pagers on one repeat timer, selection marks, the drawn title list
// with its icons, and the double click that opens frm03.
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "reading/reader_screen.h"
#include "reading/frm04.h"
#include "reading/reading_test_support.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"

namespace ovta {
namespace {

using test::fields;

// Level 1: ten headings "h0".."h9"; heading 0 holds level-2 lines 1..9,
// heading 1 holds line 10, heading 2 has the empty range (5, 4).
// Level 2 line 1 lists titles 1..7 (icon kinds 1..7), line 2 lists titles
// 8..9 (kinds 3 and 0), line 10 lists title 10 (kind 4).
class TopicIndexTest : public test::ReadingTest {
protected:
    void SetUp() override
    {
        ReadingTest::SetUp();
        std::string level1, ranges1, level2;
        for (int i = 0; i < 10; ++i)
            level1 += "h" + std::to_string(i) + "\r\n";
        ranges1 = fields({0, 8}) + fields({9, 9}) + fields({5, 4});
        for (int i = 3; i < 10; ++i)
            ranges1 += fields({5, 4});
        std::string pointers1;
        for (int i = 1; i <= 10; ++i) {
            pointers1 += fields({i});
            level2 += "s" + std::to_string(i) + "\r\n";
        }
        content.write("data\\kenor07", level1);
        content.write("data\\1kenor06", ranges1);
        content.write("data\\1kenor05", pointers1);
        content.write("data\\kenor08", level2);
        std::string ranges2 = fields({0, 6}) + fields({7, 8});
        for (int i = 3; i <= 9; ++i)
            ranges2 += fields({1, 0});
        ranges2 += fields({9, 9});
        content.write("data\\1kenor04", ranges2);
        std::string pointers2, records;
        test::DataBuilder titles;
        const int kinds[] = {1, 2, 3, 4, 5, 6, 7, 3, 0, 4};
        for (int i = 1; i <= 10; ++i) {
            pointers2 += fields({i});
            const auto [offset, length] =
                titles.add(i == 9 ? "title8" : "title" + std::to_string(i));
            records += fields({offset, length, kinds[i - 1], 100 + i});
        }
        content.write("data\\1kenor03", pointers2);
        content.write("data\\1kenor016", records);
        content.write("data\\kenor017", titles.bytes);
        std::vector<test::ArticleSpec> articles;
        for (int i = 0; i < 120; ++i)
            articles.push_back({"article " + std::to_string(i), {}});
        writeArticles("data\\1kenor010", "data\\1kenor011", "data\\kenor09", articles, 7);
    }

    Tfrm04* open() { return openScreen<Tfrm04>(); }

    static std::vector<std::string> shown(const std::array<LabelControl*, 7>& rows)
    {
        std::vector<std::string> out;
        for (LabelControl* row : rows)
            if (row->isVisible())
                out.push_back(row->glyphText());
        return out;
    }
};

TEST_F(TopicIndexTest, StartsWithLevelOneOnly)
{
    Tfrm04* index = open();
    EXPECT_EQ(shown(index->rows1),
              (std::vector<std::string>{"h0", "h1", "h2", "h3", "h4", "h5", "h6"}));
    EXPECT_EQ(index->rows1[3]->Tag, 3) << "a level-1 row carries its line index";
    EXPECT_TRUE(shown(index->rows2).empty());
    EXPECT_EQ(index->lst1->count(), 0);
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(TopicIndexTest, ChoosingALevelFillsTheOneBelowAndClearsFurther)
{
    Tfrm04* index = open();
    QTest::mouseClick(index->rows1[0], Qt::LeftButton);
    EXPECT_EQ(globals().CurrentItem, 0);
    EXPECT_EQ(shown(index->rows2),
              (std::vector<std::string>{"s1", "s2", "s3", "s4", "s5", "s6", "s7"}));
    EXPECT_EQ(index->rows2[1]->Tag, 2);
    EXPECT_EQ(Tfrm04::state().mark1, 0);

    QTest::mouseClick(index->rows2[0], Qt::LeftButton);
    EXPECT_EQ(globals().CurrentItem, 1);
    ASSERT_EQ(index->lst1->count(), 7);
    EXPECT_EQ(index->lst1->item(0).text, "title1");
    EXPECT_EQ(index->titleNumbers().front(), 101);
    EXPECT_EQ(Tfrm04::state().mark2, 0);

    // A level-2 pager move empties the titles and removes the mark.
    QTest::mouseClick(index->l4, Qt::LeftButton);
    EXPECT_EQ(index->pager2().top(), 1);
    EXPECT_EQ(index->lst1->count(), 0);
    EXPECT_EQ(Tfrm04::state().mark2, -1);
    EXPECT_EQ(index->rows2[0]->glyphText(), "s2");

    // Another level-1 heading: level 2 rebuilt, no titles.
    QTest::mouseClick(index->rows1[1], Qt::LeftButton);
    EXPECT_EQ(shown(index->rows2), (std::vector<std::string>{"s10"}));
    EXPECT_EQ(Tfrm04::state().mark1, 1);
    QTest::mouseClick(index->rows1[2], Qt::LeftButton);
    EXPECT_TRUE(shown(index->rows2).empty()) << "range (5, 4) holds nothing";

    // A level-1 pager move shows level 1 again with nothing below.
    QTest::mouseClick(index->Label14, Qt::LeftButton);
    EXPECT_EQ(index->pager1().top(), 3) << "ten headings, seven rows: L1 = 2";
    EXPECT_EQ(Tfrm04::state().mark1, -1);
    EXPECT_TRUE(shown(index->rows2).empty());
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(TopicIndexTest, DoubleClickOpensFrm03OnTheTitlesArticle)
{
    Tfrm04* index = open();
    QTest::mouseClick(index->rows1[0], Qt::LeftButton);
    QTest::mouseClick(index->rows2[1], Qt::LeftButton);
    ASSERT_EQ(index->lst1->count(), 2);
    EXPECT_EQ(index->lst1->item(0).text, index->lst1->item(1).text) << "the same title twice";
    EXPECT_EQ(index->titleNumbers(), (std::vector<int>{108, 109}));

    index->lst1DblClick();
    EXPECT_FALSE(Tfrm03::instance) << "nothing selected: nothing opens";

    QTest::mouseDClick(index->lst1, Qt::LeftButton, {}, QPoint(100, 25 + 12));
    EXPECT_EQ(globals().CurrentItem, 109);
    EXPECT_EQ(globals().CurrentTitle, "title8");
    ASSERT_TRUE(Tfrm03::instance);
    EXPECT_EQ(Tfrm03::instance->article().text(), "article 108") << "record CurrentItem - 1";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(TopicIndexTest, IconsAndTheMarginOfALongList)
{
    Tfrm04* index = open();
    QTest::mouseClick(index->rows1[0], Qt::LeftButton);
    QTest::mouseClick(index->rows2[0], Qt::LeftButton); // seven titles
    ASSERT_EQ(index->lst1->count(), 7);
    EXPECT_TRUE(index->lst1->scrollBarShown());
    for (int i = 0; i < 7; ++i)
        EXPECT_FALSE(index->lst1->item(i).icon.isNull()) << i;
    const QImage kind3 = index->lst1->item(2).icon.toImage();
    const QImage kind4 = index->lst1->item(3).icon.toImage();
    EXPECT_EQ(kind3, kind4) << "kinds 3 and 4 share a picture";

    // Drawn 15 pixels further left than with fewer titles.
    auto iconLeft = [&](int item) {
        QImage canvas(index->lst1->width(), 25, QImage::Format_RGB32);
        QPainter p(&canvas);
        index->lst1DrawItem(p, item, QRect(0, 0, canvas.width(), 25), false);
        p.end();
        for (int x = 0; x < canvas.width(); ++x)
            for (int y = 0; y < 25; ++y)
                if (canvas.pixelColor(x, y) != index->lst1->background())
                    return x;
        return -1;
    };
    const int wide = iconLeft(2);                       // kind 3
    QTest::mouseClick(index->rows2[1], Qt::LeftButton); // two titles, kinds 3 and 0
    ASSERT_EQ(index->lst1->count(), 2);
    EXPECT_TRUE(index->lst1->item(1).icon.isNull()) << "kind 0 has no picture";
    EXPECT_FALSE(index->lst1->scrollBarShown());
    const int narrow = iconLeft(0);
    ASSERT_GE(wide, 0);
    EXPECT_EQ(narrow - wide, 15);
}

TEST_F(TopicIndexTest, RedInAnIconIsTheListsBackground)
{
    Tfrm04* index = open();
    const QPixmap icon = Tfrm04::icon(3);
    ASSERT_FALSE(icon.isNull());
    bool hasRed = false;
    const QImage raw = icon.toImage();
    for (int y = 0; y < raw.height(); ++y)
        for (int x = 0; x < raw.width(); ++x)
            hasRed = hasRed || (raw.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
    ASSERT_TRUE(hasRed) << "the icon marks its background in red";
    index->lst1->addItem({"t", icon});
    QImage canvas(index->lst1->width(), 25, QImage::Format_RGB32);
    QPainter p(&canvas);
    index->lst1DrawItem(p, 0, QRect(0, 0, canvas.width(), 25), false);
    p.end();
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ASSERT_NE(canvas.pixel(x, y) & 0xFFFFFF, 0xFF0000u) << x << "," << y;
}

TEST_F(TopicIndexTest, BothPagersRepeatOnOneTimer)
{
    Tfrm04* index = open();
    QTest::mouseClick(index->rows1[0], Qt::LeftButton);
    QTest::mousePress(index->l4, Qt::LeftButton);
    EXPECT_EQ(Tfrm04::state().repeatDirection, 2);
    index->t2->fire();
    EXPECT_EQ(index->pager2().top(), 1);
    QTest::mouseRelease(index->l4, Qt::LeftButton);
    EXPECT_EQ(index->pager2().top(), 2);
    QTest::mousePress(index->Label12, Qt::LeftButton);
    EXPECT_EQ(Tfrm04::state().repeatDirection, 4);
    EXPECT_GT(z(index->Image4), z(index->m1));
    index->t2->fire();
    EXPECT_EQ(index->pager1().top(), 1);
    QTest::mouseRelease(index->Label12, Qt::LeftButton, {}, QPoint(-4, -4));
    EXPECT_FALSE(index->t2->enabled());
    EXPECT_LT(z(index->Image4), z(index->m1));
    EXPECT_EQ(index->pager1().top(), 1) << "a release off the arrow steps no further";
}

TEST_F(TopicIndexTest, MissingFileIsReportedWithLevelOneAsFarAsRead)
{
    std::filesystem::remove(content.path() / "data" / "1kenor04");
    Tfrm04* index = open();
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("data\\1kenor04"), std::string::npos);
    EXPECT_TRUE(shown(index->rows1).empty()) << "the headings come after the lists";
}

TEST_F(TopicIndexTest, EscLeavesFromTheScreenAndFromTheList)
{
    Tfrm04* index = open();
    QTest::keyClick(index->lst1, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(Tfrm04::instance);
}

} // namespace
} // namespace ovta
