// The book shelf frm49: the spine under the pointer lights up, a spine
// opens the book screen with its own CurrentItem, the keys step through
// the twelve spines and the close button, and the shelf takes the pointer
// and keys again once the book is left.
#include <QTest>
#include <gtest/gtest.h>

#include "books/frm49.h"
#include "books/shelf_layout.h"
#include "reading/reading_test_support.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"
#include "store/content_dir.h"

namespace ovta {
namespace {

// Stands in for the book screen: records the book it was opened with.
class TBookStandIn : public Screen, public ScreenKind<TBookStandIn> {
public:
    static constexpr const char* Kind = "frm410";
    static inline std::vector<int> openedWith;

    TBookStandIn() : Screen(Kind) {}
    void FormCreate() override { openedWith.push_back(globals().CurrentItem); }
    void FormKeyDown(int key) override
    {
        if (key == 27)
            release();
    }
};

class ShelfTest : public test::ReadingTest {
protected:
    void SetUp() override
    {
        ReadingTest::SetUp();
        saved_ = registeredOpener("frm410");
        registerScreen("frm410", [] { openScreen<TBookStandIn>(); });
        TBookStandIn::openedWith.clear();
    }
    void TearDown() override
    {
        if (saved_)
            registerScreen("frm410", saved_);
        else
            unregisterScreen("frm410");
        ReadingTest::TearDown();
    }

    static Screen* top() { return ScreenStack::instance().top(); }
    static std::string topKind() { return top() ? top()->kind() : ""; }

    Tfrm49* openShelf()
    {
        Tfrm49* shelf = openScreen<Tfrm49>();
        settle();
        return shelf;
    }

    // Leaves the book screen on top by its Esc.
    void leaveBook()
    {
        ASSERT_EQ(topKind(), "frm410");
        QTest::keyClick(top(), Qt::Key_Escape);
        settle();
    }

    static ImageControl* spine(Tfrm49* shelf, const char* name)
    {
        return shelf->findChild<ImageControl*>(QLatin1String(name));
    }

    // What a spine shows while lit: the lit shelf's part under it.
    static QImage litPart(Tfrm49* shelf, ImageControl* s)
    {
        return shelf->Image1->picture()
            .copy(s->geometry().translated(-shelf->Image1->pos()))
            .toImage();
    }

private:
    std::function<void()> saved_;
};

TEST_F(ShelfTest, EachSpineOpensItsBookAndTheShelfComesBack)
{
    const struct {
        const char* spine;
        int item;
    } cases[] = {{"Image2", 5},  {"Image3", 8},   {"Image4", 4},   {"Image5", 6},
                 {"Image6", 7},  {"Image7", 3},   {"Image8", 0},   {"Image9", 1},
                 {"Image10", 2}, {"Image11", 10}, {"Image12", 11}, {"Image13", 9}};
    Tfrm49* shelf = openShelf();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spine);
        globals().CurrentItem = -1;
        QTest::mouseClick(spine(shelf, c.spine), Qt::LeftButton);
        settle();
        EXPECT_EQ(topKind(), "frm410");
        EXPECT_EQ(globals().CurrentItem, c.item);
        ASSERT_FALSE(TBookStandIn::openedWith.empty());
        EXPECT_EQ(TBookStandIn::openedWith.back(), c.item) << "set before the book is created";
        EXPECT_FALSE(shelf->released()) << "the shelf stays open under the book";
        leaveBook();
        EXPECT_EQ(top(), shelf);
    }
    EXPECT_EQ(TBookStandIn::openedWith.size(), 12u);
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(ShelfTest, TheSpineUnderThePointerIsLit)
{
    Tfrm49* shelf = openShelf();
    ASSERT_FALSE(shelf->Image1->picture().isNull()) << "the lit shelf is a layout picture";
    EXPECT_LT(z(shelf->Image1), z(shelf->m1)) << "kept behind the shelf";
    EXPECT_EQ(shelf->highlighted(), nullptr);

    ImageControl* first = spine(shelf, "Image4");
    ImageControl* second = spine(shelf, "Image11");
    hover(first);
    EXPECT_EQ(shelf->highlighted(), first);
    EXPECT_EQ(first->picture().toImage(), litPart(shelf, first));

    hover(second, QPoint(3, 5));
    EXPECT_EQ(shelf->highlighted(), second);
    EXPECT_TRUE(first->picture().isNull()) << "the spine lit before goes out";
    EXPECT_EQ(second->picture().toImage(), litPart(shelf, second));
    EXPECT_NE(litPart(shelf, first), litPart(shelf, second));

    hover(shelf->m1, QPoint(20, 20));
    EXPECT_EQ(shelf->highlighted(), nullptr) << "the ground takes the light away";
    EXPECT_TRUE(second->picture().isNull());
}

TEST_F(ShelfTest, KeysStepThroughTheSpinesAndTheCloseButton)
{
    test::FakePointer* pointer = useFakePointer();
    Tfrm49* shelf = openShelf();
    ASSERT_EQ(shelf->nav().count(), 13);
    for (int step = 1; step <= 14; ++step) {
        SCOPED_TRACE(step);
        QTest::keyClick(shelf, step % 2 ? Qt::Key_Down : Qt::Key_Tab);
        const int position = (step - 1) % 13 + 1;
        EXPECT_EQ(Tfrm49::state().keyPosition, position);
        if (position <= 12) {
            ImageControl* s = shelf->spines[static_cast<std::size_t>(position - 1)];
            EXPECT_EQ(s->objectName(), QStringLiteral("Image%1").arg(position + 1));
            EXPECT_EQ(pointer->at, s->mapToGlobal(QPoint(s->width() / 2, s->height() / 2)));
            EXPECT_EQ(shelf->highlighted(), s) << "the light follows the keys";
            EXPECT_LT(z(shelf->m2), z(shelf->m1)) << "the close button is not lit";
        } else {
            LabelControl* close = shelf->l2;
            EXPECT_EQ(pointer->at,
                      close->mapToGlobal(QPoint(close->width() / 2, close->height() / 2)));
            EXPECT_EQ(shelf->highlighted(), nullptr);
            EXPECT_GT(z(shelf->m2), z(shelf->m1)) << "the close button is lit";
        }
    }
    QTest::keyClick(shelf, Qt::Key_Up);
    EXPECT_EQ(Tfrm49::state().keyPosition, 13) << "Up from the first spine wraps to close";
    QTest::keyClick(shelf, Qt::Key_Left);
    QTest::keyClick(shelf, Qt::Key_Right);
    EXPECT_EQ(Tfrm49::state().keyPosition, 13) << "Left and Right do nothing";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(ShelfTest, EnterOpensTheSpineUnderThePointerAndKeysWorkAfterTheBook)
{
    useFakePointer();
    Tfrm49* shelf = openShelf();
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(shelf, Qt::Key_Down);
    QTest::keyClick(shelf, Qt::Key_Return);
    settle();
    EXPECT_EQ(topKind(), "frm410");
    EXPECT_EQ(globals().CurrentItem, 0) << "Image8, the seventh spine, holds the untagged book 0";
    leaveBook();
    ASSERT_EQ(top(), shelf);
    EXPECT_EQ(Tfrm49::state().keyPosition, 7);

    QTest::keyClick(shelf, Qt::Key_Down);
    EXPECT_EQ(shelf->highlighted(), spine(shelf, "Image9"));
    QTest::keyClick(shelf, Qt::Key_Return);
    settle();
    EXPECT_EQ(topKind(), "frm410");
    EXPECT_EQ(globals().CurrentItem, 1);
    leaveBook();

    QTest::keyClick(shelf, Qt::Key_Up);
    QTest::keyClick(shelf, Qt::Key_Up);
    QTest::keyClick(shelf, Qt::Key_Up);
    QTest::keyClick(shelf, Qt::Key_Return);
    settle();
    EXPECT_EQ(topKind(), "frm410");
    EXPECT_EQ(globals().CurrentItem, 7) << "three Ups back from Image9: Image6";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(ShelfTest, EnterOffTheSpinesOpensNothing)
{
    test::FakePointer* pointer = useFakePointer();
    Tfrm49* shelf = openShelf();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(shelf, Qt::Key_Down);
    // The shelf's ground and the board under the books are no target: the
    // walk ends with no position, and Enter clicks nothing.
    for (QPoint at : {QPoint(600, 40), QPoint(300, 366)}) {
        SCOPED_TRACE(at.x());
        pointer->at = shelf->mapToGlobal(at);
        QTest::keyClick(shelf, Qt::Key_Return);
        EXPECT_EQ(Tfrm49::state().keyPosition, 0);
        EXPECT_EQ(top(), shelf);
    }
    QTest::keyClick(shelf, Qt::Key_Down);
    EXPECT_EQ(Tfrm49::state().keyPosition, 1) << "the next Down starts at the first spine";
    EXPECT_TRUE(TBookStandIn::openedWith.empty());
}

TEST_F(ShelfTest, EscTheCloseButtonAndEnterOnItLeave)
{
    useFakePointer();
    const struct {
        const char* how;
        std::function<void(Tfrm49*)> leave;
    } cases[] = {
        {"Esc", [](Tfrm49* s) { QTest::keyClick(s, Qt::Key_Escape); }},
        {"close button", [](Tfrm49* s) { QTest::mouseClick(s->l2, Qt::LeftButton); }},
        {"Up and Enter",
         [](Tfrm49* s) {
             QTest::keyClick(s, Qt::Key_Up);
             QTest::keyClick(s, Qt::Key_Return);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        QPointer<Tfrm49> shelf = openShelf();
        c.leave(shelf);
        EXPECT_TRUE(shelf->released());
        settle();
        EXPECT_TRUE(shelf.isNull());
        EXPECT_NE(topKind(), "frm49");
    }
    EXPECT_TRUE(TBookStandIn::openedWith.empty());
}

TEST_F(ShelfTest, TheCloseButtonLightsAndGoesOutOnActivation)
{
    Tfrm49* shelf = openShelf();
    EXPECT_LT(z(shelf->m2), z(shelf->m1));
    hover(shelf->l2);
    EXPECT_GT(z(shelf->m2), z(shelf->m1));
    EXPECT_GT(z(shelf->l2), z(shelf->m2)) << "the button stays clickable over its picture";
    hover(shelf->m1, QPoint(600, 20));
    EXPECT_LT(z(shelf->m2), z(shelf->m1));

    // A jump between the close button and a spine (the keys move the
    // pointer so) puts out what it left.
    hover(shelf->l2);
    hover(shelf->spines[3]);
    EXPECT_LT(z(shelf->m2), z(shelf->m1));
    EXPECT_EQ(shelf->highlighted(), shelf->spines[3]);
    hover(shelf->l2);
    EXPECT_GT(z(shelf->m2), z(shelf->m1));
    EXPECT_EQ(shelf->highlighted(), nullptr);

    hover(shelf->l2);
    globals().CurrentItem = 3;
    openKind("frm410");
    settle();
    leaveBook();
    EXPECT_LT(z(shelf->m2), z(shelf->m1)) << "activation puts the lit close button away";
    hover(shelf->l2);
    EXPECT_GT(z(shelf->m2), z(shelf->m1)) << "and the next pass lights it again";
}

} // namespace
} // namespace ovta
