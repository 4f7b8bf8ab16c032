// The page viewer frm62 as the user meets it: the red frame following the
// pointer over the index, a press opening a chapter's first page over the
// whole screen, the button bar with its pressed pictures and its stops,
// back to the index, Esc, and pages that are missing or damaged.
#include <QBuffer>
#include <QImage>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "shell/frame_shape.h"
#include "pages/frm62.h"
#include "pages/page_fixture.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"
#include "support/shell_fixture.h"

namespace ovta {
namespace {

// Each page picture is a small plain bitmap of a colour of its own, so
// what the screen shows tells which page it is.
QRgb pageColour(int page)
{
    return qRgb(page & 0xFF, (page >> 8) * 60 + 40, 200);
}

std::string bitmapBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

// Whether `a` is drawn over `b` (siblings: later in the child list is on top).
bool above(const QWidget* a, const QWidget* b)
{
    const QObjectList& order = a->parentWidget()->children();
    return order.indexOf(a) > order.indexOf(b);
}

class PageViewTest : public test::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        content.write(ChapterIndex::kZoneList, test::zoneRecords(zones));
        content.write(ChapterIndex::kFirstPageList, test::firstPageFields(firstPages));
        for (int page : {1,   3,   5,   7,   9,   11,  13,  17,  393, 397, 405,
                         407, 409, 411, 579, 593, 595, 597, 599, 601, 603})
            writePage(page);
    }

    void writePage(int page)
    {
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(pageColour(page));
        content.write(pagePictureName(page), bitmapBytes(image));
    }

    Tfrm62* open() { return openScreen<Tfrm62>(); }

    // A point well inside chapter k's zone.
    QPoint inside(int k) const
    {
        const ZoneRect& z = zones[static_cast<std::size_t>(k - 1)];
        return {(z.left + z.right) / 2, (z.top + z.bottom) / 2};
    }

    // The colour the screen shows at a point of the page picture.
    static QRgb shownAt(Tfrm62* view, QPoint at)
    {
        return view->grab().toImage().pixel(at);
    }

    void expectPage(Tfrm62* view, int page, int chapter, const char* what)
    {
        EXPECT_EQ(Tfrm62::position().page(), page) << what;
        EXPECT_EQ(Tfrm62::position().chapter(), chapter) << what;
        EXPECT_EQ(shownAt(view, {320, 200}), pageColour(page)) << what;
    }

    const std::vector<ZoneRect> zones = test::gridZones();
    const std::vector<int> firstPages = test::spreadFirstPages();
};

TEST_F(PageViewTest, OpensOnTheIndexWithTheBarHidden)
{
    Tfrm62* view = open();
    settle();
    EXPECT_EQ(ScreenStack::instance().top(), view);
    EXPECT_EQ(view->size(), QSize(640, 480));
    EXPECT_TRUE(view->caption().isEmpty()) << "the viewer sets no caption";
    EXPECT_FALSE(view->p1->isVisible());
    EXPECT_TRUE(above(view->m2, view->m1));
    EXPECT_EQ(view->m2->geometry(), QRect(0, 0, 640, 465));
    EXPECT_EQ(view->shp1->y(), 1000) << "no frame before the pointer comes";
    EXPECT_EQ(Tfrm62::position().page(), 1);
    EXPECT_EQ(Tfrm62::position().chapter(), 1);
    EXPECT_EQ(Tfrm62::chapters().count(), 114);
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(PageViewTest, TheFrameFollowsThePointerAndLeavesOnEdges)
{
    Tfrm62* view = open();
    settle();
    // Chapter 30: column 1, row 6 (left 388, top 134).
    QTest::mouseMove(view->m2, inside(30));
    EXPECT_EQ(view->shp1->geometry(), QRect(388, 134, 126, 19));
    EXPECT_TRUE(view->m2->testAttribute(Qt::WA_SetCursor)) << "the pointing hand over a zone";
    EXPECT_EQ(shownAt(view, {388, 134}), qRgb(255, 0, 0)) << "the frame's corner is drawn red";
    EXPECT_EQ(shownAt(view, {388 + 125, 152}), qRgb(255, 0, 0));

    // Over the frame itself the pointer still reaches the index picture.
    QTest::mouseMove(view->m2, {389, 140});
    EXPECT_EQ(view->shp1->geometry(), QRect(388, 134, 126, 19));

    // On a zone's edge: out of sight, the arrow again; the frame keeps its left.
    QTest::mouseMove(view->m2, {450, 134});
    EXPECT_EQ(view->shp1->geometry(), QRect(388, 1000, 126, 19));
    EXPECT_FALSE(view->m2->testAttribute(Qt::WA_SetCursor));

    // A zone of another height gives the frame its height, not its width.
    content.write(ChapterIndex::kZoneList, test::zoneRecords({{10, 20, 60, 90}}) +
                                               test::zoneRecords({zones.begin() + 1, zones.end()}));
    view->lg7Click();
    settle();
    view = open();
    QTest::mouseMove(view->m2, {30, 50});
    EXPECT_EQ(view->shp1->geometry(), QRect(10, 20, 126, 70));
    EXPECT_TRUE(errors->shown().empty());
}

// A damaged zone list may give edges as far apart as 8-character fields go.
TEST_F(PageViewTest, AZoneAsLargeAsTheNumbersGoStillFramesSafely)
{
    content.write(ChapterIndex::kZoneList,
                  test::zoneRecords({{-9999999, -9999999, 99999999, 99999999}}) +
                      test::zoneRecords({zones.begin() + 1, zones.end()}));
    Tfrm62* view = open();
    settle();
    QTest::mouseMove(view->m2, {300, 300});
    EXPECT_EQ(view->shp1->geometry(), QRect(-9999999, -9999999, 126, QWIDGETSIZE_MAX));
    QTest::mousePress(view->m2, Qt::LeftButton, {}, {300, 300});
    expectPage(view, 1, 1, "chapter 1 opens");
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(PageViewTest, APressOnAZoneOpensItsFirstPageOverTheScreen)
{
    Tfrm62* view = open();
    settle();
    QTest::mousePress(view->m2, Qt::LeftButton, {}, {514, 30});
    EXPECT_FALSE(view->p1->isVisible()) << "a press on an edge opens nothing";
    EXPECT_TRUE(above(view->m2, view->m1));

    QTest::mouseMove(view->m2, inside(101));
    QTest::mousePress(view->m2, Qt::LeftButton, {}, inside(101));
    expectPage(view, 411, 101, "chapter 101");
    EXPECT_TRUE(view->p1->isVisible());
    EXPECT_EQ(view->p1->geometry(), QRect(174, 432, 292, 42));
    EXPECT_TRUE(above(view->m1, view->m2));
    EXPECT_TRUE(above(view->m1, view->shp1)) << "the frame goes behind with the index";
    EXPECT_TRUE(above(view->p1, view->m1)) << "the bar stays over the page";
    // The picture fills 640x465, whatever its own size.
    EXPECT_EQ(shownAt(view, {0, 0}), pageColour(411));
    EXPECT_EQ(shownAt(view, {639, 464}), pageColour(411));
    EXPECT_NE(shownAt(view, {20, 470}), pageColour(411)) << "below 465 the page ends";
    EXPECT_TRUE(hasTrace("ovta: page frm62 page=411 chapter=101"));
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(PageViewTest, TheBarPagesAndJumpsWithItsStops)
{
    Tfrm62* view = open();
    settle();
    QTest::mousePress(view->m2, Qt::LeftButton, {}, inside(1));
    expectPage(view, 1, 1, "chapter 1");
    QTest::mouseClick(view->lg3, Qt::LeftButton);
    expectPage(view, 1, 1, "no page before page 1");
    QTest::mouseClick(view->lg2, Qt::LeftButton);
    expectPage(view, 1, 1, "no chapter before chapter 1");
    QTest::mouseClick(view->lg4, Qt::LeftButton);
    QTest::mouseClick(view->lg4, Qt::LeftButton);
    expectPage(view, 5, 2, "next page from chapter 1's last page");
    QTest::mouseClick(view->lg5, Qt::LeftButton);
    expectPage(view, 9, 3, "then the next chapter");
    QTest::mouseClick(view->lg3, Qt::LeftButton);
    expectPage(view, 7, 2, "back over the chapter's start");
    QTest::mouseClick(view->lg2, Qt::LeftButton);
    expectPage(view, 1, 1, "the previous chapter's start");

    view->lg6Click();
    QTest::mousePress(view->m2, Qt::LeftButton, {}, inside(114));
    expectPage(view, 593, 114, "chapter 114");
    QTest::mouseClick(view->lg5, Qt::LeftButton);
    expectPage(view, 593, 114, "no chapter after 114");
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(view->lg4, Qt::LeftButton);
    expectPage(view, 603, 114, "page 603 is the last");
    QTest::mouseClick(view->lg2, Qt::LeftButton);
    expectPage(view, 579, 113, "previous chapter from 603");
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(PageViewTest, PressedPicturesComeForwardWhileAButtonIsDown)
{
    Tfrm62* view = open();
    settle();
    QTest::mousePress(view->m2, Qt::LeftButton, {}, inside(2));
    const std::pair<LabelControl*, ImageControl*> buttons[] = {{view->lg2, view->mg2},
                                                               {view->lg5, view->mg5},
                                                               {view->lg3, view->mg3},
                                                               {view->lg4, view->mg4}};
    for (auto [button, pressed] : buttons) {
        EXPECT_TRUE(above(view->mg1, pressed)) << pressed->objectName().toStdString();
        EXPECT_EQ(pressed->geometry(), button->geometry());
        EXPECT_FALSE(pressed->picture().isNull()) << "painted with the layout";
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_TRUE(above(pressed, view->mg1)) << pressed->objectName().toStdString();
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_TRUE(above(view->mg1, pressed)) << pressed->objectName().toStdString();
    }
    EXPECT_EQ(view->mg2->toolTip(), QStringLiteral("سورة سابقة"));
    for (LabelControl* button : {view->lg2, view->lg3, view->lg4, view->lg5, view->lg6, view->lg7})
        EXPECT_TRUE(button->testAttribute(Qt::WA_SetCursor)) << "pointing hand";
}

TEST_F(PageViewTest, BackToTheIndexKeepsThePageUntilAnotherZoneOpens)
{
    Tfrm62* view = open();
    settle();
    QTest::mousePress(view->m2, Qt::LeftButton, {}, inside(3));
    QTest::mouseClick(view->lg4, Qt::LeftButton);
    QTest::mouseClick(view->lg6, Qt::LeftButton);
    EXPECT_FALSE(view->p1->isVisible());
    EXPECT_TRUE(above(view->m2, view->m1));
    EXPECT_TRUE(above(view->shp1, view->m2)) << "the frame over the index again";
    EXPECT_EQ(Tfrm62::position().page(), 11);
    EXPECT_EQ(Tfrm62::position().chapter(), 3);
    QTest::mouseMove(view->m2, inside(5));
    EXPECT_EQ(view->shp1->geometry().topLeft(), QPoint(514, 96));
    QTest::mousePress(view->m2, Qt::LeftButton, {}, inside(5));
    expectPage(view, 17, 5, "chapter 5");
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(PageViewTest, EscAndTheCloseButtonReleaseTheViewer)
{
    for (bool byKey : {true, false}) {
        Tfrm62* view = open();
        settle();
        QTest::mousePress(view->m2, Qt::LeftButton, {}, inside(1));
        if (byKey)
            QTest::keyClick(view, Qt::Key_Escape);
        else
            QTest::mouseClick(view->lg7, Qt::LeftButton);
        settle();
        EXPECT_FALSE(Tfrm62::instance) << (byKey ? "Esc" : "lg7");
        EXPECT_TRUE(hasTrace("ovta: release frm62"));
        traceCapture->lines.clear();
    }
    // A new viewer starts again on page 1 of chapter 1.
    Tfrm62* view = open();
    EXPECT_EQ(Tfrm62::position().page(), 1);
    EXPECT_FALSE(view->p1->isVisible());
    // Keys other than Esc do nothing.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Tab})
        QTest::keyClick(view, key);
    settle();
    EXPECT_TRUE(Tfrm62::instance);
    EXPECT_TRUE(errors->shown().empty());
}

// A page that cannot be shown is reported once, in the store's wording;
// the page view still comes up, empty rather than showing another page,
// and the bar goes on to the next page.
TEST_F(PageViewTest, AMissingOrDamagedPageIsReportedOnceAndTheBarStillWorks)
{
    QImage big(640, 465, QImage::Format_RGB32);
    big.fill(Qt::white);
    const std::string whole = bitmapBytes(big);
    struct Case {
        const char* what;
        std::function<void(test::FixtureDir&)> spoil; // spoils page 5
        const char* report;
    } cases[] = {
        {"missing",
         [](test::FixtureDir& d) { std::filesystem::remove(d.path() / "data1" / "page005.bmp"); },
         "\"data1\\page005.bmp\": cannot be opened."},
        {"not a picture",
         [](test::FixtureDir& d) { d.write("data1\\page005.bmp", "BM this is no bitmap"); },
         "\"data1\\page005.bmp\": is not a picture."},
        {"only its header",
         [&whole](test::FixtureDir& d) { d.write("data1\\page005.bmp", whole.substr(0, 54)); },
         "\"data1\\page005.bmp\": is not a picture."},
        {"a folder of its name",
         [](test::FixtureDir& d) {
             std::filesystem::remove(d.path() / "data1" / "page005.bmp");
             std::filesystem::create_directories(d.path() / "data1" / "page005.bmp");
         },
         "\"data1\\page005.bmp\": cannot be opened."},
    };
    for (const Case& c : cases) {
        writePage(5);
        c.spoil(content);
        errors->clear();
        Tfrm62* view = open();
        settle();
        // Opening the zone straight onto the bad page.
        QTest::mousePress(view->m2, Qt::LeftButton, {}, inside(2));
        ASSERT_EQ(errors->shown().size(), 1u) << c.what;
        EXPECT_EQ(errors->shown().front(), c.report) << c.what;
        EXPECT_TRUE(view->p1->isVisible()) << c.what;
        EXPECT_TRUE(above(view->m1, view->m2)) << c.what;
        EXPECT_TRUE(view->m1->picture().isNull()) << c.what << ": no other page shown";
        EXPECT_EQ(shownAt(view, inside(2)), qRgb(0, 0, 0)) << c.what << ": nor the index";
        EXPECT_EQ(Tfrm62::position().page(), 5) << c.what;
        EXPECT_EQ(Tfrm62::position().chapter(), 2) << c.what;
        QTest::mouseClick(view->lg4, Qt::LeftButton);
        expectPage(view, 7, 2, c.what);
        // Paging back onto it: reported once more, the bar still there.
        QTest::mouseClick(view->lg3, Qt::LeftButton);
        EXPECT_EQ(errors->shown().size(), 2u) << c.what;
        EXPECT_TRUE(view->m1->picture().isNull()) << c.what;
        QTest::mouseClick(view->lg3, Qt::LeftButton);
        expectPage(view, 3, 1, c.what);
        EXPECT_EQ(errors->shown().size(), 2u) << c.what;
        view->lg7Click();
        settle();
    }
}

TEST_F(PageViewTest, MissingChapterListsAreReportedAtCreationAndOpenNothing)
{
    std::filesystem::remove(content.path() / "data" / "1kenor68");
    Tfrm62* view = open();
    settle();
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_EQ(errors->shown().front(), "\"data\\1kenor68\": cannot be opened.");
    EXPECT_EQ(ScreenStack::instance().top(), view) << "the viewer still opens";
    QTest::mouseMove(view->m2, inside(1));
    EXPECT_EQ(view->shp1->y(), 1000);
    QTest::mousePress(view->m2, Qt::LeftButton, {}, inside(1));
    EXPECT_FALSE(view->p1->isVisible());
    QTest::keyClick(view, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(Tfrm62::instance);
    EXPECT_EQ(errors->shown().size(), 1u);
}

// The keys: arrows frame a zone on the index and Enter opens it; on a page
// Left turns to the next page (the bar's next-page button lies at the left),
// Right back, Page Down and Up likewise, Down and Up jump chapters, Home and
// End go to the ends of the work and Backspace back to the index.
TEST_F(PageViewTest, KeysFrameZonesOpenThemAndTurnPages)
{
    for (int page : {97, 99, 101})
        writePage(page);
    Tfrm62* view = open();
    settle();
    const auto key = [view](Qt::Key k) { QTest::keyClick(view, k); };
    key(Qt::Key_Return);
    EXPECT_FALSE(view->p1->isVisible()) << "Enter with no zone framed opens nothing";
    key(Qt::Key_Down);
    EXPECT_EQ(view->shp1->pos(), QPoint(514, 20)) << "the first arrow frames chapter 1";
    key(Qt::Key_Down);
    key(Qt::Key_Left);
    EXPECT_EQ(view->keyZone(), 25);
    EXPECT_EQ(view->shp1->geometry(), QRect(388, 39, 126, 19));
    key(Qt::Key_Return);
    ASSERT_TRUE(view->p1->isVisible());
    expectPage(view, 97, 25, "Enter opens the framed chapter");
    const struct {
        const char* name;
        Qt::Key key;
        int page, chapter;
    } steps[] = {{"Left", Qt::Key_Left, 99, 25},
                 {"Left into chapter 26", Qt::Key_Left, 101, 26},
                 {"Right", Qt::Key_Right, 99, 25},
                 {"Page Down", Qt::Key_PageDown, 101, 26},
                 {"Page Up", Qt::Key_PageUp, 99, 25},
                 {"Down: next chapter", Qt::Key_Down, 101, 26},
                 {"Up: previous chapter", Qt::Key_Up, 97, 25},
                 {"End", Qt::Key_End, 603, 114},
                 {"Left at the last page", Qt::Key_Left, 603, 114},
                 {"Home", Qt::Key_Home, 1, 1},
                 {"Right at the first page", Qt::Key_Right, 1, 1}};
    for (const auto& s : steps) {
        key(s.key);
        expectPage(view, s.page, s.chapter, s.name);
    }
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
    key(Qt::Key_Backspace);
    EXPECT_FALSE(view->p1->isVisible());
    key(Qt::Key_Down);
    EXPECT_EQ(view->keyZone(), 2) << "the keys go on from the chapter opened last";
    key(Qt::Key_Escape);
    settle();
    EXPECT_NE(ScreenStack::instance().top(), view);
}

} // namespace
} // namespace ovta
