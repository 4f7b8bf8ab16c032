// The nine section homes: what every hot spot sets and opens, the exit and
// its hover picture, the panorama's life with the screen's activation.
#include <QPainter>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "sections/home_test_support.h"
#include "sections/overview.h"

namespace ovta {
namespace {

using test::HomeTest;

// Every hot spot of every home, as the section layouts define them:
// I sets CurrentItem, B sets CurrentBook, '-' sets nothing.
struct Spot {
    const char* kind;
    const char* image;
    char sets;
    int value;
    const char* opens;
};
const Spot kSpots[] = {
    {"frm01", "Image10", '-', 0, "frm24"}, {"frm01", "Image13", 'I', 2, "frm05"},
    {"frm01", "Image11", 'I', 7, "frm02"}, {"frm01", "Image12", 'I', 8, "frm02"},
    {"frm01", "Image2", 'I', 3, "frm02"},  {"frm01", "Image9", 'I', 6, "frm02"},
    {"frm01", "Image6", 'I', 5, "frm02"},  {"frm01", "Image7", 'I', 2, "frm02"},
    {"frm01", "Image4", 'I', 4, "frm02"},  {"frm01", "Image8", 'I', 1, "frm02"},
    {"frm01", "Image1", '-', 0, "frm04"},  {"frm01", "Image3", 'I', 1, "frm05"},
    {"frm11", "Image3", '-', 0, "frm24"},  {"frm11", "Image2", 'B', 1, "frm12"},
    {"frm11", "Image7", 'B', 2, "frm12"},  {"frm11", "Image1", 'B', 3, "frm12"},
    {"frm11", "Image4", '-', 0, "frm14"},  {"frm21", "Image3", '-', 0, "frm24"},
    {"frm21", "Image2", 'B', 8, "frm7"},   {"frm21", "Image8", 'B', 9, "frm7"},
    {"frm21", "Image9", 'B', 10, "frm7"},  {"frm21", "Image1", 'B', 11, "frm7"},
    {"frm21", "Image4", 'B', 12, "frm7"},  {"frm31", "Image12", '-', 0, "frm24"},
    {"frm31", "Image4", 'B', 5, "frm7"},   {"frm31", "Image7", 'B', 1, "frm7"},
    {"frm31", "Image6", 'B', 4, "frm7"},   {"frm31", "Image2", 'B', 2, "frm7"},
    {"frm31", "Image1", 'B', 3, "frm7"},   {"frm31", "Image11", 'I', 4, "frm33"},
    {"frm31", "Image8", 'I', 1, "frm33"},  {"frm31", "Image10", 'I', 3, "frm33"},
    {"frm31", "Image13", 'I', 5, "frm33"}, {"frm31", "Image9", 'I', 2, "frm33"},
    {"frm31", "Image3", '-', 0, "frm34"},  {"frm41", "Image16", '-', 0, "frm24"},
    {"frm41", "Image12", '-', 0, "frm47"}, {"frm41", "Image14", '-', 0, "frm45"},
    {"frm41", "Image2", 'B', 2, "frm43"},  {"frm41", "Image9", 'B', 7, "frm43"},
    {"frm41", "Image8", 'B', 9, "frm43"},  {"frm41", "Image1", 'B', 4, "frm43"},
    {"frm41", "Image7", 'B', 10, "frm43"}, {"frm41", "Image4", 'B', 6, "frm43"},
    {"frm41", "Image6", 'B', 3, "frm43"},  {"frm41", "Image11", 'B', 8, "frm43"},
    {"frm41", "Image3", 'B', 1, "frm43"},  {"frm41", "Image10", 'B', 5, "frm43"},
    {"frm41", "Image15", '-', 0, "frm49"}, {"frm51", "Image3", '-', 0, "frm24"},
    {"frm51", "Image9", 'B', 6, "frm7"},   {"frm51", "Image2", 'B', 7, "frm7"},
    {"frm61", "Image3", '-', 0, "frm24"},  {"frm61", "Image2", 'B', 13, "frm7"},
    {"frm61", "Image4", '-', 0, "frm64"},  {"frm61", "Image1", '-', 0, "frm62"},
    {"frm61", "Image8", 'I', 6, "frm33"},  {"frm61", "Image6", '-', 0, "frm63"},
    {"frm71", "Image3", '-', 0, "frm24"},  {"frm71", "Image2", 'B', 14, "frm7"},
    {"frm71", "Image9", 'B', 15, "frm7"},  {"frm71", "Image8", 'B', 16, "frm7"},
    {"frm81", "Image3", '-', 0, "frm24"},  {"frm81", "Image2", '-', 0, "frm82"},
    {"frm81", "Image9", 'B', 17, "frm7"},
};

TEST_F(HomeTest, EveryHotSpotSetsItsGlobalAndOpensItsScreen)
{
    constexpr int untouched = -5;
    std::string openKindName;
    SectionHome* home = nullptr;
    for (const Spot& s : kSpots) {
        SCOPED_TRACE(std::string(s.kind) + " " + s.image);
        if (openKindName != s.kind) {
            if (home)
                escape();
            home = openHome(s.kind);
            openKindName = s.kind;
        }
        ASSERT_NE(home, nullptr);
        ImageControl* image = home->image(s.image);
        ASSERT_NE(image, nullptr);
        globals().CurrentItem = untouched;
        globals().CurrentBook = untouched;
        QTest::mouseClick(image, Qt::LeftButton);
        EXPECT_EQ(topKind(), s.opens);
        EXPECT_EQ(globals().CurrentItem, s.sets == 'I' ? s.value : untouched);
        EXPECT_EQ(globals().CurrentBook, s.sets == 'B' ? s.value : untouched);
        EXPECT_FALSE(home->Timer1->enabled()) << "the panorama stands while a target is open";
        escape();
        EXPECT_EQ(top(), home) << "leaving the target brings the home back";
    }
    // The targets read content of their own, which this fixture does not
    // hold; what they report is theirs, not the homes'.
}

TEST_F(HomeTest, EveryHotSpotHoldsItsPictureAndShowsThePointingHand)
{
    for (const HomeSettings& settings : homeSettings()) {
        SectionHome* home = openHome(settings.kind);
        ASSERT_NE(home, nullptr) << settings.kind;
        EXPECT_EQ(home->size(), QSize(640, 480));
        EXPECT_EQ(home->m1->picture().size(), QSize(1600, 480)) << settings.kind;
        EXPECT_FALSE(home->m1->isVisible());
        std::vector<HomeHotSpot> all = settings.hotSpots;
        all.push_back(HomeExit);
        for (const HomeHotSpot& spot : all) {
            SCOPED_TRACE(std::string(settings.kind) + " " + spot.image);
            ImageControl* image = home->image(spot.image);
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(home->panel(spot.panel), image->parentWidget());
            EXPECT_EQ(image->parentWidget()->geometry(),
                      QRect(spot.place.x, spot.place.y, spot.place.w, spot.place.h));
            EXPECT_EQ(image->picture().size(), image->size()) << "a picture fills its panel";
            ASSERT_NE(pointerShape(2), nullptr);
            EXPECT_EQ(image->cursor().pixmap().toImage(), pointerShape(2)->pixmap().toImage())
                << "pointer 2";
        }
        escape();
    }
}

TEST_F(HomeTest, TheBevelledHelpPanelsFrameTheirPictures)
{
    SectionHome* home = openHome("frm31");
    EXPECT_EQ(home->panel("Panel12")->geometry(), QRect(-1, -2, 64, 291));
    EXPECT_EQ(home->image("Image12")->geometry(), QRect(1, 1, 62, 289));
    escape();
    home = openHome("frm41");
    EXPECT_EQ(home->image("Image16")->geometry(), QRect(0, 0, 64, 286));
}

TEST_F(HomeTest, ExitAndEscHideThenReleaseAndTheMenuAnimatesAgain)
{
    Tfalam1* menu = openMenu();
    for (bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Esc" : "click");
        QTest::mouseClick(menu->sections[2], Qt::LeftButton);
        QPointer<SectionHome> home = Tfrm01::instance.data();
        ASSERT_TRUE(home);
        ASSERT_EQ(top(), home.data());
        for (Timer* t : menu->timers)
            EXPECT_FALSE(t->enabled());
        traceCapture->lines.clear();
        if (byKey)
            QTest::keyClick(home, Qt::Key_Escape);
        else
            QTest::mouseClick(home->Image5, Qt::LeftButton);
        ASSERT_TRUE(home);
        EXPECT_FALSE(home->isVisible()) << "hidden at once";
        EXPECT_TRUE(home->released());
        EXPECT_FALSE(home->Timer1->enabled());
        EXPECT_EQ(top(), menu);
        for (std::size_t i = 0; i < 9; ++i) {
            EXPECT_TRUE(menu->timers[i]->enabled());
            EXPECT_EQ(menu->timers[i]->interval(), 1);
            EXPECT_EQ(Tfalam1::state().frames[i].frame(), 25);
        }
        settle();
        EXPECT_FALSE(home) << "released";
        EXPECT_TRUE(hasTrace("ovta: release frm01"));
        EXPECT_EQ(terminateRequests, 0);
    }
}

TEST_F(HomeTest, ExitHoverSwapsPicturesOnceEachWay)
{
    SectionHome* home = openHome("frm01");
    const QColor stored = colourOf(home->Image5);
    QTest::mouseMove(home->Image5, home->Image5->rect().center());
    EXPECT_EQ(colourOf(home->Image5), test::kHoverColour);
    EXPECT_EQ(Tfrm01::state().exitHover, 1);

    // Over the exit again: nothing is loaded a second time.
    home->Image5->setPicture(QPixmap());
    QTest::mouseMove(home->Image5, QPoint(5, 5));
    EXPECT_TRUE(home->Image5->picture().isNull());

    QTest::mouseMove(home, QPoint(600, 20)); // bare background
    EXPECT_EQ(colourOf(home->Image5), test::kNormalColour);
    EXPECT_EQ(Tfrm01::state().exitHover, 0);
    EXPECT_NE(stored, test::kNormalColour) << "the layout's own picture is not the content's";

    // Over another hot spot the exit keeps its picture.
    QTest::mouseMove(home->Image5, QPoint(30, 30));
    QTest::mouseMove(home->image("Image8"), QPoint(30, 30));
    EXPECT_EQ(colourOf(home->Image5), test::kHoverColour);
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(HomeTest, HoverFlagOutlivesTheInstanceButTheKeyboardPositionDoesNot)
{
    SectionHome* home = openHome("frm51");
    QTest::keyClick(home, Qt::Key_Down);
    QTest::keyClick(home, Qt::Key_Down);
    QTest::mouseMove(home->Image5, QPoint(30, 30));
    ASSERT_EQ(Tfrm51::state().exitHover, 1);
    // Leave by the mouse: any key would clean the hover up first.
    QTest::mouseClick(home->Image5, Qt::LeftButton);
    settle();

    home = openHome("frm51");
    EXPECT_EQ(Tfrm51::state().keyPosition, 0) << "a new instance starts from no position";
    EXPECT_EQ(Tfrm51::state().exitHover, 1);
    const QColor stored = colourOf(home->Image5);
    QTest::mouseMove(home->image("Image9"), QPoint(30, 30));
    QTest::mouseMove(home->Image5, QPoint(30, 30));
    EXPECT_EQ(colourOf(home->Image5), stored) << "the first pass loads no picture";
    QTest::mouseMove(home, QPoint(600, 20));
    EXPECT_EQ(colourOf(home->Image5), test::kNormalColour);
}

TEST_F(HomeTest, MissingHoverPictureIsReportedAndTheFlagStays)
{
    std::filesystem::remove(content.path() / "data1" / "kenor001.bmp");
    SectionHome* home = openHome("frm81");
    QTest::mouseMove(home->Image5, QPoint(30, 30));
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("data1\\kenor001.bmp"), std::string::npos)
        << errors->shown()[0];
    EXPECT_EQ(Tfrm81::state().exitHover, 0);
    EXPECT_EQ(top(), home) << "the home goes on";
}

// Esc while the box about the missing picture is up leaves the home; the
// hover handler that is still waiting for the box finds its home there.
TEST_F(HomeTest, AHomeLeftWhileItsErrorBoxIsUpGoesOnlyAfterTheBox)
{
    std::filesystem::remove(content.path() / "data1" / "kenor001.bmp");
    Tfalam1* menu = openMenu();
    QPointer<SectionHome> home = openHome("frm11");
    ASSERT_TRUE(home);
    bool aliveAfterEsc = false;
    errors->spinWhileShown([&] {
        home->Image5Click();
        aliveAfterEsc = home && !home->isVisible();
    });
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 30), home->Image5->mapToGlobal(QPointF(30, 30)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(home->Image5, &move);
    EXPECT_TRUE(aliveAfterEsc);
    ASSERT_TRUE(home) << "the hover handler has returned, but no event loop has run";
    EXPECT_EQ(top(), menu);
    settle();
    EXPECT_FALSE(home);
    EXPECT_EQ(errors->shown().size(), 1u);
}

TEST_F(HomeTest, PanoramaDrawsTheWholeScreenAndRunsOnlyWhileActive)
{
    SectionHome* home = openHome("frm41");
    EXPECT_TRUE(home->Timer1->enabled());
    EXPECT_EQ(home->Timer1->interval(), 1) << "first frame at once";
    EXPECT_EQ(home->panorama().frame(), 25);

    // Slice s of this strip is filled with red s * 10.
    QPixmap strip(1600, 480);
    {
        QPainter p(&strip);
        for (int s = 0; s < 25; ++s)
            p.fillRect(s * 64, 0, 64, 480, QColor(s * 10, 0, 0));
    }
    home->m1->setPicture(strip);
    EXPECT_FALSE(home->testAttribute(Qt::WA_OpaquePaintEvent))
        << "with no panorama yet, the screen's own background shows";
    home->Timer1->fire();
    EXPECT_TRUE(home->testAttribute(Qt::WA_OpaquePaintEvent))
        << "the panorama covers it all: nothing is filled under it";
    EXPECT_EQ(home->Timer1->interval(), 1000);
    EXPECT_EQ(home->panorama().frame(), 24);
    const QImage drawn = home->shownPanorama();
    ASSERT_EQ(drawn.size(), QSize(640, 480));
    for (int cell = 1; cell <= 10; ++cell) {
        // The first tick shows slices 15..24 in cells 1..10.
        EXPECT_EQ(drawn.pixelColor(64 * (cell - 1) + 32, 240).red(), (14 + cell) * 10) << cell;
    }
    EXPECT_EQ(drawn.pixelColor(639, 479).red(), 240) << "the cells cover the whole screen";
    const QImage shown = home->grab().toImage();
    EXPECT_EQ(shown.pixelColor(600, 20).red(), 240) << "drawn behind the hot spots";

    QTest::mouseClick(home->image("Image2"), Qt::LeftButton);
    EXPECT_FALSE(home->Timer1->enabled());
    // Off the stack at once, as its release does, so no tick can come between.
    Screen* target = top();
    ScreenStack::instance().remove(target);
    ASSERT_EQ(top(), home);
    EXPECT_TRUE(home->Timer1->enabled());
    EXPECT_EQ(home->Timer1->interval(), 1);
    EXPECT_EQ(home->panorama().frame(), 25) << "restarts from its first frame";
    target->release();
    settle();

    home->hideScreen();
    EXPECT_FALSE(home->Timer1->enabled()) << "hiding stops it too";
}

TEST_F(HomeTest, SystemCloseLeavesAHomeOpen)
{
    SectionHome* home = openHome("frm21");
    home->systemClose();
    settle();
    EXPECT_EQ(top(), home);
    EXPECT_EQ(backdrop->windowTitle(), QStringLiteral("ovta"));
}

}  // namespace
}  // namespace ovta
