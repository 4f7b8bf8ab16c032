// The credits dialog over the main menu and the overview picture over a
// section home.
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "sections/credits_dialog.h"
#include "sections/home_test_support.h"
#include "sections/overview.h"

namespace ovta {
namespace {

class PictureScreenTest : public test::HomeTest {
protected:
    static int z(QWidget* w) { return w->parentWidget()->children().indexOf(w); }
};

TEST_F(PictureScreenTest, CreditsOpenModallyAtTheirOwnSizeAndCloseByClickOrEsc)
{
    Tfalam1* menu = openMenu();
    for (bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Esc" : "click");
        bool sawDialog = false;
        QSize size;
        QPoint at;
        QTimer::singleShot(0, [&] {
            Tfrm22* dialog = Tfrm22::instance.data();
            if (!dialog)
                return;
            sawDialog = dialog->isModal() && top() == dialog;
            size = dialog->size();
            at = dialog->pos();
            if (byKey)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(dialog->Image1, Qt::LeftButton, {}, QPoint(100, 100));
        });
        QTest::mouseClick(menu->Label2, Qt::LeftButton);
        EXPECT_TRUE(sawDialog);
        EXPECT_EQ(size, QSize(349, 268));
        EXPECT_EQ(at, QPoint((1024 - 349) / 2, (768 - 268) / 2)) << "centred";
        EXPECT_EQ(top(), menu);
        EXPECT_EQ(backdrop->windowTitle(), QStringLiteral("ovta"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(Tfrm22::instance) << "one dialog per modal run";
    }
    EXPECT_TRUE(hasTrace("ovta: open frm22"));
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(PictureScreenTest, OverviewExitLightsUpAndLeavesInEveryWay)
{
    enum Way { ClickArea, DoubleClickArea, ClickHighlight, Esc };
    for (Way way : {ClickArea, DoubleClickArea, ClickHighlight, Esc}) {
        SCOPED_TRACE(static_cast<int>(way));
        SectionHome* home = openHome("frm61");
        QTest::mouseMove(home, QPoint(600, 20)); // off the exit area, wherever the last pass ended
        QTest::mouseClick(home->image("Image3"), Qt::LeftButton);
        QPointer<Tfrm24> overview = Tfrm24::instance.data();
        ASSERT_TRUE(overview);
        ASSERT_EQ(top(), overview.data());
        EXPECT_EQ(overview->size(), QSize(640, 480));
        EXPECT_LT(z(overview->m2), z(overview->m1)) << "the highlight starts hidden";

        QTest::mouseMove(overview->l1, QPoint(60, 3));
        EXPECT_GT(z(overview->m2), z(overview->l1));
        QTest::mouseMove(overview->m1, QPoint(320, 200));
        EXPECT_LT(z(overview->m2), z(overview->m1));
        QTest::mouseMove(overview->l1, QPoint(60, 3));
        EXPECT_GT(z(overview->m2), z(overview->m1)) << "no flag: every pass brings it forward";

        switch (way) {
        case ClickArea: QTest::mouseClick(overview->l1, Qt::LeftButton, {}, QPoint(60, 3)); break;
        case DoubleClickArea: {
            // Sent straight to the area: the user's first click would already have left.
            QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(60, 3),
                            overview->l1->mapToGlobal(QPointF(60, 3)), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(overview->l1, &dbl);
            break;
        }
        case ClickHighlight: QTest::mouseClick(overview->m2, Qt::LeftButton); break;
        case Esc: QTest::keyClick(overview, Qt::Key_Escape); break;
        }
        settle();
        EXPECT_FALSE(overview);
        EXPECT_EQ(top(), home);
        EXPECT_TRUE(home->Timer1->enabled()) << "the panorama runs again";
        escape();
    }
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(PictureScreenTest, OverviewRefusesASystemClose)
{
    openHome("frm11");
    QTest::mouseClick(Tfrm11::instance->image("Image3"), Qt::LeftButton);
    Tfrm24* overview = Tfrm24::instance.data();
    ASSERT_TRUE(overview);
    overview->systemClose();
    settle();
    EXPECT_EQ(top(), overview);
}

}  // namespace
}  // namespace ovta
