// The intro: plays the video to its end or is skipped, then the main menu.
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include "support/fake_media_player.h"
#include "shell/intro.h"
#include "shell/main_menu.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"
#include "support/shell_fixture.h"

namespace ovta {
namespace {

class IntroTest : public test::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        content.write("data\\kenor002", "t\r\n");
        knowMedia("data1\\kenor.wav", 5000);
    }

    void start(long long videoMs)
    {
        knowMedia("data1\\kenor.avi", videoMs);
        intro = createScreen<Tfirstflc>();
        video = players.back();
        menu = createScreen<Tfalam1>();
        intro->showScreen();
    }

    bool menuOnTop() const { return menu && ScreenStack::instance().top() == menu; }

    Tfirstflc* intro = nullptr;
    Tfalam1* menu = nullptr;
    FakeMediaPlayer* video = nullptr;
};

TEST_F(IntroTest, PlaysTheVideoInItsPanelAndLeavesAtItsEnd)
{
    start(3000);
    EXPECT_EQ(intro->size(), QSize(640, 480));
    EXPECT_EQ(video->display(), intro->p1);
    EXPECT_TRUE(intro->Timer1->enabled());
    EXPECT_EQ(intro->Timer1->interval(), 100);
    intro->Timer1->fire();
    EXPECT_EQ(video->log(), QStringList({"setDisplay p1", "open data1\\kenor.avi", "play"}));
    video->advance(2900);
    intro->Timer1->fire();
    EXPECT_EQ(ScreenStack::instance().top(), intro) << "still playing";
    video->advance(100);
    intro->Timer1->fire();
    EXPECT_FALSE(intro->Timer1->enabled());
    EXPECT_FALSE(video->isOpen());
    EXPECT_TRUE(menuOnTop());
    EXPECT_EQ(intro->tickCounter(), 2);
    QPointer<Tfirstflc> watch = intro;
    settle();
    EXPECT_FALSE(watch) << "released";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(IntroTest, ClickEscOrEnterSkipsToTheEnd)
{
    enum Skip { ClickStill, ClickPanel, ClickBackground, Esc, Enter };
    for (Skip skip : {ClickStill, ClickPanel, ClickBackground, Esc, Enter}) {
        start(60000);
        intro->Timer1->fire();
        video->advance(500);
        switch (skip) {
        case ClickStill: QTest::mouseClick(intro->Image1, Qt::LeftButton); break;
        case ClickPanel: QTest::mouseClick(intro->p1, Qt::LeftButton); break;
        case ClickBackground: intro->FormClick(); break;
        case Esc: QTest::keyClick(intro, Qt::Key_Escape); break;
        case Enter: QTest::keyClick(intro, Qt::Key_Return); break;
        }
        EXPECT_EQ(video->position(), 60000) << skip;
        EXPECT_FALSE(menuOnTop()) << "the next tick leaves, not the skip itself: " << skip;
        intro->Timer1->fire();
        EXPECT_TRUE(menuOnTop()) << skip;
        EXPECT_TRUE(errors->shown().empty()) << skip;
        settle();
        delete menu;
    }
}

TEST_F(IntroTest, SkipBeforeTheVideoOpensGoesStraightToTheMenu)
{
    start(3000);
    QTest::keyClick(intro, Qt::Key_Escape);
    EXPECT_TRUE(errors->shown().empty());
    intro->Timer1->fire();
    EXPECT_TRUE(menuOnTop());
    EXPECT_FALSE(video->log().contains("open data1\\kenor.avi"));
}

TEST_F(IntroTest, MissingVideoIsReportedOnceThenTheMenu)
{
    start(-1);
    intro->Timer1->fire();
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("kenor.avi"), std::string::npos) << errors->shown()[0];
    EXPECT_TRUE(menuOnTop());
    EXPECT_FALSE(intro->Timer1->enabled());
    intro->Timer1->fire();
    EXPECT_EQ(errors->shown().size(), 1u);
}

// The error box runs a loop of its own while the intro's timer tick is
// still running: the released intro must outlive it.
TEST_F(IntroTest, MissingVideoWithTheErrorBoxUpKeepsTheIntroUntilTheTickEnds)
{
    errors->spinWhileShown();
    start(-1);
    QPointer<Tfirstflc> watch = intro;
    bool hiddenDuringBox = false;
    errors->spinWhileShown([&] {
        hiddenDuringBox = watch && !watch->isVisible() &&
                          !ScreenStack::instance().contains(watch.data()) && menuOnTop();
    });
    intro->Timer1->fire();
    EXPECT_TRUE(hiddenDuringBox) << "gone from sight and from the stack while the box is up";
    ASSERT_TRUE(watch) << "still there when the tick ends";
    EXPECT_EQ(errors->shown().size(), 1u);
    settle();
    EXPECT_FALSE(watch);
    EXPECT_TRUE(menuOnTop());
}

// The still is the run's first picture, stored in a format of its own.
TEST_F(IntroTest, TheStillFillsTheScreen)
{
    start(3000);
    const QImage still = intro->Image1->picture().toImage();
    ASSERT_EQ(still.size(), QSize(640, 480));
    // Painted, not an empty frame: more than one colour across it.
    const QRgb corner = still.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < still.height() && !varied; y += 16)
        for (int x = 0; x < still.width() && !varied; x += 16)
            varied = still.pixel(x, y) != corner;
    EXPECT_TRUE(varied);
}

TEST_F(IntroTest, TheIntroSetsNoCaption)
{
    start(3000);
    EXPECT_TRUE(intro->caption().isEmpty());
}

}  // namespace
}  // namespace ovta
