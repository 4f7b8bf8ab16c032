// The column strip of the tree-book screens: column 1 and its arrows, opening
// headings, scrolling a column, the strip arrows, held arrows, the magnifier,
// the path caption, and leaving every screen.
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "books/book_screen_support.h"
#include "books/frm43.h"
#include "books/frm63.h"

namespace ovta {
namespace {

using test::Heading;
using test::outline;

class BookStripTest : public test::BookScreenTest {
protected:
    Tfrm14* frm14(const std::vector<Heading>& headings)
    {
        book(BookScreen::Frm14, 0, headings);
        return open<Tfrm14>();
    }

    static std::vector<std::string> names(std::initializer_list<int> nodes)
    {
        std::vector<std::string> out;
        for (int n : nodes)
            out.push_back("n" + std::to_string(n));
        return out;
    }

    // The pixel colour of the icon beside row j of column k: which picture file it shows.
    static int iconShown(BookViewer* v, int k, int j)
    {
        const QImage img = v->strip().icons[k - 1][j - 1]->picture().toImage();
        return img.isNull() ? 0 : qRed(img.pixel(0, 0)) / 40;
    }
};

TEST_F(BookStripTest, AFewLevelOneHeadingsFillColumnOneWithoutArrows)
{
    Tfrm14* v = frm14(outline({1, 1, 1, 1, 1}));
    EXPECT_EQ(captions(v, 1), names({1, 2, 3, 4, 5}));
    EXPECT_FALSE(arrowsShown(v, 1));
    v->mdpClick(1);
    EXPECT_EQ(captions(v, 1), names({1, 2, 3, 4, 5})) << "five entries never scroll";
    for (int k = 2; k <= 10; ++k)
        EXPECT_TRUE(captions(v, k).empty()) << k;
    EXPECT_EQ(v->strip().Panel2->x(), -1110);
    EXPECT_EQ(iconShown(v, 1, 1), 3) << "a heading without children shows the leaf icon";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(BookStripTest, AMissingIconIsReportedOnceTheStripIsDrawn)
{
    std::filesystem::remove(content.path() / "data1" / "1" / "3.bmp");
    Tfrm14* v = frm14(outline({1, 2, 1}));
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("3.bmp"), std::string::npos) << errors->shown()[0];
    EXPECT_EQ(captions(v, 1), names({1, 3})) << "every row is drawn all the same";
    EXPECT_EQ(iconShown(v, 1, 1), 1);
    clickRow(v, 1, 1);
    EXPECT_EQ(captions(v, 2), names({2}));
    EXPECT_EQ(errors->shown().size(), 2u) << "the leaf of column 2 names it again";
}

TEST_F(BookStripTest, SevenEntriesScrollToTheirLastFive)
{
    Tfrm14* v = frm14(outline({1, 1, 1, 1, 1, 1, 1}));
    ASSERT_TRUE(arrowsShown(v, 1));
    MouseImage* down = v->strip().downArrows[0];
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(captions(v, 1), names({3, 4, 5, 6, 7}));
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(captions(v, 1), names({3, 4, 5, 6, 7})) << "top 2 is the last";
    QTest::mouseClick(v->strip().upArrows[0], Qt::LeftButton);
    EXPECT_EQ(captions(v, 1), names({2, 3, 4, 5, 6}));
}

TEST_F(BookStripTest, OpeningHeadingsFillsTheNextColumn)
{
    // n1 (n2, n3), n4 (n5), n6 with a grandchild after it only.
    Tfrm14* v = frm14(outline({1, 2, 2, 1, 2, 1, 3, 2}));
    EXPECT_EQ(iconShown(v, 1, 1), 1);
    EXPECT_EQ(iconShown(v, 1, 3), 3) << "the next node is two levels deeper: leaf icon";
    clickRow(v, 1, 1);
    EXPECT_EQ(captions(v, 2), names({2, 3}));
    EXPECT_EQ(iconShown(v, 1, 1), 2) << "open";
    EXPECT_EQ(row(v, 1, 1)->textColor(), BookStrip::Red);
    EXPECT_EQ(v->lcap->text(), "n1");

    clickRow(v, 1, 1);
    EXPECT_EQ(captions(v, 2), names({2, 3})) << "the open row again changes nothing";

    clickRow(v, 1, 2);
    EXPECT_EQ(iconShown(v, 1, 1), 1) << "the row opened before is closed again";
    EXPECT_EQ(row(v, 1, 1)->textColor(), BookStrip::Blue);
    EXPECT_EQ(captions(v, 2), names({5}));

    clickRow(v, 1, 3);
    EXPECT_EQ(captions(v, 2), names({8})) << "the grandchild is passed over";
    clickRow(v, 2, 1);
    EXPECT_TRUE(captions(v, 3).empty()) << "a leaf empties the next column";
    EXPECT_FALSE(arrowsShown(v, 3));
    EXPECT_EQ(v->lcap->text(), "n8 // n6");
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(BookStripTest, ScrollingColumnOneAfterADeepPathClosesEverythingAfterIt)
{
    std::vector<Heading> headings = outline({1, 2, 3, 4, 1, 1, 1, 1, 1});
    headings[1].x = 1; // n2 has articles
    const BookFileNames f = book(BookScreen::Frm14, 0, headings);
    test::writeArticles(content, BookScreen::Frm14, f, {{1, 2}}, 2);
    auto* v = open<Tfrm14>();
    clickRow(v, 1, 1);
    clickRow(v, 2, 1);
    EXPECT_EQ(test::BookScreenTest::articleRows(v), (std::vector<std::string>{"a1", "a2"}));
    clickRow(v, 3, 1);
    EXPECT_EQ(captions(v, 4), names({4}));
    const std::string path = v->lcap->text();
    EXPECT_EQ(path, "n3 // n2 // n1");

    QTest::mouseClick(v->strip().downArrows[0], Qt::LeftButton);
    EXPECT_EQ(captions(v, 1), names({5, 6, 7, 8, 9}));
    for (int k = 2; k <= 10; ++k)
        EXPECT_TRUE(captions(v, k).empty()) << k;
    for (int j = 1; j <= 5; ++j)
        EXPECT_EQ(row(v, 1, j)->textColor(), BookStrip::Blue);
    EXPECT_EQ(v->lcap->text(), path) << "the path keeps the old headings";
    EXPECT_TRUE(articleRows(v).empty()) << "the pane is empty";
}

TEST_F(BookStripTest, StripArrowsMoveOnlyAsFarAsTheDeepestColumnShown)
{
    Tfrm14* v = frm14(outline({1, 2, 3, 4, 5}));
    QWidget* strip = v->strip().Panel2;
    v->m2->click();
    v->m3->click();
    EXPECT_EQ(strip->x(), -1110) << "position 3, deepest column 1: both refuse";
    clickRow(v, 1, 1);
    clickRow(v, 2, 1);
    QTest::mouseClick(v->m2, Qt::LeftButton);
    EXPECT_EQ(strip->x(), -939);
    QTest::mouseClick(v->m2, Qt::LeftButton);
    EXPECT_EQ(strip->x(), -939) << "column 4 not shown yet";
    QTest::mouseClick(v->m3, Qt::LeftButton);
    EXPECT_EQ(strip->x(), -1110);
    QTest::mouseClick(v->m3, Qt::LeftButton);
    EXPECT_EQ(strip->x(), -1110);
}

TEST_F(BookStripTest, AHeldArrowRepeatsUntilReleased)
{
    Tfrm14* v = frm14(outline(std::vector<int>(20, 1)));
    MouseImage* down = v->strip().downArrows[0];
    QTest::mousePress(down, Qt::RightButton);
    EXPECT_FALSE(v->t1->enabled()) << "only the left button repeats";
    QTest::mouseRelease(down, Qt::RightButton);

    QTest::mousePress(down, Qt::LeftButton);
    EXPECT_TRUE(v->t1->enabled());
    EXPECT_FALSE(down->picture().isNull()) << "the pressed picture";
    EXPECT_EQ(captions(v, 1).front(), "n1") << "the press itself does not move";
    for (int i = 0; i < 3; ++i)
        v->t1->fire();
    EXPECT_EQ(captions(v, 1).front(), "n4");
    QTest::mouseRelease(down, Qt::LeftButton);
    EXPECT_FALSE(v->t1->enabled());
    EXPECT_TRUE(down->picture().isNull());
    EXPECT_EQ(captions(v, 1).front(), "n5") << "the click that ends the press moves once more";
    v->t1->fire();
    EXPECT_EQ(captions(v, 1).front(), "n5");
}

TEST_F(BookStripTest, TheMagnifierShowsACaptionTooWideForItsRow)
{
    ASSERT_TRUE(installFonts());
    std::vector<Heading> headings = outline({1, 1});
    headings[0].title = std::string(40, 'h');
    Tfrm14* v = frm14(headings);
    LabelControl* wide = row(v, 1, 1);
    LabelControl* magnifier = v->strip().magnifier().label();
    hover(wide);
    EXPECT_EQ(magnifier->glyphText(), headings[0].title);
    EXPECT_EQ(magnifier->geometry().right(), wide->geometry().right());
    EXPECT_EQ(magnifier->y(), wide->y());
    EXPECT_GT(magnifier->width(), wide->width());

    hover(row(v, 1, 2));
    EXPECT_TRUE(magnifier->glyphText().empty()) << "a caption that fits hides it";
    hover(wide);
    EXPECT_EQ(magnifier->glyphText(), headings[0].title);
    hover(v->strip().Panel2, QPoint(1540, 148));
    EXPECT_LT(magnifier->y(), 0) << "the strip's background hides it";
}

TEST_F(BookStripTest, ThePathCaptionWrapsWhenTooWide)
{
    ASSERT_TRUE(installFonts());
    std::vector<Heading> headings = outline({1, 2, 3, 1});
    for (Heading& h : headings)
        h.title = "word " + std::string(30, 'w') + " " + std::to_string(h.level);
    headings[3].title = "x";
    Tfrm7* v = (book(BookScreen::Frm7, 1, headings), open<Tfrm7>(1));
    clickRow(v, 1, 1);
    EXPECT_EQ(v->lcap->rows().size(), 1u) << "one title fits";
    clickRow(v, 2, 1);
    clickRow(v, 3, 1);
    ASSERT_EQ(v->lcap->rows().size(), 2u);
    EXPECT_EQ(v->lcap->rows()[0].back(), '1')
        << "the first line ends with the first column's title";
    v->lablstClick(1);
    EXPECT_TRUE(v->lcap->text().empty()) << "frm7 empties the path with column 1";
}

TEST_F(BookStripTest, ColumnTenPathOfFrm14StartsAtColumnOneUnwrapped)
{
    ASSERT_TRUE(installFonts());
    std::vector<Heading> headings;
    for (int level = 1; level <= 10; ++level)
        headings.push_back({level, std::string(20, 'a' + level - 1)});
    Tfrm14* v = frm14(headings);
    for (int k = 1; k <= 9; ++k)
        clickRow(v, k, 1);
    EXPECT_EQ(captions(v, 10).size(), 1u);
    ASSERT_EQ(v->lcap->rows().size(), 1u) << "not wrapped, however wide";
    EXPECT_EQ(v->lcap->text().substr(0, 20), headings[0].title);
    clickRow(v, 10, 1);
    EXPECT_TRUE(errors->shown().empty()) << "a row of column 10 does nothing";
}

TEST_F(BookStripTest, TheExitShowsItsLitPictureWhileThePointerIsOverIt)
{
    Tfrm14* v = frm14(outline({1, 1}));
    EXPECT_LT(z(v->m6), z(v->m1)) << "kept behind the background at first";
    hover(v->Label1);
    EXPECT_GT(z(v->m6), z(v->m1));
    EXPECT_GT(z(v->Label1), z(v->m6)) << "the hot spot stays in front of its picture";
    EXPECT_EQ(Tfrm14::state().exitHover, 1);
    hover(v->lcap);
    EXPECT_LT(z(v->m6), z(v->m1)) << "the path caption ends the hover";
    hover(v->Label1);
    hover(v->strip().Panel2, QPoint(1540, 148));
    EXPECT_EQ(Tfrm14::state().exitHover, 0) << "so does the strip";
    hover(v->Label1);
    QPointer<Tfrm14> alive = v;
    QTest::mouseClick(v->Label1, Qt::LeftButton);
    settle();
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(Tfrm14::state().exitHover, 1) << "the flag outlives the screen";
    Tfrm14* again = open<Tfrm14>();
    EXPECT_EQ(again, Tfrm14::instance.data());
    EXPECT_EQ(Tfrm14::state().exitHover, 0) << "and is reset when the kind is created again";
}

// Esc leaves each screen, through whichever control has the keys.
TEST_F(BookStripTest, EscLeavesEveryBookScreen)
{
    knowMedia("data1\\kenor01.wav", 60000);
    book(BookScreen::Frm14, 0, outline({1}));
    book(BookScreen::Frm64, 0, outline({1}));
    book(BookScreen::Frm43, 1, outline({1}));
    book(BookScreen::Frm7, 1, outline({1}));
    book(BookScreen::Frm63, 0, outline({1}));
    book(BookScreen::Frm410, 0, outline({1}));
    const std::vector<std::function<BookViewer*()>> screens = {
        [this] { return open<Tfrm14>(); },  [this] { return open<Tfrm64>(); },
        [this] { return open<Tfrm43>(1); }, [this] { return open<Tfrm7>(1); },
        [this] { return open<Tfrm63>(); },  [this] { return open<Tfrm410>(); },
    };
    for (const auto& opener : screens) {
        QPointer<BookViewer> v = opener();
        ASSERT_EQ(top(), v.data());
        QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : v.data();
        QTest::keyClick(keys, Qt::Key_Escape);
        settle();
        EXPECT_TRUE(v.isNull()) << v->kind();
    }
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(BookStripTest, EveryBookKindIsRegistered)
{
    for (const char* kind : {"frm14", "frm64", "frm43", "frm7", "frm63", "frm410"})
        EXPECT_TRUE(hasScreen(kind)) << kind;
}

} // namespace
} // namespace ovta
