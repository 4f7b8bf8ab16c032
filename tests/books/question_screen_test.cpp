// The question screen frm42 over a question list of the test's own (as the
// book screen frm43 hands it on): the question of the chosen row, the three
// category buttons with their highlight pictures and red frame, the
// category text and its references with their arrows, stepping through the
// questions, the summary page frm48, and leaving.
#include <QBuffer>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

#include "books/book_files.h"
#include "books/frm42.h"
#include "books/frm48.h"
#include "books/question_layout.h"
#include "books/question_source.h"
#include "reading/reading_test_support.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"
#include "store/content_dir.h"
#include "support/fake_decoder.h"

namespace ovta {
namespace {

using test::DataBuilder;
using test::fields;

const std::string kOpen = "\xFA";
const std::string kClose = "\xFB";

std::string ref(int article, int book)
{
    return kOpen + std::to_string(article) + "/" + std::to_string(book) + kClose;
}

// The question list as the book screen holds it: its article list, its
// files and its chosen row.
class ListSource : public QuestionSource {
public:
    const ArticleList& questionList() const override { return list; }
    QuestionFiles questionFiles() const override
    {
        return {articleIndex, categoryTexts, locators, articleTexts};
    }
    int selectedQuestion() const override { return selected; }

    ArticleList list;
    IndexList articleIndex, groupMap, numbers, locators;
    DataFile categoryTexts, articleTexts;
    int selected = 0;
};

class QuestionScreenTest : public test::ReadingTest {
protected:
    struct Entry {
        std::string title;
        std::array<std::string, 3> categories;
    };

    void TearDown() override
    {
        setCurrentQuestionSource(nullptr);
        ReadingTest::TearDown();
    }

    // Questions with their categories, and the article texts of book 0
    // that the references name (article a is text a - 1).
    void write(const std::vector<Entry>& entries, const std::vector<std::string>& articles)
    {
        DataBuilder data;
        std::string index, numbers;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto [to, tl] = data.add(entries[i].title);
            index += fields({to, tl});
            for (const auto& c : entries[i].categories) {
                const auto [co, cl] = data.add(c);
                index += fields({co, cl});
            }
            numbers += fields({static_cast<long long>(i) + 1});
        }
        DataBuilder texts;
        std::string locators;
        for (const auto& a : articles) {
            const auto [o, l] = texts.add(a);
            locators += fields({o, l});
        }
        content.write("data\\1kenor47", index);
        content.write("data\\kenor46", data.bytes);
        content.write("data\\1kenor44", locators);
        content.write("data\\kenor45", texts.bytes);

        const ContentDir& dir = ContentDir::current();
        source_.articleIndex = IndexList::load(dir, "data\\1kenor47");
        source_.categoryTexts = DataFile::open(dir, "data\\kenor46");
        source_.locators = IndexList::load(dir, "data\\1kenor44");
        source_.articleTexts = DataFile::open(dir, "data\\kenor45");
        source_.groupMap = IndexList::fromBytes(
            "group map", fields({0, static_cast<long long>(entries.size()) - 1}));
        source_.numbers = IndexList::fromBytes("numbers", numbers);
        source_.list.build(
            {source_.groupMap, source_.numbers, source_.articleIndex, source_.categoryTexts},
            {64, 1, 0, false, 101, "frm43"}, 1);
        ASSERT_EQ(source_.list.count(), static_cast<int>(entries.size()));
        setCurrentQuestionSource(&source_);
    }

    // The usual fixture: three questions; the first has one reference in
    // category 1, three in category 2 and nothing in category 3.
    void writeThree()
    {
        write({{"q1", {"one" + ref(1, 0), "three" + ref(1, 0) + ref(2, 0) + ref(3, 0), "'"}},
               {"q2", {"", "next" + ref(3, 0) + ref(2, 0), "plain"}},
               {"q3", {"last" + ref(2, 0), "'", "x'y"}}},
              {"art1", "art2", "art3"});
    }

    Tfrm42* openQuestion(int row)
    {
        source_.selected = row;
        Tfrm42* screen = openScreen<Tfrm42>();
        settle();
        return screen;
    }

    static Screen* top() { return ScreenStack::instance().top(); }

    static void clickCategory(Tfrm42* q, int t)
    {
        QTest::mouseClick(q->categoryButtons[static_cast<std::size_t>(t - 1)], Qt::LeftButton);
    }

    static std::vector<std::string> lines(const LineList* list) { return list->lines(); }
    using Lines = std::vector<std::string>;

    ListSource source_;
};

TEST_F(QuestionScreenTest, OpensOnTheChosenRowWithNoCategory)
{
    writeThree();
    Tfrm42* q = openQuestion(1);
    EXPECT_EQ(q->QuestionRow(), 1);
    EXPECT_TRUE(hasTrace("ovta: question frm42 row=1 record=1"));
    EXPECT_EQ(lines(q->List1), Lines{"q2"});
    EXPECT_EQ(q->Category(), 0);
    EXPECT_EQ(q->List2->count(), 0);
    EXPECT_EQ(q->List3->count(), 0);
    EXPECT_TRUE(q->m2->isHidden());
    EXPECT_TRUE(q->m3->isHidden());
    for (ImageControl* h : q->highlights)
        EXPECT_LT(z(h), z(q->m1)) << "highlights start behind the background";
    EXPECT_LT(z(q->mup), z(q->m1));
    EXPECT_LT(z(q->mdn), z(q->m1));
    EXPECT_LT(z(q->m8), z(q->m1));
    EXPECT_EQ(q->size(), QSize(640, 480));
    EXPECT_NE(q->caption(), QStringLiteral("ovta")) << "this screen sets no caption";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(QuestionScreenTest, ACategoryShowsItsTextReferenceAndHighlight)
{
    writeThree();
    Tfrm42* q = openQuestion(0);
    const struct {
        int category;
        Lines text;
        Lines reference;
        bool next;
    } cases[] = {
        {1, {"one"}, {"t44 t50", "art1"}, false},
        {2, {"three"}, {"t44 t51", "art1"}, true},
        {3, {}, {}, false}, // "'": nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.category);
        clickCategory(q, c.category);
        EXPECT_EQ(q->Category(), c.category);
        EXPECT_EQ(lines(q->List2), c.text);
        EXPECT_EQ(lines(q->List3), c.reference);
        EXPECT_TRUE(q->m2->isHidden());
        EXPECT_EQ(q->m3->isVisible(), c.next);
        for (int t = 1; t <= 3; ++t) {
            ImageControl* h = q->highlights[static_cast<std::size_t>(t - 1)];
            if (t == c.category)
                EXPECT_GT(z(h), z(q->m1)) << "the chosen category's picture is lit";
            else
                EXPECT_LT(z(h), z(q->m1));
        }
        for (LabelControl* button : q->categoryButtons)
            EXPECT_GT(z(button), z(q->m1)) << "buttons stay over the lit picture";
    }
    EXPECT_EQ(q->highlights[0]->objectName(), QStringLiteral("m5"));
    EXPECT_EQ(q->categoryButtons[0]->objectName(), QStringLiteral("Label2"));
    EXPECT_EQ(q->categoryButtons[1]->objectName(), QStringLiteral("Label1"));
    EXPECT_EQ(q->categoryButtons[2]->objectName(), QStringLiteral("Label3"));
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(QuestionScreenTest, ReferenceArrowsStepAndHideAtTheEnds)
{
    writeThree();
    Tfrm42* q = openQuestion(0);
    clickCategory(q, 2);
    const struct {
        ImageControl* Tfrm42::*arrow;
        std::string article;
        bool previous, next;
    } steps[] = {
        {&Tfrm42::m3, "art2", true, true},
        {&Tfrm42::m3, "art3", true, false},
        {&Tfrm42::m2, "art2", true, true},
        {&Tfrm42::m2, "art1", false, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.article);
        QTest::mouseClick(q->*s.arrow, Qt::LeftButton);
        EXPECT_TRUE(hasTrace("ovta: category frm42 category=2 references=3 cursor=" +
                             std::string(1, s.article.back()) +
                             " article=" + std::string(1, s.article.back()) + " book=0"));
        EXPECT_EQ(lines(q->List3), (Lines{"t44 t51", s.article}));
        EXPECT_EQ(q->m2->isVisible(), s.previous);
        EXPECT_EQ(q->m3->isVisible(), s.next);
    }
    EXPECT_EQ(lines(q->List2), Lines{"three"}) << "the text stays while references step";
}

TEST_F(QuestionScreenTest, QuestionArrowsKeepTheCategoryAndStopAtTheEnds)
{
    writeThree();
    Tfrm42* q = openQuestion(0);
    QTest::mouseClick(q->Label6, Qt::LeftButton);
    EXPECT_EQ(q->QuestionRow(), 0) << "no question before the first";

    clickCategory(q, 2);
    QTest::mouseClick(q->m3, Qt::LeftButton);
    QTest::mouseClick(q->Label7, Qt::LeftButton);
    EXPECT_EQ(q->QuestionRow(), 1);
    EXPECT_EQ(lines(q->List1), Lines{"q2"});
    EXPECT_EQ(q->Category(), 2) << "the next question shows the same category";
    EXPECT_EQ(lines(q->List2), Lines{"next"});
    EXPECT_EQ(lines(q->List3), (Lines{"t44 t51", "art3"})) << "from its first reference";
    EXPECT_TRUE(q->m2->isHidden());
    EXPECT_TRUE(q->m3->isVisible());

    QTest::mouseClick(q->Label7, Qt::LeftButton);
    EXPECT_EQ(q->QuestionRow(), 2);
    EXPECT_EQ(q->List2->count(), 0) << "category 2 of q3 is nothing";
    EXPECT_EQ(q->List3->count(), 0);
    EXPECT_TRUE(q->m2->isHidden());
    EXPECT_TRUE(q->m3->isHidden());
    QTest::mouseClick(q->Label7, Qt::LeftButton);
    EXPECT_EQ(q->QuestionRow(), 2) << "no question after the last";

    QTest::mouseClick(q->Label6, Qt::LeftButton);
    EXPECT_EQ(q->QuestionRow(), 1);
    clickCategory(q, 3);
    EXPECT_EQ(lines(q->List2), Lines{"plain"}) << "a text without references still shows";
    EXPECT_EQ(q->List3->count(), 0) << "with an empty reference pane";
    EXPECT_TRUE(q->m2->isHidden());
    EXPECT_TRUE(q->m3->isHidden());
    EXPECT_TRUE(errors->shown().empty());
}

// The keys do what the arrows and buttons do, and do nothing past the ends.
TEST_F(QuestionScreenTest, KeysStepQuestionsCategoriesAndReferences)
{
    writeThree();
    Tfrm42* q = openQuestion(1);
    const struct {
        const char* name;
        Qt::Key key;
        int row, category;
        Lines reference;
    } steps[] = {
        {"Page Down with no category", Qt::Key_PageDown, 1, 0, {}},
        {"Left: the first category", Qt::Key_Left, 1, 1, {}},
        {"Left: the next one", Qt::Key_Left, 1, 2, {"t44 t51", "art3"}},
        {"Page Down: next reference", Qt::Key_PageDown, 1, 2, {"t44 t51", "art2"}},
        {"Page Down at the last", Qt::Key_PageDown, 1, 2, {"t44 t51", "art2"}},
        {"Page Up", Qt::Key_PageUp, 1, 2, {"t44 t51", "art3"}},
        {"Up: previous question", Qt::Key_Up, 0, 2, {"t44 t51", "art1"}},
        {"Up at the first", Qt::Key_Up, 0, 2, {"t44 t51", "art1"}},
        {"Right", Qt::Key_Right, 0, 1, {"t44 t50", "art1"}},
        {"Right at the first category", Qt::Key_Right, 0, 1, {"t44 t50", "art1"}},
        {"End: the last question", Qt::Key_End, 2, 1, {"t44 t50", "art2"}},
        {"Down at the last", Qt::Key_Down, 2, 1, {"t44 t50", "art2"}},
        {"Home", Qt::Key_Home, 0, 1, {"t44 t50", "art1"}},
        {"Down", Qt::Key_Down, 1, 1, {}},
        {"Left twice: the third", Qt::Key_Left, 1, 2, {"t44 t51", "art3"}},
        {"", Qt::Key_Left, 1, 3, {}},
        {"Left past the third", Qt::Key_Left, 1, 3, {}},
    };
    for (const auto& s : steps) {
        QTest::keyClick(q, s.key);
        EXPECT_EQ(q->QuestionRow(), s.row) << s.name;
        EXPECT_EQ(q->Category(), s.category) << s.name;
        EXPECT_EQ(lines(q->List3), s.reference) << s.name;
    }
    EXPECT_EQ(q->shp1->geometry(), q->categoryButtons[2]->geometry()) << "the frame marks it";
    QTest::keyClick(q, Qt::Key_Return);
    settle();
    EXPECT_STREQ(top()->kind(), "frm48");
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(QuestionScreenTest, PressedPicturesOfTheQuestionArrows)
{
    writeThree();
    Tfrm42* q = openQuestion(0);
    const struct {
        MouseLabel* Tfrm42::*arrow;
        ImageControl* Tfrm42::*pressed;
    } cases[] = {{&Tfrm42::Label6, &Tfrm42::mup}, {&Tfrm42::Label7, &Tfrm42::mdn}};
    for (const auto& c : cases) {
        MouseLabel* arrow = q->*c.arrow;
        ImageControl* pressed = q->*c.pressed;
        SCOPED_TRACE(arrow->objectName().toStdString());
        QTest::mousePress(arrow, Qt::LeftButton);
        EXPECT_GT(z(pressed), z(q->m1));
        EXPECT_GT(z(arrow), z(pressed)) << "the arrow still takes the release";
        QTest::mouseRelease(arrow, Qt::LeftButton);
        EXPECT_LT(z(pressed), z(q->m1));
        QTest::mousePress(arrow, Qt::RightButton);
        EXPECT_LT(z(pressed), z(q->m1)) << "other buttons press nothing";
        QTest::mouseRelease(arrow, Qt::RightButton);
    }
}

TEST_F(QuestionScreenTest, ThePressedUpArrowLightsOnceUnderThePointer)
{
    writeThree();
    Tfrm42* q = openQuestion(0);
    const QImage own = q->mup->picture().toImage();
    ASSERT_FALSE(own.isNull()) << "the pressed picture of the layout";

    // Without the picture file the load is reported, and tried again on
    // the next move over it.
    q->mup->bringToFront();
    hover(q->mup);
    hover(q->mup, QPoint(2, 2));
    ASSERT_EQ(errors->shown().size(), 2u);
    EXPECT_NE(errors->shown()[0].find("data1\\ram052.bmp"), std::string::npos)
        << errors->shown()[0];
    EXPECT_EQ(q->mup->picture().toImage(), own);
    errors->clear();

    QImage lit(32, 44, QImage::Format_RGB32);
    lit.fill(Qt::yellow);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    lit.save(&buffer, "BMP");
    content.write("data1\\ram052.bmp", bmp.toStdString());
    hover(q->mup);
    EXPECT_EQ(q->mup->picture().toImage().pixel(5, 5), QColor(Qt::yellow).rgb());
    EXPECT_EQ(Tfrm42::state().upHover, 1);
    content.write("data1\\ram052.bmp", "");
    hover(q->mup, QPoint(3, 3));
    EXPECT_TRUE(errors->shown().empty()) << "loaded once until the pointer leaves";

    q->mup->sendToBack();
    hover(q->m1, QPoint(300, 250));
    EXPECT_EQ(Tfrm42::state().upHover, 0);
    EXPECT_EQ(q->mup->picture().toImage(), own) << "back to its own pressed look";
}

TEST_F(QuestionScreenTest, TheRedFrameFollowsThePointerOverTheButtons)
{
    writeThree();
    Tfrm42* q = openQuestion(0);
    EXPECT_GE(q->shp1->y(), 480) << "out of sight at first";
    for (LabelControl* button : q->categoryButtons) {
        SCOPED_TRACE(button->objectName().toStdString());
        hover(button);
        EXPECT_EQ(q->shp1->geometry(), button->geometry());
        EXPECT_GT(z(button), z(q->shp1)) << "the button comes to the front";
        EXPECT_TRUE(q->shp1->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    hover(q->m1, QPoint(300, 250));
    EXPECT_EQ(q->shp1->y(), 1000);

    hover(q->Label4);
    EXPECT_GT(z(q->m8), z(q->m1)) << "the close button lights";
    hover(q->m1, QPoint(300, 250));
    EXPECT_LT(z(q->m8), z(q->m1));
}

TEST_F(QuestionScreenTest, TheSummaryPageCopiesTheQuestionAndItsCategories)
{
    write({{"q1", {"first" + ref(1, 0), "'", "third"}}, {"q2", {"a", "b", "c"}}}, {"art1"});
    Tfrm42* q = openQuestion(0);
    clickCategory(q, 1);
    QTest::mouseClick(q->Label5, Qt::LeftButton);
    settle();
    ASSERT_EQ(top()->kind(), std::string("frm48"));
    auto* page = static_cast<Tfrm48*>(top());
    EXPECT_EQ(lines(page->List1), Lines{"q1"});
    EXPECT_EQ(lines(page->lists[0]), Lines{"first"}) << "the shown part, without references";
    EXPECT_EQ(page->lists[1]->count(), 0) << "a category with \"'\" shows nothing";
    EXPECT_EQ(lines(page->lists[2]), Lines{"third"});
    {
        test::FakeDecoder decoder;
        QTest::keyClick(page, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(decoder.clipboard(), "[1q]\n[tsrif]\n[driht]") << "Ctrl+C copies the page";
    }
    EXPECT_EQ(page->lists[0]->objectName(), QStringLiteral("List2"));
    EXPECT_NE(page->caption(), QStringLiteral("ovta"));

    // The page keeps what it copied while the question screen moves on
    // (the question screen below takes no input: its handler runs directly).
    q->Label7Click();
    EXPECT_EQ(q->QuestionRow(), 1);
    EXPECT_EQ(lines(page->List1), Lines{"q1"});

    hover(page->l1);
    EXPECT_GT(z(page->m2), z(page->m1));
    hover(page->m1, QPoint(300, 300));
    EXPECT_LT(z(page->m2), z(page->m1));
    QTest::mouseClick(page->l1, Qt::LeftButton);
    settle();
    EXPECT_EQ(top(), q);
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(QuestionScreenTest, ALongTextScrollsWithItsBarAtTheLeft)
{
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += "line" + std::to_string(i) + "\r\n";
    write({{"q1", {text + ref(1, 0), "", ""}}}, {"art1"});
    Tfrm42* q = openQuestion(0);
    clickCategory(q, 1);
    EXPECT_EQ(q->List2->count(), 10);
    ASSERT_TRUE(q->List2->scrollBarShown());
    auto* bar = q->List2->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->x(), 0) << "read right to left, the list keeps its bar at the left";
    EXPECT_FALSE(q->List3->scrollBarShown());
}

TEST_F(QuestionScreenTest, EscAndTheCloseButtonLeave)
{
    writeThree();
    for (bool byKey : {true, false}) {
        SCOPED_TRACE(byKey);
        QPointer<Tfrm42> q = openQuestion(0);
        if (byKey)
            QTest::keyClick(q, Qt::Key_Escape);
        else
            QTest::mouseClick(q->Label4, Qt::LeftButton);
        EXPECT_TRUE(q->released());
        settle();
        EXPECT_TRUE(q.isNull());
    }
}

TEST_F(QuestionScreenTest, FaultsAreReportedAndTheScreenStaysUsable)
{
    // A reference to book 14 (there are 14 books, 0..13) and a row that the
    // list does not hold: each is reported once, and nothing is shown
    // that the model did not read.
    write({{"q1", {"bad" + ref(1, 14), "ok" + ref(1, 0), ""}}}, {"art1"});
    Tfrm42* q = openQuestion(0);
    EXPECT_TRUE(errors->shown().empty());
    clickCategory(q, 1);
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("book number 14"), std::string::npos) << errors->shown()[0];
    EXPECT_EQ(lines(q->List2), Lines{"bad"});
    EXPECT_EQ(q->List3->count(), 0);
    clickCategory(q, 2);
    EXPECT_EQ(lines(q->List3), (Lines{"t44 t51", "art1"}));
    errors->clear();

    Tfrm42* none = openQuestion(-1);
    ASSERT_EQ(errors->shown().size(), 1u) << "no row chosen in the list";
    EXPECT_EQ(none->List1->count(), 0);
    clickCategory(none, 1);
    EXPECT_EQ(none->List2->count(), 0);
    QTest::keyClick(none, Qt::Key_Escape);
    EXPECT_TRUE(none->released());
    settle();
    errors->clear();

    setCurrentQuestionSource(nullptr);
    Tfrm42* orphan = openScreen<Tfrm42>();
    settle();
    ASSERT_EQ(errors->shown().size(), 1u) << "opened without a question list";
    QTest::mouseClick(orphan->Label7, Qt::LeftButton);
    clickCategory(orphan, 2);
    QTest::mouseClick(orphan->Label5, Qt::LeftButton);
    settle();
    EXPECT_EQ(errors->shown().size(), 1u);
    ASSERT_EQ(top()->kind(), std::string("frm48"));
    EXPECT_EQ(static_cast<Tfrm48*>(top())->List1->count(), 0) << "an empty page";
}

TEST_F(QuestionScreenTest, ALongQuestionWrapsRightPartFirst)
{
    if (!installFonts())
        GTEST_FAIL() << "the demo build's glyph fonts are missing";
    std::string title;
    for (int i = 0; i < 30; ++i)
        title += "w" + std::to_string(i) + " ";
    title += "end";
    write({{title, {"", "", ""}}, {"short", {"", "", ""}}, {std::string(300, 'w'), {"", "", ""}}},
          {});
    Tfrm42* q = openQuestion(0);
    const Lines shown = lines(q->List1);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_NE(shown.front().find("end"), std::string::npos) << "the right end comes first";
    EXPECT_EQ(shown.back().rfind("w0 ", 0), 0u) << "the left end comes last";
    const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf01, q->lcap1->glyphSize());
    for (const auto& line : shown)
        EXPECT_LE(font.width(line), 361 + font.width(" ")) << line;
    QTest::mouseClick(q->Label7, Qt::LeftButton);
    EXPECT_EQ(lines(q->List1), Lines{"short"});

    // A title with no blank left to break at still ends: the word wider
    // than the title's width is broken only where the list's box must.
    QTest::mouseClick(q->Label7, Qt::LeftButton);
    EXPECT_EQ(q->QuestionRow(), 2);
    const Lines word = lines(q->List1);
    ASSERT_GE(word.size(), 2u);
    std::string joined;
    for (const auto& line : word) {
        EXPECT_LE(font.width(line), Question::QuestionBoxWidth) << line;
        joined += line;
    }
    EXPECT_EQ(joined, std::string(300, 'w'));
    EXPECT_TRUE(errors->shown().empty());
}

} // namespace
} // namespace ovta

namespace ovta {
namespace {

// The question screen over the demo content's first question book, as
// frm43 hands it on: every question of the book's first group steps
// through, every category is chosen and every reference shown, and all of
// it reads without a fault. With OVTA_HOLD_MS set, the screens stay up that
// long at each stage, to be looked at on a real display.
class QuestionDemoTest : public test::ReadingTest {
protected:
    void SetUp() override
    {
        ReadingTest::SetUp();
        demo_ = QCoreApplication::applicationDirPath().toStdString() + "/../demo";
        if (!std::filesystem::exists(demo_ + "/data/1kenor47"))
            GTEST_FAIL() << "demo content missing: build the demo target";
        ASSERT_TRUE(installFonts());
        ContentDir::setCurrent(demo_);
        globals().titleTable.load(ContentDir::current());
    }
    void TearDown() override
    {
        setCurrentQuestionSource(nullptr);
        ReadingTest::TearDown();
    }

    static void hold()
    {
        const int ms = qEnvironmentVariableIntValue("OVTA_HOLD_MS");
        if (ms > 0)
            QTest::qWait(ms);
    }

    std::string demo_;
};

TEST_F(QuestionDemoTest, EveryQuestionOfAGroupReadsWithItsReferences)
{
    const BookInfo info = bookInfo(BookScreen::Frm43, 1);
    BookFiles files;
    files.open(ContentDir::current(), info.files);
    ListSource source;
    source.list.build(
        {files.groupMap, files.articleNumbers, files.articleIndex, files.articleTitles},
        {64, 1, info.base, false, 101, "frm43"}, 1);
    source.articleIndex = files.articleIndex;
    source.categoryTexts = std::move(files.articleTitles);
    source.locators = files.locators;
    source.articleTexts = std::move(files.articleTexts);
    ASSERT_GT(source.list.count(), 1);
    source.selected = 0;
    setCurrentQuestionSource(&source);

    Tfrm42* q = openScreen<Tfrm42>();
    settle();
    int references = 0;
    bool steppedReferences = false;
    for (int row = 0; row < source.list.count(); ++row) {
        SCOPED_TRACE(row);
        ASSERT_EQ(q->QuestionRow(), row);
        EXPECT_GE(q->List1->count(), 1);
        for (int t = 3; t >= 1; --t) {
            q->categoryButtons[static_cast<std::size_t>(t - 1)]->click();
            while (q->m3->isVisible()) {
                q->m3->click();
                ++references;
            }
            const CategoryText& c = q->question()->category(t);
            if (!c.references.empty()) {
                ++references;
                ASSERT_GE(q->List3->count(), 2);
                EXPECT_EQ(q->List3->lines()[0],
                          globals().titleTable.entry(referenceBookEntry(c.references.back().book)) +
                              " " + globals().titleTable.entry(categoryEntry(t)));
            }
        }
        if (row == 0) {
            q->categoryButtons[0]->click();
            hold();
            q->Label5->click();
            settle();
            hold();
            EXPECT_EQ(ScreenStack::instance().top()->kind(), std::string("frm48"));
            static_cast<Tfrm48*>(ScreenStack::instance().top())->l1->click();
            settle();
        }
        // The first question with two references or more: both arrows.
        for (LabelControl* button : q->categoryButtons) {
            if (steppedReferences)
                break;
            button->click();
            if (q->m3->isVisible()) {
                q->m3->click();
                EXPECT_TRUE(q->m2->isVisible());
                hover(button);
                hold();
                steppedReferences = true;
            }
        }
        q->Label7->click();
    }
    EXPECT_GT(references, 0);
    EXPECT_TRUE(steppedReferences);
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(QuestionScreenTest, CtrlCCopiesTheQuestionItsCategoryAndReference)
{
    test::FakeDecoder decoder;
    writeThree();
    Tfrm42* q = openQuestion(0);
    QTest::keyClick(q, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "[1q]");
    clickCategory(q, 2);
    QTest::keyClick(q, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "[1q]\n[eerht]\n[15t 44t]\n[1tra]");
    EXPECT_TRUE(errors->shown().empty());
}

} // namespace
} // namespace ovta
