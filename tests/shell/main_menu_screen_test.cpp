// The main menu: hover pictures and z-order, section labels, activation of
// the animations, the music loop, Esc, and the title table it loads.
#include <QTest>
#include <gtest/gtest.h>

#include "shell/stand_in.h"
#include "support/fake_media_player.h"
#include "shell/main_menu.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"
#include "support/shell_fixture.h"

namespace ovta {
namespace {

class MainMenuTest : public test::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        content.write("data\\kenor002", "one\r\ntwo\r\nthree\r\n");
        knowMedia("data1\\kenor.wav", 5000);
    }

    Tfalam1* openMenu()
    {
        Tfalam1* menu = createScreen<Tfalam1>();
        menu->showScreen();
        return menu;
    }

    // Stacking position among the menu's children (higher is in front).
    static int z(QWidget* w) { return w->parentWidget()->children().indexOf(w); }

    FakeMediaPlayer* music() { return players.empty() ? nullptr : players.back(); }

    void hover(QWidget* control)
    {
        QTest::mouseMove(control, control->rect().center());
        QApplication::processEvents();
    }
};

TEST_F(MainMenuTest, CreationLoadsTheTitleTableAndHidesTheHighlights)
{
    Tfalam1* menu = openMenu();
    EXPECT_EQ(globals().titleTable.entry(1), "one");
    EXPECT_EQ(globals().titleTable.entry(3), "three");
    EXPECT_EQ(globals().titleTable.entry(4), "");
    for (QWidget* highlight : {static_cast<QWidget*>(menu->Image1), static_cast<QWidget*>(menu->Image2),
                               static_cast<QWidget*>(menu->Image5)})
        EXPECT_LT(z(highlight), z(menu->m1)) << highlight->objectName().toStdString();
    EXPECT_EQ(menu->size(), QSize(640, 480));
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(MainMenuTest, SectionLabelsArePlacedAndOpenTheirHomes)
{
    Tfalam1* menu = openMenu();
    const struct {
        int tag;
        QRect geometry;
        const char* opens;
    } cases[] = {
        {1, {64, 88, 131, 100}, "frm41"},  {2, {64, 222, 131, 100}, "frm51"},
        {3, {64, 357, 131, 100}, "frm01"}, {4, {267, 88, 131, 100}, "frm31"},
        {5, {267, 222, 131, 100}, "frm21"}, {6, {267, 357, 131, 100}, "frm11"},
        {7, {477, 88, 131, 100}, "frm61"}, {8, {477, 222, 131, 100}, "frm71"},
        {9, {477, 357, 131, 100}, "frm81"},
    };
    for (const auto& c : cases) {
        LabelControl* label = menu->sections[static_cast<std::size_t>(c.tag - 1)];
        EXPECT_EQ(label->Tag, c.tag);
        EXPECT_EQ(label->geometry(), c.geometry) << c.tag;
        EXPECT_GT(z(label), z(menu->m1)) << c.tag;
        traceCapture->lines.clear();
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(60, 50));
        EXPECT_TRUE(hasTrace(std::string("ovta: open ") + c.opens)) << c.tag;
        Screen* home = ScreenStack::instance().top();
        ASSERT_NE(home, menu) << c.tag;
        EXPECT_STREQ(home->kind(), c.opens);
        QTest::keyClick(home, Qt::Key_Escape);
        settle();
        EXPECT_EQ(ScreenStack::instance().top(), menu) << c.tag;
    }
}

TEST_F(MainMenuTest, HoverAreasBringTheirHighlightsForwardOnce)
{
    Tfalam1* menu = openMenu();
    hover(menu->Label4);
    EXPECT_GT(z(menu->Image5), z(menu->m1)) << "exit highlight shown";
    EXPECT_EQ(Tfalam1::state().exitFlag, 1);
    // A second pass does not bring it forward again.
    menu->Image5->sendToBack();
    hover(menu->Label4);
    EXPECT_LT(z(menu->Image5), z(menu->m1));

    menu->Image5->bringToFront();
    hover(menu->m1);
    EXPECT_LT(z(menu->Image5), z(menu->m1)) << "background sends it back";
    EXPECT_EQ(Tfalam1::state().exitFlag, 0);

    hover(menu->Label2);
    EXPECT_GT(z(menu->Image1), z(menu->m1));
    EXPECT_GT(z(menu->Label2), z(menu->Image1)) << "the title area stays clickable above its picture";
    hover(menu->sections[4]);
    EXPECT_LT(z(menu->Image1), z(menu->m1)) << "a section label cleans up too";

    hover(menu->Label3);
    EXPECT_GT(z(menu->Image2), z(menu->m1));
    EXPECT_EQ(Tfalam1::state().aboutFlag, 1);
    traceCapture->lines.clear();
    QTest::mouseClick(menu->Image2, Qt::LeftButton);
    EXPECT_TRUE(hasTrace("ovta: open fabout")) << "the about picture takes the click";
}

TEST_F(MainMenuTest, AnimationsRunOnlyWhileTheMenuIsActive)
{
    Tfalam1* menu = openMenu();
    for (Timer* t : menu->timers) {
        EXPECT_TRUE(t->enabled());
        EXPECT_EQ(t->interval(), 1) << "first frame at once";
    }
    menu->timers[2]->fire();
    EXPECT_EQ(menu->timers[2]->interval(), 400);
    EXPECT_EQ(Tfalam1::state().frames[2].frame(), 24);

    openStandIn("frm41");
    for (Timer* t : menu->timers)
        EXPECT_FALSE(t->enabled());
    EXPECT_TRUE(menu->Timer12->enabled()) << "the music goes on under other screens";

    // Take the home off the stack as its release does, and look before any
    // 1 ms tick has had a chance to run.
    QPointer<TStandIn> home = TStandIn::instance;
    ScreenStack::instance().remove(home);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_TRUE(menu->timers[i]->enabled());
        EXPECT_EQ(menu->timers[i]->interval(), 1);
        EXPECT_EQ(Tfalam1::state().frames[i].frame(), 25) << "restart from the first frame";
    }
    delete home;
}

TEST_F(MainMenuTest, AnimationTickDrawsTheStripOnTheLabel)
{
    Tfalam1* menu = openMenu();
    QPixmap strip(333, 100);
    strip.fill(Qt::red);
    menu->strips[0]->setPicture(strip);
    menu->timers[0]->fire();
    const QImage drawn = menu->sections[0]->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(5, 50), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(129, 50), QColor(Qt::red));
    EXPECT_NE(drawn.pixelColor(130, 50), QColor(Qt::red)) << "ten 13-pixel cells cover 130 columns";
}

TEST_F(MainMenuTest, MusicStartsOnTheSecondTickAndLoops)
{
    Tfalam1* menu = openMenu();
    ASSERT_TRUE(music());
    EXPECT_TRUE(menu->Timer12->enabled());
    menu->Timer12->fire();
    EXPECT_TRUE(music()->log().isEmpty());
    EXPECT_FALSE(menu->ms1->isVisible());
    menu->Timer12->fire();
    EXPECT_EQ(music()->log(), QStringList({"open data1\\kenor.wav", "play"}));
    EXPECT_TRUE(menu->ms1->isVisible());
    EXPECT_FALSE(menu->ms2->isVisible());

    EXPECT_TRUE(menu->Timer12->enabled());

    // From the third tick on the player tells the end: nothing to poll.
    music()->clearLog();
    menu->Timer12->fire();
    EXPECT_FALSE(menu->Timer12->enabled()) << "the timer sleeps while the piece plays";
    EXPECT_TRUE(music()->log().isEmpty()) << "no replay while the piece plays";
    music()->advance(4999);
    EXPECT_TRUE(music()->log().isEmpty());
    // The end itself starts the piece again, at once and without a tick.
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        music()->clearLog();
        music()->advance(round == 1 ? 1 : 5000);
        EXPECT_EQ(music()->log(), QStringList({"setPosition 0", "play"}));
        EXPECT_TRUE(music()->playing());
        EXPECT_EQ(music()->position(), 0);
        EXPECT_FALSE(menu->Timer12->enabled());
    }
    EXPECT_TRUE(errors->shown().empty());
}

// A piece shorter than the wait for the third tick, or one that ended while
// nobody listened: the third tick finds it at its end and starts it again.
TEST_F(MainMenuTest, TheThirdTickLoopsAPieceThatEndedBeforeIt)
{
    knowMedia("data1\\kenor.wav", 100);
    Tfalam1* menu = openMenu();
    menu->Timer12->fire();
    menu->Timer12->fire();
    music()->onFinished(nullptr); // the end goes unheard
    music()->advance(150);
    music()->clearLog();
    menu->Timer12->fire();
    EXPECT_EQ(music()->log(), QStringList({"setPosition 0", "play"}));
    EXPECT_FALSE(menu->Timer12->enabled());
}

TEST_F(MainMenuTest, MusicIconsSwitchTheMusicOffAndOn)
{
    Tfalam1* menu = openMenu();
    menu->Timer12->fire();
    menu->Timer12->fire();
    menu->Timer12->fire();
    music()->advance(1200);
    music()->clearLog();
    QTest::mouseClick(menu->ms1, Qt::LeftButton);
    EXPECT_FALSE(menu->ms1->isVisible());
    EXPECT_TRUE(menu->ms2->isVisible());
    EXPECT_FALSE(music()->playing());
    music()->advance(5000);
    menu->Timer12->fire();
    EXPECT_FALSE(music()->playing()) << "the loop does not restart paused music";
    EXPECT_EQ(music()->position(), 1200);
    QTest::mouseClick(menu->ms2, Qt::LeftButton);
    EXPECT_TRUE(menu->ms1->isVisible());
    EXPECT_FALSE(menu->ms2->isVisible());
    EXPECT_TRUE(music()->playing());
    EXPECT_EQ(music()->position(), 1200) << "plays on from where it stopped";
    EXPECT_EQ(music()->log(), QStringList({"pause", "resume"}));

    // Resumed, the piece still loops at its end; the tick the resume woke
    // finds it playing and sleeps again.
    menu->Timer12->fire();
    EXPECT_FALSE(menu->Timer12->enabled());
    music()->clearLog();
    music()->advance(3800);
    EXPECT_EQ(music()->log(), QStringList({"setPosition 0", "play"}));
}

// The end that came just as the music was switched off (the player had
// already stopped at it) is not lost: switching on starts the piece again.
TEST_F(MainMenuTest, MusicSwitchedOnAtTheEndStartsAgain)
{
    Tfalam1* menu = openMenu();
    for (int i = 0; i < 3; ++i)
        menu->Timer12->fire();
    menu->ms1Click();
    music()->setPosition(5000); // stopped at the end, as a late end does
    menu->Timer12->fire();
    EXPECT_FALSE(music()->playing()) << "switched off";
    music()->clearLog();
    menu->ms2Click();
    EXPECT_TRUE(menu->Timer12->enabled());
    menu->Timer12->fire();
    EXPECT_EQ(music()->log(), QStringList({"resume", "setPosition 0", "play"}));
    EXPECT_TRUE(music()->playing());
    EXPECT_FALSE(menu->Timer12->enabled());
}

TEST_F(MainMenuTest, MissingMusicIsReportedOnceAndTheIconsStayHidden)
{
    knowMedia("data1\\kenor.wav", -1);
    Tfalam1* menu = openMenu();
    for (int i = 0; i < 10; ++i)
        menu->Timer12->fire();
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("kenor.wav"), std::string::npos) << errors->shown()[0];
    EXPECT_FALSE(menu->ms1->isVisible());
    EXPECT_FALSE(menu->ms2->isVisible());
    EXPECT_FALSE(menu->Timer12->enabled());
}

TEST_F(MainMenuTest, SuspendAndResumeTheMusicForAnotherSoundScreen)
{
    Tfalam1* menu = openMenu();
    menu->Timer12->fire();
    menu->Timer12->fire();
    music()->clearLog();
    menu->suspendMusic();
    EXPECT_FALSE(menu->Timer12->enabled());
    EXPECT_FALSE(music()->isOpen());
    music()->advance(10000);
    EXPECT_EQ(music()->log(), QStringList({"close"})) << "nothing restarts while suspended";
    menu->resumeMusic();
    EXPECT_TRUE(menu->Timer12->enabled());
    EXPECT_EQ(music()->log(), QStringList({"close", "open data1\\kenor.wav", "play"}));
    // The tick the resume woke goes back to sleep; the end loops as before.
    menu->Timer12->fire();
    EXPECT_FALSE(menu->Timer12->enabled());
    music()->clearLog();
    music()->advance(5000);
    EXPECT_EQ(music()->log(), QStringList({"setPosition 0", "play"}));
    music()->clearLog();

    // Switched off before: reopened but silent.
    QTest::mouseClick(menu->ms1, Qt::LeftButton);
    menu->suspendMusic();
    music()->clearLog();
    menu->resumeMusic();
    EXPECT_EQ(music()->log(), QStringList({"open data1\\kenor.wav"}));
    menu->Timer12->fire();
    music()->advance(10000);
    EXPECT_EQ(music()->log(), QStringList({"open data1\\kenor.wav"}));
    EXPECT_FALSE(music()->playing());
    EXPECT_TRUE(errors->shown().empty());
}

// A piece that fails part way is given up: reported once, the icons go, and
// neither the timer nor an end brings it back.
TEST_F(MainMenuTest, MusicThatFailsWhilePlayingIsGivenUp)
{
    Tfalam1* menu = openMenu();
    menu->Timer12->fire();
    music()->addFailing("data1\\kenor.wav", 5000, 700);
    menu->Timer12->fire();
    menu->Timer12->fire();
    music()->advance(1000);
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("kenor.wav"), std::string::npos) << errors->shown()[0];
    EXPECT_FALSE(menu->ms1->isVisible());
    EXPECT_FALSE(menu->ms2->isVisible());
    EXPECT_FALSE(menu->Timer12->enabled());
    music()->clearLog();
    menu->Timer12->fire();
    EXPECT_TRUE(music()->log().isEmpty());
    EXPECT_EQ(errors->shown().size(), 1u);
}

TEST_F(MainMenuTest, EscEndsTheRunFromAnyKeyboardPosition)
{
    Tfalam1* menu = openMenu();
    for (int downs : {0, 1, 5, 12}) {
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        terminateRequests = 0;
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_EQ(terminateRequests, 1) << downs;
    }
    terminateRequests = 0;
    QTest::mouseClick(menu->Image5, Qt::LeftButton);
    EXPECT_EQ(terminateRequests, 1);
}

TEST_F(MainMenuTest, MissingTitleFileIsReportedOnceAndTheMenuWorks)
{
    std::filesystem::remove(content.path() / "data" / "kenor002");
    Tfalam1* menu = openMenu();
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("data\\kenor002"), std::string::npos);
    EXPECT_EQ(globals().titleTable.filled(), 0);
    for (LabelControl* label : menu->sections)
        ASSERT_NE(label, nullptr);
    QTest::mouseClick(menu->sections[0], Qt::LeftButton);
    EXPECT_TRUE(hasTrace("ovta: open frm41"));
}

TEST_F(MainMenuTest, CreditsOpenModallyFromTheTitleArea)
{
    Tfalam1* menu = openMenu();
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        Screen* dialog = ScreenStack::instance().top();
        sawDialog = dialog && dialog != menu && dialog->isModal();
        if (sawDialog)
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(menu->Label2, Qt::LeftButton);
    EXPECT_TRUE(sawDialog);
    EXPECT_TRUE(hasTrace("ovta: open frm22"));
    EXPECT_EQ(ScreenStack::instance().top(), menu);
}

}  // namespace
}  // namespace ovta
