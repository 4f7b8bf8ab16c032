// Keyboard hot-spot navigation on the section homes and the main menu, with
// a pointer the platform does not move (the position kept by us) and with
// the real pointer. The screens sit centred on a 1024x768 backdrop, so a
// screen-relative centre taken as a desktop point would miss every target.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "sections/home_test_support.h"
#include "shell/pointer_mark.h"

namespace ovta {
namespace {

class KeyboardNavTest : public test::HomeTest {
protected:
    // The desktop point the keys must put the pointer on for a panel.
    static QPoint panelCentre(SectionHome* home, const char* panel)
    {
        return centreOf(home->panel(panel));
    }
};

TEST_F(KeyboardNavTest, DownCyclesThroughTheFourPositionsOfFrm51)
{
    test::FakePointer* fake = useFakePointer();
    SectionHome* home = openHome("frm51");
    ASSERT_NE(home->pos(), QPoint(0, 0)) << "the screen must not sit at the desktop's corner";
    const struct {
        int position;
        const char* panel;
        QPoint screenCentre; // left + width div 2, top + height div 2
    } steps[] = {{1, "Panel2", {32, 144}},
                 {2, "Panel9", {416, 128}},
                 {3, "Panel1", {352, 192}},
                 {4, "Panel3", {31, 448}},
                 {1, "Panel2", {32, 144}}};
    for (const auto& step : steps) {
        QTest::keyClick(home, Qt::Key_Down);
        EXPECT_EQ(Tfrm51::state().keyPosition, step.position);
        EXPECT_EQ(fake->at, home->mapToGlobal(step.screenCentre)) << step.panel;
        EXPECT_EQ(fake->at, panelCentre(home, step.panel));
    }
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(KeyboardNavTest, UpAndTabFromAFreshScreen)
{
    test::FakePointer* fake = useFakePointer();
    SectionHome* home = openHome("frm51");
    QTest::keyClick(home, Qt::Key_Up);
    EXPECT_EQ(Tfrm51::state().keyPosition, 4) << "the first Up goes to the exit";
    EXPECT_EQ(fake->at, panelCentre(home, "Panel3"));
    QTest::keyClick(home, Qt::Key_Up);
    EXPECT_EQ(Tfrm51::state().keyPosition, 3);
    QTest::keyClick(home, Qt::Key_Tab);
    EXPECT_EQ(Tfrm51::state().keyPosition, 4);
    QTest::keyClick(home, Qt::Key_Backtab);
    EXPECT_EQ(Tfrm51::state().keyPosition, 1) << "Shift+Tab also moves forward";
}

TEST_F(KeyboardNavTest, DownThenEnterOpensTheTopicListAsAClickWould)
{
    useFakePointer();
    const struct {
        int downs;
        int item;
    } cases[] = {{3, 7}, {4, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.downs);
        SectionHome* home = openHome("frm01");
        for (int i = 0; i < c.downs; ++i)
            QTest::keyClick(home, Qt::Key_Down);
        globals().CurrentItem = 0;
        QTest::keyClick(home, Qt::Key_Return);
        EXPECT_EQ(topKind(), "frm02");
        EXPECT_EQ(globals().CurrentItem, c.item);
        escape();
        EXPECT_EQ(top(), home);
        EXPECT_EQ(Tfrm01::state().keyPosition, c.downs) << "Enter leaves the position where it was";
        escape();
    }
}

TEST_F(KeyboardNavTest, EnterOnTheBackgroundRunsTheCurrentPosition)
{
    test::FakePointer* fake = useFakePointer();
    SectionHome* home = openHome("frm01");
    fake->at = home->mapToGlobal(QPoint(600, 20));
    QTest::keyClick(home, Qt::Key_Return);
    EXPECT_EQ(top(), home) << "no position yet: nothing happens";

    QTest::keyClick(home, Qt::Key_Down);
    QTest::keyClick(home, Qt::Key_Down);
    fake->at = home->mapToGlobal(QPoint(600, 20));
    globals().CurrentItem = 0;
    QTest::keyClick(home, Qt::Key_Enter);
    EXPECT_EQ(topKind(), "frm05") << "position 2 is Image13";
    EXPECT_EQ(globals().CurrentItem, 2);
}

TEST_F(KeyboardNavTest, EnterOverAHotSpotTakesItsPosition)
{
    test::FakePointer* fake = useFakePointer();
    SectionHome* home = openHome("frm01");
    QTest::keyClick(home, Qt::Key_Down);
    fake->at = panelCentre(home, "Panel7"); // Image1, position 11
    QTest::keyClick(home, Qt::Key_Return);
    EXPECT_EQ(topKind(), "frm04");
    escape();
    EXPECT_EQ(Tfrm01::state().keyPosition, 11);
    QTest::keyClick(home, Qt::Key_Down);
    EXPECT_EQ(fake->at, panelCentre(home, "Panel2")) << "Down goes on from the hot spot entered";
}

TEST_F(KeyboardNavTest, EnterInsideTheHiddenPanoramaDoesNothing)
{
    const struct {
        const char* kind;
        QPoint inside;
    } cases[] = {{"frm01", {548, 288}}, {"frm41", {590, 270}}, {"frm61", {520, 300}}};
    test::FakePointer* fake = useFakePointer();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        SectionHome* home = openHome(c.kind);
        QTest::keyClick(home, Qt::Key_Down);
        QTest::keyClick(home, Qt::Key_Down);
        fake->at = home->mapToGlobal(c.inside);
        QTest::keyClick(home, Qt::Key_Return);
        EXPECT_EQ(top(), home);
        QTest::keyClick(home, Qt::Key_Down);
        EXPECT_EQ(fake->at, panelCentre(home, home->settings().order[0]))
            << "the walk set the position to 0; Down starts again at 1";
        escape();
    }
}

TEST_F(KeyboardNavTest, MovingAwayFromTheExitRestoresItsPicture)
{
    useFakePointer();
    SectionHome* home = openHome("frm71");
    QTest::keyClick(home, Qt::Key_Up);
    EXPECT_EQ(Tfrm71::state().keyPosition, 5);
    EXPECT_EQ(colourOf(home->Image5), test::kHoverColour) << "the pointer's arrival lights it";
    EXPECT_EQ(Tfrm71::state().exitHover, 1);
    QTest::keyClick(home, Qt::Key_Down);
    EXPECT_EQ(colourOf(home->Image5), test::kNormalColour);
    EXPECT_EQ(Tfrm71::state().exitHover, 0);

    // Enter on the exit leaves, like a click.
    QTest::keyClick(home, Qt::Key_Up);
    QPointer<SectionHome> guard = home;
    QTest::keyClick(home, Qt::Key_Return);
    EXPECT_TRUE(guard->released());
}

// The hover clean-up follows every key, the modifier keys too: a hot spot
// lit by the pointer goes out when a key is pressed elsewhere.
TEST_F(KeyboardNavTest, AModifierKeyAloneEndsAHoverTheKeysAreNotOn)
{
    useFakePointer();
    for (Qt::Key modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}) {
        SCOPED_TRACE(modifier);
        SectionHome* home = openHome("frm71");
        QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), home->Image5->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(home->Image5, &over);
        ASSERT_EQ(Tfrm71::state().exitHover, 1);
        QTest::keyClick(home, modifier);
        EXPECT_EQ(Tfrm71::state().exitHover, 0);
        EXPECT_EQ(colourOf(home->Image5), test::kNormalColour);
        escape();

        Tfalam1* menu = openMenu();
        menu->Label2MouseMove();
        ASSERT_EQ(Tfalam1::state().titleFlag, 1);
        QTest::keyClick(menu, modifier);
        EXPECT_EQ(Tfalam1::state().titleFlag, 0);
        delete menu;
        settle();
    }
}

TEST_F(KeyboardNavTest, LeftAndRightChangeNothing)
{
    test::FakePointer* fake = useFakePointer();
    SectionHome* home = openHome("frm31");
    QTest::keyClick(home, Qt::Key_Down);
    QTest::keyClick(home, Qt::Key_Down);
    const auto moves = fake->moves.size();
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Left})
        QTest::keyClick(home, k);
    EXPECT_EQ(Tfrm31::state().keyPosition, 2);
    EXPECT_EQ(fake->moves.size(), moves);
    EXPECT_EQ(top(), home);
}

TEST_F(KeyboardNavTest, RealPointerLandsOnTheTargetAndEnterFollowsIt)
{
    SectionHome* home = openHome("frm01");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(home, Qt::Key_Down);
    EXPECT_EQ(QCursor::pos(), panelCentre(home, "Panel11"));
    EXPECT_EQ(pointer().pos(), QCursor::pos());
    globals().CurrentItem = 0;
    QTest::keyClick(home, Qt::Key_Return);
    EXPECT_EQ(topKind(), "frm02");
    EXPECT_EQ(globals().CurrentItem, 7);
}

// Where no program may move the pointer (Wayland), the keys never ask the
// platform to: the kept position is drawn with the pointer shape of the hot
// spot there, hover follows it, and the user's own move takes over.
TEST_F(KeyboardNavTest, WhereThePointerCannotMoveTheKeptPositionIsDrawn)
{
    setPointer(std::make_unique<SystemPointer>(false));
    SectionHome* home = openHome("frm51");
    const QPoint before = QCursor::pos();
    QTest::keyClick(home, Qt::Key_Down);
    EXPECT_EQ(QCursor::pos(), before) << "the platform was asked to move the pointer";
    EXPECT_EQ(pointer().pos(), panelCentre(home, "Panel2"));
    PointerMark* mark = PointerMark::shown();
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->hotSpotAt(), backdrop->mapFromGlobal(panelCentre(home, "Panel2")));
    const QCursor* hand = pointerShape(2);
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(mark->picture().toImage(), hand->pixmap().toImage())
        << "the hot spot's own pointer shape";
    EXPECT_TRUE(mark->testAttribute(Qt::WA_TransparentForMouseEvents));

    QTest::keyClick(home, Qt::Key_Down);
    EXPECT_EQ(PointerMark::shown()->hotSpotAt(),
              backdrop->mapFromGlobal(panelCentre(home, "Panel9")));
    // The user moves the mouse: the real pointer is back, the mark goes.
    QTest::mouseMove(backdrop, QPoint(5, 5));
    settle();
    EXPECT_EQ(PointerMark::shown(), nullptr);
    setPointer(nullptr);
}

TEST_F(KeyboardNavTest, MainMenuPositionsAndEnter)
{
    test::FakePointer* fake = useFakePointer();
    content.write("data\\kenor001", "credits\r\n");
    Tfalam1* menu = openMenu();
    QTest::keyClick(menu, Qt::Key_Down);
    EXPECT_EQ(fake->at, centreOf(menu->Image5));
    EXPECT_EQ(Tfalam1::state().exitFlag, 1) << "the exit area under the pointer lights the exit";
    QTest::keyClick(menu, Qt::Key_Down);
    EXPECT_EQ(fake->at, centreOf(menu->Label2));
    EXPECT_EQ(Tfalam1::state().exitFlag, 0) << "cleaned up after the key";
    EXPECT_EQ(Tfalam1::state().titleFlag, 1);

    const struct {
        int downs; // from position 2
        const char* opens;
    } cases[] = {{4, "frm01"}, {1, "fabout"}, {10, "frm81"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opens);
        Tfalam1::state().keyPosition = 2;
        for (int i = 0; i < c.downs; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        EXPECT_EQ(topKind(), c.opens);
        escape();
        EXPECT_EQ(top(), menu);
    }
    // Off every target the menu's background takes Enter and nothing happens.
    fake->at = menu->mapToGlobal(QPoint(230, 300));
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(top(), menu);
    EXPECT_EQ(terminateRequests, 0);
}

}  // namespace
}  // namespace ovta
