// The about screen: its credit scroller over "data\kenor001", its band, its
// exit highlight and its ways out.
#include <QTest>
#include <gtest/gtest.h>

#include "sections/about.h"
#include "sections/home_test_support.h"

namespace ovta {
namespace {

class AboutTest : public test::HomeTest {
protected:
    Tfabout* openAbout()
    {
        openKind("fabout");
        return Tfabout::instance.data();
    }

    std::vector<std::string> slotTexts(Tfabout* about) const
    {
        std::vector<std::string> texts;
        for (LabelControl* label : about->creditSlots)
            texts.push_back(label->glyphText());
        return texts;
    }

    static int z(QWidget* w) { return w->parentWidget()->children().indexOf(w); }
};

TEST_F(AboutTest, CreditLinesPassUpwardsThroughTheSlotsAndWrap)
{
    content.write("data\\kenor001", "L0\r\nL1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\n");
    Tfabout* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->size(), QSize(640, 480));
    EXPECT_TRUE(about->Timer1->enabled());
    EXPECT_EQ(about->Timer1->interval(), 10) << "the first lines come at once";

    about->Timer1->fire();
    EXPECT_EQ(about->Timer1->interval(), 1300);
    EXPECT_EQ(slotTexts(about), (std::vector<std::string>{"L0", "L1", "L2", "L3", "L4"}));
    // Every slot is bold (the bold glyph face), the last one smaller and red.
    for (std::size_t i = 0; i < about->creditSlots.size(); ++i) {
        const LabelControl* slot = about->creditSlots[i];
        const bool last = i + 1 == about->creditSlots.size();
        EXPECT_EQ(slot->glyphFace(), GlyphFace::Glyf02) << i;
        EXPECT_EQ(slot->glyphSize(), last ? -21 : -24) << i;
        EXPECT_EQ(slot->textColor(), last ? QColor(Qt::red) : QColor(Qt::yellow)) << i;
    }
    for (int i = 0; i < 3; ++i)
        about->Timer1->fire();
    EXPECT_EQ(slotTexts(about), (std::vector<std::string>{"L3", "L4", "L5", "L6", ""}));
    for (int i = 0; i < 3; ++i)
        about->Timer1->fire();
    EXPECT_EQ(slotTexts(about), (std::vector<std::string>{"L6", "", "", "", ""}));
    about->Timer1->fire();
    EXPECT_EQ(slotTexts(about)[0], "L0") << "after the last line the list starts again";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(AboutTest, TheFrameShowsThreeSlotsAndATopSliverOfTheFourth)
{
    content.write("data\\kenor001", "a\r\n");
    Tfabout* about = openAbout();
    const int frameHeight = about->Panel4->height();
    EXPECT_EQ(about->Panel4->geometry(), QRect(152, 272, 349, 109));
    EXPECT_LT(about->creditSlots[2]->geometry().bottom(), frameHeight);
    EXPECT_EQ(frameHeight - about->creditSlots[3]->geometry().top(), 5);
    EXPECT_GE(about->creditSlots[4]->geometry().top(), frameHeight);
    for (LabelControl* slot : about->creditSlots)
        EXPECT_EQ(slot->parentWidget(), about->Panel4) << "the frame clips its slots";
}

TEST_F(AboutTest, EmptyCreditsClearEverySlot)
{
    content.write("data\\kenor001", "");
    Tfabout* about = openAbout();
    for (int i = 0; i < 3; ++i) {
        about->Timer1->fire();
        EXPECT_EQ(slotTexts(about), (std::vector<std::string>(5)));
    }
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(AboutTest, MissingCreditsAreReportedOnceAndTheBandStillRuns)
{
    Tfabout* about = openAbout();
    ASSERT_NE(about, nullptr);
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("data\\kenor001"), std::string::npos) << errors->shown()[0];
    EXPECT_FALSE(about->Timer1->enabled()) << "the credits never scroll";
    EXPECT_TRUE(about->Timer2->enabled());
    for (int i = 0; i < 5; ++i)
        about->Timer2->fire();
    EXPECT_EQ(about->band().frame(), 225);
    EXPECT_EQ(errors->shown().size(), 1u);
}

TEST_F(AboutTest, BandShowsTwentyFiveSlicesClippedToItsLabel)
{
    content.write("data\\kenor001", "a\r\n");
    Tfabout* about = openAbout();
    EXPECT_EQ(about->Timer2->interval(), 1);
    EXPECT_EQ(about->band().frame(), 230);
    const QImage strip = about->m1->picture().toImage();
    ASSERT_EQ(strip.size(), QSize(2997, 100));
    about->Timer2->fire();
    EXPECT_EQ(about->Timer2->interval(), 200);
    EXPECT_EQ(about->band().frame(), 229);
    const QImage band = about->pan->grab().toImage();
    ASSERT_EQ(band.size(), QSize(311, 102));
    // Cell n shows slice 204 + n on the first tick.
    for (int n : {1, 12, 24}) {
        for (int dx : {0, 7, 11}) {
            const int x = 13 * (n - 1) + dx;
            EXPECT_EQ(band.pixel(x, 50), strip.pixel(13 * (204 + n) + dx, 50)) << n << " " << dx;
        }
    }
    // Cell 24 ends at column 311, and cell 25 is cut off entirely.
    EXPECT_EQ(band.pixel(310, 99), strip.pixel(13 * 228 + 11, 99));
    EXPECT_EQ(band.pixelColor(100, 101), QColor(Qt::black)) << "below the strip's 100 rows";

    // Deactivation does not stop the band: the screen has no such handler.
    openStandIn("frm99");
    EXPECT_TRUE(about->Timer2->enabled());
}

TEST_F(AboutTest, ExitHighlightFollowsThePointerAndLeaves)
{
    content.write("data\\kenor001", "a\r\n");
    Tfalam1* menu = openMenu();
    QTest::mouseClick(menu->Image2, Qt::LeftButton);
    Tfabout* about = Tfabout::instance.data();
    ASSERT_TRUE(about);
    EXPECT_LT(z(about->Image2), z(about->Image1)) << "hidden behind the background at first";
    QTest::mouseMove(about->Label1, QPoint(30, 30));
    EXPECT_GT(z(about->Image2), z(about->Image1));
    EXPECT_EQ(Tfabout::state().hoverFlag, 1);
    QTest::mouseMove(about->Image1, QPoint(400, 220));
    EXPECT_LT(z(about->Image2), z(about->Image1));
    EXPECT_EQ(Tfabout::state().hoverFlag, 0);

    QTest::mouseMove(about->Label1, QPoint(30, 30));
    QPointer<Tfabout> guard = about;
    QTest::mouseClick(about->Image2, Qt::LeftButton);
    settle();
    EXPECT_FALSE(guard);
    EXPECT_EQ(top(), menu);
    EXPECT_TRUE(menu->timers[0]->enabled());

    QTest::mouseClick(menu->Image2, Qt::LeftButton);
    guard = Tfabout::instance.data();
    EXPECT_EQ(Tfabout::state().hoverFlag, 0) << "creation resets the flag";
    QTest::keyClick(guard, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(guard);
    EXPECT_EQ(top(), menu);
}

}  // namespace
}  // namespace ovta
