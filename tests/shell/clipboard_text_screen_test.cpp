// Ctrl+C: the screen's glyph text, decoded line by line, on the clipboard;
// the key reaches the screen from whichever of its controls has the focus.
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

#include "shell/clipboard_text.h"
#include "shell/screen.h"
#include "shell/screen_open.h"
#include "shell/title_list_box.h"
#include "support/fake_decoder.h"
#include "support/shell_fixture.h"

namespace ovta {
namespace {

class TCopySource : public Screen {
public:
    static constexpr const char* Kind = "copysource";
    static inline QPointer<TCopySource> instance;
    TCopySource() : Screen(Kind)
    {
        list =
            new TitleListBox(this, QStringLiteral("list"), QRect(10, 10, 200, 100), 20, Qt::white);
        list->onKeyDown = [this](int key) { listKeys.push_back(key); };
    }
    std::string copyGlyphs() const override { return glyphs; }
    void FormKeyDown(int key) override { keys.push_back(key); }

    TitleListBox* list;
    std::string glyphs;
    std::vector<int> keys, listKeys;
};

using ClipboardTest = test::ShellTest;

TEST_F(ClipboardTest, EachLineIsDecodedOnItsOwn)
{
    test::FakeDecoder decoder;
    const struct {
        const char* glyphs;
        const char* text;
    } cases[] = {
        {"ab", "[ba]"},           {"ab\r\ncd", "[ba]\n[dc]"},
        {"ab\ncd", "[ba]\n[dc]"}, {"ab\r\n\r\ncd", "[ba]\n[]\n[dc]"},
        {" a b ", "[ b a ]"},     {"", "[]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipboardText::decode(c.glyphs).toStdString(), c.text) << c.glyphs;
    EXPECT_EQ(ClipboardText::titled("t", "x"), "t\r\nx");
    EXPECT_EQ(ClipboardText::titled("", "x"), "x");
    EXPECT_EQ(ClipboardText::titled("t", ""), "t");
}

TEST_F(ClipboardTest, CtrlCCopiesWhatTheScreenShowsFromAnyOfItsControls)
{
    test::FakeDecoder decoder;
    auto* s = openScreen<TCopySource>();
    settle();
    s->glyphs = "21\r\nba";
    QTest::keyClick(s, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "[12]\n[ab]");
    EXPECT_TRUE(hasTrace("ovta: copy copysource chars=9"));
    const auto hasC = [](const std::vector<int>& keys) {
        return std::find(keys.begin(), keys.end(), 'C') != keys.end();
    };
    EXPECT_FALSE(hasC(s->keys)) << "the copy key is no key of the screen's own";

    s->glyphs = "x";
    s->list->setFocus();
    QTest::keyClick(s->list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "[x]") << "a list with the focus hands the key on";
    EXPECT_FALSE(hasC(s->listKeys));

    s->glyphs.clear();
    QTest::keyClick(s, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "[x]") << "nothing shown: the clipboard keeps what it held";
    s->keys.clear();
    QTest::keyClick(s, Qt::Key_C);
    EXPECT_EQ(s->keys, std::vector<int>{'C'}) << "C alone is still a key";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(ClipboardTest, WithoutADecoderNothingIsCopiedAndTheFailureIsReported)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    auto* s = openScreen<TCopySource>();
    settle();
    s->glyphs = "ab";
    QTest::keyClick(s, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("decoder"), std::string::npos) << errors->shown()[0];
}

} // namespace
} // namespace ovta
