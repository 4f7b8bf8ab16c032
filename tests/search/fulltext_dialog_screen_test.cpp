// The search inside the texts: Ctrl+F from a screen, typing with the shaping
// box or pasting Unicode, hits listed with their titles, and Enter opening
// the hit's reader after the dialog has closed.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "search/fulltext_builder.h"
#include "search/fulltext_dialog.h"
#include "search/glyph_edit_box.h"
#include "search/letter_table_builder.h"
#include "shell/globals.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"
#include "shell/screen_stack.h"
#include "shell/title_list_box.h"
#include "support/shell_fixture.h"

namespace ovta {
namespace {

// Stands for a reader a hit opens; records the globals it was opened with.
class TProbeReader : public Screen {
public:
    static constexpr const char* Kind = "fulltextprobe";
    static inline QPointer<TProbeReader> instance;
    static inline int openedWith = -1;
    TProbeReader() : Screen(Kind) {}
    void FormCreate() override { openedWith = globals().CurrentItem; }
};

// A screen under the dialog, as any screen of the reader would be.
class TUnder : public Screen {
public:
    static constexpr const char* Kind = "fulltextunder";
    static inline QPointer<TUnder> instance;
    TUnder() : Screen(Kind) {}
};

class FullTextDialogTest : public test::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        const test::LetterTableBuilder letters = test::shapingLetters();
        content.write("data\\13.txt", letters.keyFile());
        content.write("data\\1c2.txt", letters.rangeFile());
        content.write("data\\1c1.txt", letters.glyphFile());
        registerScreen(TProbeReader::Kind, [] { openScreen<TProbeReader>(); });
        TProbeReader::openedWith = -1;
        // The index of this test's own documents, ready before the dialog.
        fullTextBuilder().stop();
        fullTextBuilder().start([](const auto& add) {
            add(Document{"غزوة", "في السنة السابعة كانت غزوة خيبر", place(7), {}});
            add(Document{"بئر", "حفر بب عند البئر", place(12), {}});
            add(Document{"خيبر", "وادي خيبر كثير النخل", place(3), {}});
        });
        while (!fullTextBuilder().ready())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        openScreen<TUnder>();
    }

    void TearDown() override
    {
        if (TUnder::instance)
            TUnder::instance->release();
        if (TProbeReader::instance)
            TProbeReader::instance->release();
        settle();
        unregisterScreen(TProbeReader::Kind);
        fullTextBuilder().stop();
        ShellTest::TearDown();
    }

    static TextPlace place(int item)
    {
        TextPlace p;
        p.kind = TProbeReader::Kind;
        p.currentItem = item;
        return p;
    }

    // Presses Ctrl+F on the screen on top; runs `body` while the dialog is up.
    void whileOpen(const std::function<void(Tfind*)>& body)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            QPointer<Tfind> dialog = Tfind::instance;
            ASSERT_TRUE(dialog);
            body(dialog);
            if (dialog && dialog->isVisible())
                dialog->closeModal();
        });
        QTest::keyClick(ScreenStack::instance().top(), Qt::Key_F, Qt::ControlModifier);
        EXPECT_TRUE(ran);
        settle();
    }
};

TEST_F(FullTextDialogTest, CtrlFOpensItCentredOverTheScreenOnTop)
{
    whileOpen([&](Tfind* d) {
        EXPECT_EQ(ScreenStack::instance().top(), d);
        EXPECT_TRUE(d->isModal());
        const QWidget* area = d->parentWidget();
        EXPECT_EQ(d->geometry().center(), QRect(QPoint(0, 0), area->size()).center());
        EXPECT_TRUE(d->query->hasFocus());
        // A second Ctrl+F inside it opens no second dialog.
        QTest::keyClick(d->query, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(ScreenStack::instance().top(), d);
    });
    EXPECT_FALSE(Tfind::instance);
    EXPECT_EQ(ScreenStack::instance().top(), TUnder::instance);
}

TEST_F(FullTextDialogTest, TypedArabicFindsTheWordInTheTexts)
{
    whileOpen([&](Tfind* d) {
        QTest::keyClicks(d->query, "ff"); // beh beh, shaped as typed
        QTest::keyClick(d->query, Qt::Key_Return);
        ASSERT_EQ(d->lastHits().size(), 1u);
        EXPECT_EQ(d->lastHits()[0].document, 1u);
        EXPECT_EQ(d->hits->count(), 1);
        EXPECT_EQ(d->hits->itemIndex(), 0);
    });
}

TEST_F(FullTextDialogTest, PastedUnicodeMatchesHoweverItsLettersWereJoined)
{
    whileOpen([&](Tfind* d) {
        // "خيبر" in presentation forms, as copied from some other program.
        QApplication::clipboard()->setText(QString::fromUtf8("\uFEA7\uFEF4\uFE92\uFEAE"));
        QTest::keyClick(d->query, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(d->lastHits().size(), 2u);
        EXPECT_EQ(d->lastHits()[0].document, 0u);
        EXPECT_EQ(d->lastHits()[1].document, 2u);
        EXPECT_FALSE(d->query->text().empty()) << "the pasted word shows in the box";
    });
}

TEST_F(FullTextDialogTest, EnterOnAHitClosesTheDialogAndOpensItsReader)
{
    whileOpen([&](Tfind* d) {
        QApplication::clipboard()->setText(QStringLiteral("خيبر"));
        QTest::keyClick(d->query, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(d->query, Qt::Key_Down);
        ASSERT_TRUE(d->hits->hasFocus());
        QTest::keyClick(d->hits, Qt::Key_Down);
        EXPECT_EQ(d->hits->itemIndex(), 1);
        QTest::keyClick(d->hits, Qt::Key_Return);
    });
    ASSERT_TRUE(TProbeReader::instance);
    EXPECT_EQ(ScreenStack::instance().top(), TProbeReader::instance);
    EXPECT_EQ(TProbeReader::openedWith, 3);
}

TEST_F(FullTextDialogTest, EscClosesWithoutOpeningAnything)
{
    whileOpen([&](Tfind* d) {
        QApplication::clipboard()->setText(QStringLiteral("خيبر"));
        QTest::keyClick(d->query, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(d->query, Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible());
        EXPECT_NE(ScreenStack::instance().top(), d);
    });
    EXPECT_FALSE(TProbeReader::instance);
    EXPECT_EQ(ScreenStack::instance().top(), TUnder::instance);
}

TEST_F(FullTextDialogTest, AWordNowhereInTheTextsListsNothing)
{
    whileOpen([&](Tfind* d) {
        QApplication::clipboard()->setText(QStringLiteral("القسطنطينية"));
        QTest::keyClick(d->query, Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(d->lastHits().empty());
        EXPECT_EQ(d->hits->count(), 0);
        QTest::keyClick(d->query, Qt::Key_Down); // nothing to move into
        EXPECT_TRUE(d->query->hasFocus());
    });
}

} // namespace
} // namespace ovta
