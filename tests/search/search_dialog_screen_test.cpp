// The search dialog: its layout and place, typing real keys into me1, the
// caret, the options, and the hand-over of a hit to each kind of opener
// (small test hosts stand for the list screens).
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "search/glyph_edit_box.h"
#include "search/letter_table_builder.h"
#include "search/search_test_support.h"
#include "search/option_button.h"
#include "search/search_dialog.h"
#include "shell/globals.h"
#include "shell/glyph_text.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"
#include "shell/search_host.h"
#include "support/shell_fixture.h"
#include "support/byte_string.h"

namespace ovta {
namespace {

using test::bytes;

// A list screen as the dialog sees it: titles, and a window of rows that
// starts at ListTop when refreshed.
class TestHost : public SearchHost {
public:
    explicit TestHost(std::vector<std::string> t) : titles(std::move(t)) {}
    const std::vector<std::string>& searchTitles() const override { return titles; }
    void refreshFromListTop() override
    {
        const int top = globals().ListTop;
        firstRows.push_back(top >= 0 && top < static_cast<int>(titles.size()) ? titles[top] : "");
    }
    void openFirstRow() override
    {
        ++opened;
        if (onOpen)
            onOpen();
    }
    void selectAndOpen(int row) override
    {
        selected.push_back(row);
        selectedRow_ = row;
    }
    int selectedRow() const override { return selectedRow_; }

    std::vector<std::string> titles;
    std::vector<std::string> firstRows; // the top row after each refresh
    int opened = 0;
    std::function<void()> onOpen;
    std::vector<int> selected;
    int selectedRow_ = -1;
};

// A screen the opener shows for a hit, as a reader would be.
class TReaderProbe : public Screen {
public:
    static constexpr const char* Kind = "readerprobe";
    static inline QPointer<TReaderProbe> instance;
    TReaderProbe() : Screen(Kind) {}
};

// "ff" types 4B 4D (beh beh); titles 1, 3 and 4 hold it.
const std::string kBehBeh = bytes({0x4B, 0x4D});
const std::vector<std::string> kTitles = {
    bytes({0x4A}), bytes({0x4B, 0x4D, 0x20, 0x41}), bytes({0x41}),
    kBehBeh,       bytes({0x20, 0x4B, 0x4D, 0x8E}), bytes({0x41, 0x41})};

class SearchDialogTest : public test::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        const test::LetterTableBuilder letters = test::shapingLetters();
        content.write("data\\13.txt", letters.keyFile());
        content.write("data\\1c2.txt", letters.rangeFile());
        content.write("data\\1c1.txt", letters.glyphFile());
        Tsear::setMessageBox([this](const std::string& text, const std::string& caption) {
            messages.push_back(caption + ": " + text);
        });
    }

    void TearDown() override
    {
        Tsear::setMessageBox(nullptr);
        ShellTest::TearDown();
    }

    // Opens the dialog as a list screen's search button does, runs `body`
    // while it is open, then closes it unless the body did.
    void whileOpen(int source, const std::function<void(Tsear*)>& body)
    {
        test::whileSearchDialogOpen([source] { openSearchDialog(source); }, body);
    }

    static void type(Tsear* d, const char* keys) { test::typeInSearch(d, keys); }
    static void search(Tsear* d) { test::pressSearch(d); }
    static int z(QWidget* w) { return w->parentWidget()->children().indexOf(w); }

    std::vector<std::string> messages;
};

TEST_F(SearchDialogTest, LayoutPlaceAndStartingState)
{
    whileOpen(0, [&](Tsear* d) {
        EXPECT_EQ(d->size(), QSize(269, 138));
        // Over the centred 640x480 screens of a 1024x768 backdrop.
        EXPECT_EQ(d->pos(), QPoint(192 + 259, 144 + 293));
        EXPECT_EQ(ScreenStack::instance().top(), d);
        EXPECT_TRUE(d->isModal());
        const struct {
            QWidget* control;
            QRect geometry;
        } places[] = {
            {d->Image1, {0, 0, 269, 138}},   {d->me1, {24, 22, 224, 33}},
            {d->Panel1, {25, 24, 221, 28}},  {d->labe, {1, 1, 219, 26}},
            {d->rad1, {231, 68, 15, 15}},    {d->rad2, {104, 68, 15, 14}},
            {d->Label3, {152, 64, 81, 25}},  {d->Label4, {24, 64, 81, 25}},
            {d->Label2, {149, 92, 100, 35}}, {d->Image2, {151, 94, 96, 31}},
            {d->Label1, {22, 92, 97, 33}},   {d->Image3, {24, 94, 93, 29}},
        };
        for (const auto& p : places)
            EXPECT_EQ(p.control->geometry(), p.geometry) << p.control->objectName().toStdString();
        EXPECT_EQ(d->Shp1->parentWidget(), d->Panel1);
        EXPECT_EQ(d->Shp1->geometry(), QRect(220, 3, 1, 25));
        EXPECT_EQ(d->Shp1->palette().color(QPalette::Window), QColor(255, 0, 255));
        EXPECT_GT(z(d->Panel1), z(d->me1)) << "the box lies behind the panel";
        EXPECT_LT(z(d->Image2), z(d->Image1));
        EXPECT_LT(z(d->Image3), z(d->Image1));
        EXPECT_TRUE(d->me1->hasFocus());
        EXPECT_TRUE(d->rad1->checked());
        EXPECT_FALSE(d->rad2->checked());
        EXPECT_EQ(d->me1->text(), "");
        EXPECT_EQ(d->Timer2->interval(), 250);
        EXPECT_TRUE(d->Timer2->enabled());
        EXPECT_EQ(d->source(), 0);
    });
    EXPECT_EQ(globals().SearchSource, 0);
    EXPECT_TRUE(hasTrace("ovta: open sear"));
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(SearchDialogTest, KeepsItsPlaceWhenTheBackdropIsResized)
{
    whileOpen(12, [&](Tsear* d) {
        backdrop->resize(800, 600);
        settle();
        EXPECT_EQ(d->pos(), QPoint(80 + 259, 60 + 293));
        EXPECT_EQ(d->size(), QSize(269, 138));
    });
    EXPECT_EQ(globals().SearchSource, 12);
}

TEST_F(SearchDialogTest, TypedKeysAreShapedAndShownInTheLabel)
{
    whileOpen(0, [&](Tsear* d) {
        type(d, "fgh");
        EXPECT_EQ(d->me1->text(), bytes({0xC0, 0x4D}));
        EXPECT_EQ(d->labe->glyphText(), d->me1->text());
        QTest::keyClick(d->me1, Qt::Key_Right);
        QTest::keyClick(d->me1, Qt::Key_Delete); // the ligature: its alef is typed again
        EXPECT_EQ(d->me1->text(), bytes({0x42, 0x4D}));
        QTest::keyClick(d->me1, Qt::Key_Home);
        QTest::keyClick(d->me1, Qt::Key_Backspace); // at the right end: nothing
        EXPECT_EQ(d->me1->caret(), 2u);
        QTest::keyClick(d->me1, Qt::Key_Left);
        QTest::keyClick(d->me1, Qt::Key_Backspace);
        EXPECT_EQ(d->me1->text(), bytes({0x41}));
        EXPECT_EQ(d->labe->glyphText(), bytes({0x41}));
        QTest::keyClick(d->me1, Qt::Key_End);
        EXPECT_EQ(d->me1->caret(), 0u);
        QTest::keyClicks(d->me1, "H");
        EXPECT_EQ(d->me1->text(), bytes({0x45, 0x41}));
    });
    EXPECT_TRUE(messages.empty());
}

TEST_F(SearchDialogTest, ANonLatinKeyShowsTheLayoutMessageAndEmptiesTheBox)
{
    whileOpen(0, [&](Tsear* d) {
        type(d, "ff");
        QKeyEvent arabic(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("ب"));
        QApplication::sendEvent(d->me1, &arabic);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], "change keyboard: change the keyboard language to english");
        EXPECT_EQ(d->me1->text(), "");
        EXPECT_EQ(d->labe->glyphText(), "");
        EXPECT_TRUE(d->isModal());
    });
}

TEST_F(SearchDialogTest, TheCaretBlinksAndStandsAtTheCaretIndex)
{
    // Real glyph widths, from the demo build's fonts when they are there.
    const QByteArray env = qgetenv("OVTA_DEMO_DIR");
    const QString demo = env.isEmpty() ? QCoreApplication::applicationDirPath() + "/../demo"
                                       : QString::fromLocal8Bit(env);
    bool haveFonts = true;
    for (const char* name : {"glyf01.ttf", "glyf01b.ttf"}) {
        QFile font(QDir(demo).filePath(name));
        if (font.open(QIODevice::ReadOnly))
            content.write(name, font.readAll().toStdString());
        else
            haveFonts = false;
    }
    removeGlyphFonts();
    installGlyphFonts();
    whileOpen(0, [&](Tsear* d) {
        const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf02, -21);
        EXPECT_EQ(font.valid(), haveFonts);
        auto width = [&](const std::string& g) { return qRound(font.width(g)); };
        const int right = 220; // labe's right edge in Panel1
        d->Timer2->fire();
        EXPECT_EQ(d->Shp1->x(), right - 2) << "empty box";
        EXPECT_EQ(d->Shp1->y(), 2);
        EXPECT_EQ(d->Shp1->height(), 24);
        const bool shown = d->Shp1->isVisible();
        d->Timer2->fire();
        EXPECT_NE(d->Shp1->isVisible(), shown) << "it blinks";

        type(d, "fff");
        const std::string text = d->me1->text();
        // Typing puts it at the left end of the text; the tick at the caret.
        EXPECT_EQ(d->Shp1->x(), right - width(text));
        QTest::keyClick(d->me1, Qt::Key_Right);
        EXPECT_EQ(d->Shp1->x(), right - width(text)) << "a caret move waits for the tick";
        d->Timer2->fire();
        EXPECT_EQ(d->Shp1->x(), right - width(text.substr(1)));
        QTest::keyClick(d->me1, Qt::Key_Home);
        d->Timer2->fire();
        EXPECT_EQ(d->Shp1->x(), right);
        if (font.valid()) {
            EXPECT_GT(width(text.substr(1)), width(text.substr(2)));
        }
    });
    settle(); // the dialog is gone: the fonts may go too
    removeGlyphFonts();
}

TEST_F(SearchDialogTest, SearchFromTheFirstFindsTheSameHitTwice)
{
    TestHost host(kTitles);
    setSearchHost(0, &host);
    globals().ListTop = 2;
    whileOpen(0, [&](Tsear* d) {
        type(d, "ff");
        search(d);
        search(d);
        EXPECT_EQ(ScreenStack::instance().top(), d) << "the dialog stays open";
    });
    ASSERT_EQ(host.firstRows.size(), 2u);
    EXPECT_EQ(host.firstRows[0], kTitles[1]) << "the found title is the first row";
    EXPECT_EQ(host.firstRows[1], kTitles[1]);
    EXPECT_EQ(globals().ListTop, 1);
    EXPECT_EQ(host.opened, 0);
    EXPECT_TRUE(hasTrace("ovta: search source=0 from=0 text=4B4D hit=1"));
}

TEST_F(SearchDialogTest, SearchOnWalksTheHitsThenFindsNothing)
{
    TestHost host(kTitles);
    setSearchHost(45, &host);
    whileOpen(45, [&](Tsear* d) {
        type(d, "ff");
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        EXPECT_TRUE(d->rad2->checked());
        EXPECT_FALSE(d->rad1->checked());
        for (int i = 0; i < 4; ++i)
            search(d);
    });
    ASSERT_EQ(host.firstRows.size(), 3u);
    EXPECT_EQ(host.firstRows[0], kTitles[1]);
    EXPECT_EQ(host.firstRows[1], kTitles[3]);
    EXPECT_EQ(host.firstRows[2], kTitles[4]);
    EXPECT_EQ(globals().ListTop, 4) << "no hit changes nothing";
}

TEST_F(SearchDialogTest, EnterSearchesAndTheOptionLabelsSwitchBack)
{
    TestHost host(kTitles);
    setSearchHost(82, &host);
    globals().ListTop = 3;
    whileOpen(82, [&](Tsear* d) {
        type(d, "ff");
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        QTest::keyClick(d->me1, Qt::Key_Return);
        EXPECT_EQ(globals().ListTop, 4);
        QTest::mouseClick(d->Label3, Qt::LeftButton);
        EXPECT_TRUE(d->rad1->checked());
        QTest::keyClick(d->me1, Qt::Key_Enter);
        EXPECT_EQ(globals().ListTop, 1);
        EXPECT_EQ(d->me1->text(), kBehBeh) << "Enter leaves the text";
    });
    EXPECT_EQ(host.firstRows.size(), 2u);
}

TEST_F(SearchDialogTest, BlankOrEmptyTextSearchesNothing)
{
    TestHost host({bytes({0x20, 0x41}), bytes({0x41})});
    setSearchHost(0, &host);
    whileOpen(0, [&](Tsear* d) {
        search(d);
        type(d, "   ");
        EXPECT_EQ(d->me1->text(), "   ");
        search(d);
    });
    EXPECT_TRUE(host.firstRows.empty());
    EXPECT_EQ(globals().ListTop, 0);
}

TEST_F(SearchDialogTest, EachSourceGetsItsHandOver)
{
    const struct {
        int source;
        int opened; // first-row opens after one hit
        bool windowed;
    } cases[] = {{0, 0, true}, {12, 0, true}, {45, 0, true}, {82, 0, true},
                 {5, 1, true}, {34, 1, true}, {47, 0, false}};
    for (const auto& c : cases) {
        resetGlobals();
        globals().ListTop = 0;
        TestHost host(kTitles);
        setSearchHost(c.source, &host);
        whileOpen(c.source, [&](Tsear* d) {
            type(d, "ff");
            search(d);
        });
        EXPECT_EQ(globals().SearchSource, c.source);
        EXPECT_EQ(host.opened, c.opened) << c.source;
        if (c.windowed) {
            EXPECT_EQ(globals().ListTop, 1) << c.source;
            EXPECT_EQ(host.firstRows, std::vector<std::string>{kTitles[1]}) << c.source;
            EXPECT_TRUE(host.selected.empty()) << c.source;
        } else {
            EXPECT_EQ(globals().ListTop, 0) << "frm47 keeps ListTop";
            EXPECT_TRUE(host.firstRows.empty());
            EXPECT_EQ(host.selected, std::vector<int>{1});
        }
        setSearchHost(c.source, nullptr);
    }
}

TEST_F(SearchDialogTest, TheDialogStaysInFrontOfWhatTheHitOpens)
{
    TestHost host(kTitles);
    host.onOpen = [] { openScreen<TReaderProbe>(); };
    setSearchHost(5, &host);
    whileOpen(5, [&](Tsear* d) {
        type(d, "ff");
        search(d);
        ASSERT_TRUE(TReaderProbe::instance);
        EXPECT_EQ(ScreenStack::instance().top(), d);
        EXPECT_TRUE(d->me1->hasFocus());
    });
    EXPECT_EQ(ScreenStack::instance().top(), TReaderProbe::instance.data());
}

TEST_F(SearchDialogTest, SearchOnFromFrm47GoesOnAfterItsSelectedRow)
{
    TestHost host(kTitles);
    setSearchHost(47, &host);
    host.selectedRow_ = 1;
    globals().ListTop = 3; // another list's window: not frm47's
    whileOpen(47, [&](Tsear* d) {
        type(d, "ff");
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        search(d);
        search(d);
        search(d);
    });
    EXPECT_EQ(host.selected, (std::vector<int>{3, 4}));
    EXPECT_EQ(globals().ListTop, 3);
}

TEST_F(SearchDialogTest, WithoutAHostTheSearchDoesNothing)
{
    whileOpen(5, [&](Tsear* d) {
        type(d, "ff");
        search(d);
        EXPECT_TRUE(d->isModal());
    });
    EXPECT_EQ(globals().ListTop, 0);
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(SearchDialogTest, EscAndTheCloseButtonLeaveTheListAsItWas)
{
    TestHost host(kTitles);
    setSearchHost(0, &host);
    globals().ListTop = 2;
    whileOpen(0, [&](Tsear* d) {
        type(d, "ff");
        QTest::keyClick(d->me1, Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible());
        EXPECT_FALSE(ScreenStack::instance().contains(d));
    });
    whileOpen(0, [&](Tsear* d) {
        type(d, "ff");
        QTest::mousePress(d->Label1, Qt::LeftButton);
        EXPECT_GT(z(d->Image3), z(d->Image1)) << "pressed look in front";
        QTest::mouseRelease(d->Label1, Qt::LeftButton);
        EXPECT_LT(z(d->Image3), z(d->Image1));
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_TRUE(host.firstRows.empty());
    EXPECT_EQ(globals().ListTop, 2);
}

TEST_F(SearchDialogTest, TheSearchButtonShowsItsPressedLook)
{
    whileOpen(0, [&](Tsear* d) {
        QTest::mousePress(d->Label2, Qt::LeftButton);
        EXPECT_GT(z(d->Image2), z(d->Image1));
        QTest::mouseRelease(d->Label2, Qt::LeftButton);
        EXPECT_LT(z(d->Image2), z(d->Image1));
    });
}

TEST_F(SearchDialogTest, ANewDialogStartsEmptyWithSearchFromTheFirst)
{
    whileOpen(0, [&](Tsear* d) {
        type(d, "ff");
        QTest::mouseClick(d->Label4, Qt::LeftButton);
    });
    whileOpen(0, [&](Tsear* d) {
        EXPECT_EQ(d->me1->text(), "");
        EXPECT_EQ(d->labe->glyphText(), "");
        EXPECT_TRUE(d->rad1->checked());
        EXPECT_FALSE(d->rad2->checked());
    });
}

TEST_F(SearchDialogTest, AMissingLetterTableIsReportedAndTypingDoesNothing)
{
    std::filesystem::remove(content.path() / "data" / "1c1.txt");
    whileOpen(0, [&](Tsear* d) {
        type(d, "ff");
        EXPECT_EQ(d->me1->text(), "");
    });
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("data\\1c1.txt"), std::string::npos) << errors->shown()[0];
}

TEST_F(SearchDialogTest, ADamagedLetterRecordIsReportedWhileTyping)
{
    test::LetterTableBuilder letters = test::shapingLetters();
    letters.range("q", 1, 9);
    content.write("data\\1c2.txt", letters.rangeFile());
    content.write("data\\13.txt", letters.keyFile());
    whileOpen(0, [&](Tsear* d) {
        type(d, "fqf");
        EXPECT_EQ(d->me1->text(), kBehBeh) << "the bad key changed nothing";
        EXPECT_TRUE(d->isModal());
    });
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("data\\1c2.txt"), std::string::npos) << errors->shown()[0];
}

} // namespace
} // namespace ovta
