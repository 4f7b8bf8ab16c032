// The frame every screen shares, the stack, and the central error report.
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <QTest>
#include <gtest/gtest.h>

#include "store/errors.h"
#include "shell/controls.h"
#include "shell/error_report.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"
#include "shell/timer.h"
#include "support/trace_capture.h"
#include "support/shell_fixture.h"

namespace ovta {

class TProbe : public Screen {
public:
    static constexpr const char* Kind = "probe";
    static inline QPointer<TProbe> instance;

    TProbe() : Screen(Kind)
    {
        resize(300, 200);  // design size; the frame makes it 640x480
        button = new ImageControl(this, QStringLiteral("button"), QRect(10, 10, 50, 50));
        button->onClick = [this](Control*) { ++clicks; };
    }
    void FormCreate() override { createdWith = globals().CurrentItem; }
    void FormActivate() override { ++activations; }
    void FormDeactivate() override { ++deactivations; }
    void FormKeyDown(int key) override { keys.push_back(key); }

    ImageControl* button;
    int createdWith = -1, activations = 0, deactivations = 0, clicks = 0;
    std::vector<int> keys;
};

class TSmallDialog : public Screen {
public:
    static constexpr const char* Kind = "smalldialog";
    static inline QPointer<TSmallDialog> instance;
    TSmallDialog() : Screen(Kind) { resize(200, 100); }
    void FormKeyDown(int key) override
    {
        if (key == 27)
            closeModal();
    }
    void systemClose() override { closeModal(); }

protected:
    bool keepsOwnSize() const override { return true; }
    bool setsCaption() const override { return false; }
};

namespace {

using FrameTest = test::ShellTest;

TEST_F(FrameTest, OpenedScreenIs640x480CentredOnTopWithCaption)
{
    globals().CurrentItem = 7;
    TProbe* probe = openScreen<TProbe>();
    EXPECT_EQ(TProbe::instance, probe);
    EXPECT_EQ(probe->createdWith, 7) << "creation reads the globals set before opening";
    EXPECT_EQ(probe->size(), QSize(640, 480));
    EXPECT_EQ(probe->pos(), QPoint((1024 - 640) / 2, (768 - 480) / 2));
    EXPECT_TRUE(probe->isVisible());
    EXPECT_EQ(ScreenStack::instance().top(), probe);
    EXPECT_EQ(probe->caption(), "ovta");
    EXPECT_EQ(backdrop->windowTitle(), "ovta");
    EXPECT_EQ(probe->activations, 1);
    EXPECT_TRUE(hasTrace("ovta: open probe CurrentItem=7 CurrentBook=0 ListTop=0 SearchSource=0"));
    EXPECT_TRUE(hasTrace("ovta: activate probe"));
}

// The screens refuse a close of their own, but the window is the program's
// only one: closing it ends the run through the same orderly shutdown as
// the main menu's exit, whatever screen or dialog is on top.
TEST_F(FrameTest, ClosingTheWindowEndsTheRunTheOrderlyWay)
{
    TProbe* probe = openScreen<TProbe>();
    probe->systemClose();
    settle();
    EXPECT_EQ(terminateRequests, 0) << "a screen's own close is refused";
    EXPECT_EQ(ScreenStack::instance().top(), probe);

    QCloseEvent close;
    QApplication::sendEvent(backdrop, &close);
    settle();
    EXPECT_FALSE(close.isAccepted()) << "the window stays until the shutdown removes it";
    EXPECT_EQ(terminateRequests, 1);
    EXPECT_TRUE(hasTrace("ovta: system close"));
}

TEST_F(FrameTest, ReleaseDestroysAfterTheHandlerAndActivatesTheScreenBelow)
{
    TProbe* below = openScreen<TProbe>();
    TProbe* above = openScreen<TProbe>();
    EXPECT_EQ(below->deactivations, 1);
    EXPECT_EQ(TProbe::instance, above) << "the kind's slot holds the newest instance";

    QPointer<TProbe> watch = above;
    above->release();
    // Hidden and off the stack at once, still there for the rest of the
    // running handler.
    ASSERT_TRUE(watch);
    EXPECT_FALSE(above->isVisible());
    EXPECT_FALSE(ScreenStack::instance().contains(above));
    EXPECT_EQ(ScreenStack::instance().top(), below);
    EXPECT_EQ(below->activations, 2);
    above->button->setPicture(QPixmap(4, 4));

    settle();
    EXPECT_FALSE(watch);
    EXPECT_EQ(below->activations, 2) << "activated once";
    EXPECT_TRUE(hasTrace("ovta: release probe"));
}

// A handler that releases its screen and then waits in an event loop of its
// own (an error box, a media wait, a modal dialog) comes back to a screen
// that is still there; it goes once control is back in the main loop.
TEST_F(FrameTest, AReleasedScreenOutlivesEveryLoopItsHandlerWaitsIn)
{
    errors->spinWhileShown();
    TProbe* below = openScreen<TProbe>();
    struct Case {
        const char* name;
        std::function<void(TProbe*)> handler;
    };
    const Case cases[] = {
        {"report, then touch the controls",
         [](TProbe* p) {
             p->release();
             reportError("first");
             p->button->setPicture(QPixmap(4, 4));
         }},
        {"throw after release",
         [](TProbe* p) {
             p->release();
             throw FileError("second");
         }},
        {"a nested loop of the handler's own",
         [](TProbe* p) {
             p->release();
             QEventLoop wait;
             QTimer::singleShot(30, &wait, &QEventLoop::quit);
             wait.exec();
             p->button->setPicture(QPixmap(4, 4));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TProbe* above = openScreen<TProbe>();
        QPointer<TProbe> watch = above;
        above->button->onClick = [&](Control*) { c.handler(above); };
        QTest::mouseClick(above->button, Qt::LeftButton);
        EXPECT_TRUE(watch) << "not destroyed inside the handler's loop";
        EXPECT_EQ(ScreenStack::instance().top(), below);
        settle();
        EXPECT_FALSE(watch) << "destroyed back in the event loop";
    }
    EXPECT_EQ(errors->shown(), (std::vector<std::string>{"first.", "second."}));
}

// Released outside any handler (a test, start-up), a screen still waits
// for the loop it was released from: a loop that opens meanwhile does not
// destroy it.
TEST_F(FrameTest, AScreenReleasedOutsideAHandlerWaitsForItsOwnLoop)
{
    TProbe* probe = openScreen<TProbe>();
    QPointer<TProbe> watch = probe;
    probe->release();
    QEventLoop nested;
    QTimer::singleShot(120, &nested, &QEventLoop::quit);
    nested.exec();
    EXPECT_TRUE(watch);
    // Back in the test's own loop it goes (a loaded machine may take a while).
    EXPECT_TRUE(QTest::qWaitFor([&] { return watch.isNull(); }, 5000));
}

TEST_F(FrameTest, OnlyTheTopScreenTakesInput)
{
    TProbe* below = openScreen<TProbe>();
    TProbe* above = openScreen<TProbe>();
    // The lower screen's control is covered, but even an event sent straight
    // to it must not reach its handler.
    QTest::mouseClick(below->button, Qt::LeftButton);
    EXPECT_EQ(below->clicks, 0);
    QTest::mouseClick(above->button, Qt::LeftButton);
    EXPECT_EQ(above->clicks, 1);
    // Keys go to the top screen wherever they were aimed.
    QTest::keyClick(below, Qt::Key_Down);
    EXPECT_TRUE(below->keys.empty());
    ASSERT_EQ(above->keys.size(), 1u);
    EXPECT_EQ(above->keys[0], 40);
}

TEST_F(FrameTest, ModalDialogBlocksTheOpenerUntilItCloses)
{
    TProbe* probe = openScreen<TProbe>();
    bool returned = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(TSmallDialog::instance);
        EXPECT_EQ(TSmallDialog::instance->size(), QSize(200, 100)) << "dialogs keep their size";
        EXPECT_EQ(ScreenStack::instance().top(), TSmallDialog::instance.data());
        EXPECT_FALSE(returned);
        QTest::mouseClick(probe->button, Qt::LeftButton);  // under the dialog: ignored
        QTest::keyClick(probe, Qt::Key_Escape);            // goes to the dialog
    });
    openModal<TSmallDialog>();
    returned = true;
    EXPECT_EQ(probe->clicks, 0);
    EXPECT_EQ(ScreenStack::instance().top(), probe);
    EXPECT_EQ(probe->activations, 2);
}

TEST_F(FrameTest, F11SwitchesBetweenFullScreenAndAMaximisedWindow)
{
    TProbe* probe = openScreen<TProbe>();
    backdrop->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(backdrop));
    ASSERT_FALSE(backdrop->isFullScreen());
    QTest::keyClick(probe, Qt::Key_F11);
    EXPECT_TRUE(backdrop->isFullScreen());
    EXPECT_TRUE(hasTrace("ovta: window fullscreen=1"));
    QTest::keyClick(probe, Qt::Key_F11);
    EXPECT_FALSE(backdrop->isFullScreen());
    EXPECT_TRUE(backdrop->isMaximized());
    EXPECT_EQ(probe->keys, std::vector<int>{}) << "the screens never see F11";
}

TEST_F(FrameTest, ClosingTheWindowOverADialogEndsTheRunToo)
{
    openScreen<TProbe>();
    QTimer::singleShot(0, [&] {
        QCloseEvent close;
        QApplication::sendEvent(backdrop, &close);
        // The test's terminate only counts: close the dialog by hand.
        if (TSmallDialog::instance)
            TSmallDialog::instance->closeModal();
    });
    openModal<TSmallDialog>();
    EXPECT_EQ(terminateRequests, 1);
}

TEST_F(FrameTest, ErrorInAHandlerIsReportedOnceAndTheRunGoesOn)
{
    TProbe* probe = openScreen<TProbe>();
    probe->button->onClick = [](Control*) {
        throw FileError("\"data\\kenor09\": cannot be opened");
    };
    QTest::mouseClick(probe->button, Qt::LeftButton);
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_EQ(errors->shown()[0], "\"data\\kenor09\": cannot be opened.");
    EXPECT_TRUE(hasTrace("ovta: error text=\"data\\kenor09\": cannot be opened."));
    // Still on top and still answering.
    probe->button->onClick = [probe](Control*) { ++probe->clicks; };
    QTest::mouseClick(probe->button, Qt::LeftButton);
    EXPECT_EQ(probe->clicks, 1);
}

TEST(ErrorReport, FullStopRule)
{
    struct Case {
        std::string text, shown;
    } cases[] = {
        {"Cannot open file", "Cannot open file."},
        {"Ends with a stop.", "Ends with a stop."},
        {"Range error!", "Range error!"},           // '!' sorts before '.'
        {"trailing dash -", "trailing dash -"},     // '-' sorts before '.'
        {"trailing space ", "trailing space "},
        {"slash/", "slash/."},                      // '/' sorts after '.'
        {"digit 5", "digit 5."},
        {"", ""},
        {"glyph \xC0", "glyph \xC0."},              // high bytes sort after '.'
    };
    for (const auto& c : cases)
        EXPECT_EQ(withFullStop(c.text), c.shown) << c.text;
}

TEST(ErrorReport, GlyphTextIsTracedAsHex)
{
    test::RecordErrors errors;
    std::vector<std::string> lines;
    {
        test::TraceCapture trace;
        reportError("bad \x01\xC0");
        lines = trace.lines;
    }
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "ovta: error text=hex:" + trace::hex("bad \x01\xC0."));
    ASSERT_EQ(errors.shown().size(), 1u);
}

TEST(ScreenTimer, ATickNeverRunsInsideItself)
{
    int depth = 0, maxDepth = 0, ticks = 0;
    Timer* timer = nullptr;
    Timer t(nullptr, 100, false, [&] {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        if (ticks == 1)
            timer->fire();
        --depth;
    });
    timer = &t;
    t.fire();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(maxDepth, 1);
}

TEST(ScreenTimer, IntervalAndEnabled)
{
    Timer t(nullptr, 0, false, [] {});
    EXPECT_FALSE(t.enabled());
    t.setInterval(250);
    t.start();
    EXPECT_TRUE(t.enabled());
    EXPECT_EQ(t.interval(), 250);
    t.stop();
    EXPECT_FALSE(t.enabled());
}

TEST(VirtualKeys, QtKeysMapToTheKeyCodesHandlersExpect)
{
    struct Case {
        int qt, vk;
    } cases[] = {{Qt::Key_Escape, 27}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
                 {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9}, {Qt::Key_Up, 38},
                 {Qt::Key_Down, 40},   {Qt::Key_Left, 37},   {Qt::Key_Right, 39},
                 {Qt::Key_Home, 36},   {Qt::Key_End, 35},    {Qt::Key_Delete, 46},
                 {Qt::Key_Backspace, 8}, {Qt::Key_A, 'A'},   {Qt::Key_F1, 112},
                 {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
                 {Qt::Key_Meta, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(virtualKey(c.qt), c.vk) << c.qt;
}

}  // namespace
}  // namespace ovta
