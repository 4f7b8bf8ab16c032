// The topic lists frm02, frm45 and frm82: what they list, the number a row
// hands its reader, paging with auto-repeat, hover pictures, the
// magnifier, the keyboard cycle and the capacity of the number table.
#include <QTest>
#include <gtest/gtest.h>

#include "reading/frm02.h"
#include "reading/reader_screen.h"
#include "reading/reading_test_support.h"
#include "reading/topic_list_screen.h"
#include "search/glyph_encoder.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"
#include "shell/screen_stack.h"
#include "shell/search_host.h"
#include "support/fake_decoder.h"

namespace ovta {
namespace {

class TopicListTest : public test::ReadingTest {
protected:
    // Grouped topics for frm02: titles "gG-i" in groups cycling 1..4, and
    // articles 1..n whose texts name their record.
    void writeFrm02(int n, const char* list = "data\\1kenor01",
                    const char* titles = "data\\kenor02")
    {
        std::vector<std::vector<long long>> records;
        std::vector<std::string> texts;
        for (int i = 0; i < n; ++i) {
            const int group = 1 + i % 4;
            records.push_back({0, 0, group, i + 1});
            texts.push_back("g" + std::to_string(group) + "-" + std::to_string(i));
        }
        writeTopics(list, titles, records, texts, {0, 1});
        writeReaderFiles("data\\1kenor010", "data\\1kenor011", "data\\kenor09", 7, n);
    }

    void writeReaderFiles(const char* loc, const char* sec, const char* data, int pairs, int n)
    {
        std::vector<test::ArticleSpec> articles;
        for (int i = 0; i < n; ++i) {
            const std::string text = "record " + std::to_string(i);
            articles.push_back({"H\r\n" + text, {3, static_cast<long long>(text.size())}});
        }
        writeArticles(loc, sec, data, articles, pairs);
    }

    // OrderB topics (offset, length, article) with the given article numbers.
    void writeOrderB(const char* list, const char* titles, const std::vector<int>& articles)
    {
        std::vector<std::vector<long long>> records;
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < articles.size(); ++i) {
            records.push_back({0, 0, articles[i]});
            texts.push_back("topic " + std::to_string(i));
        }
        writeTopics(list, titles, records, texts, {0, 1});
    }

    template <class T> T* open(int item = 0)
    {
        globals().CurrentItem = item;
        return openScreen<T>();
    }

    static std::vector<std::string> captions(TopicListScreen* list)
    {
        std::vector<std::string> out;
        for (LabelControl* row : list->rows)
            if (row->isVisible())
                out.push_back(row->glyphText());
        return out;
    }
};

TEST_F(TopicListTest, Frm02ListsTheGroupOfCurrentItemUnderItsHeading)
{
    writeFrm02(14);
    Tfrm02* list = open<Tfrm02>(3);
    EXPECT_EQ(captions(list), (std::vector<std::string>{"g3-2", "g3-6", "g3-10"}));
    EXPECT_EQ(list->rows[0]->Tag, 3) << "the article number";
    EXPECT_FALSE(list->rows[3]->isVisible());
    EXPECT_EQ(list->Label3->glyphText(), "t13");
    EXPECT_EQ(globals().ListTop, 0);
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(TopicListTest, Frm02WithItem7ReadsItsOwnFilesAndHeading)
{
    writeFrm02(8);
    writeTopics("data\\1kenor022", "data\\kenor023", {{0, 0, 7, 5}, {0, 0, 1, 6}, {0, 0, 7, 2}},
                {"seven-a", "one", "seven-b"}, {0, 1});
    Tfrm02* list = open<Tfrm02>(7);
    EXPECT_EQ(captions(list), (std::vector<std::string>{"seven-a", "seven-b"}));
    EXPECT_EQ(list->Label3->glyphText(), "t95");
    EXPECT_TRUE(errors->shown().empty());

    Tfrm02* other = open<Tfrm02>(8);
    EXPECT_EQ(other->Label3->glyphText(), "t96");
    Tfrm02* none = open<Tfrm02>(9);
    EXPECT_EQ(none->Label3->glyphText(), "") << "no heading for another item";
}

TEST_F(TopicListTest, TheFourthRowOpensTheReaderOnTheRightRecord)
{
    // Articles 9..12 in each list; the fourth holds article number 12.
    writeFrm02(0);
    writeTopics("data\\1kenor01", "data\\kenor02",
                {{0, 0, 1, 9}, {0, 0, 1, 10}, {0, 0, 1, 11}, {0, 0, 1, 12}}, {"a", "b", "c", "d"},
                {0, 1});
    writeReaderFiles("data\\1kenor010", "data\\1kenor011", "data\\kenor09", 7, 20);
    writeOrderB("data\\1kenor49", "data\\kenor490", {9, 10, 11, 12});
    writeReaderFiles("data\\1kenor410", "data\\1kenor411", "data\\kenor48", 7, 20);
    writeOrderB("data\\1kenor84", "data\\kenor88", {9, 10, 11, 12});
    writeReaderFiles("data\\1kenor86", "data\\1kenor85", "data\\kenor87", 10, 20);

    struct Case {
        const char* kind;
        int tag;
        int item;
    };
    for (const Case& c : {Case{"frm02", 12, 12}, Case{"frm45", 11, 11}, Case{"frm82", 12, 11}}) {
        SCOPED_TRACE(c.kind);
        globals().CurrentItem = 1;
        openKind(c.kind);
        auto* list = static_cast<TopicListScreen*>(ScreenStack::instance().top());
        ASSERT_STREQ(list->kind(), c.kind);
        LabelControl* fourth = list->rows[3];
        EXPECT_EQ(fourth->Tag, c.tag);
        QTest::mouseClick(fourth, Qt::LeftButton);
        EXPECT_EQ(globals().CurrentItem, c.item);
        EXPECT_EQ(globals().CurrentTitle, fourth->glyphText());
        auto* reader = static_cast<ReaderScreen*>(ScreenStack::instance().top());
        ASSERT_NE(static_cast<Screen*>(reader), static_cast<Screen*>(list));
        EXPECT_EQ(reader->article().text(), "H\r\nrecord 11") << reader->kind();
        EXPECT_EQ(reader->lname->glyphText(), fourth->glyphText());
        reader->l9->click();
        settle();
        EXPECT_EQ(ScreenStack::instance().top(), list) << "the list is in view again";
        list->l2->click();
        settle();
    }
    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
}

TEST_F(TopicListTest, PagingMovesListTopAndHidesRowsPastTheEnd)
{
    writeOrderB("data\\1kenor84", "data\\kenor88",
                {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25});
    Tfrm82* list = open<Tfrm82>();
    QTest::mouseClick(list->l8, Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 8);
    QTest::mouseClick(list->l8, Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 16);
    EXPECT_EQ(list->rows[8]->glyphText(), "topic 24");
    QTest::mouseClick(list->l4, Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 16) << "16 is the largest top of 25 entries";
    QTest::mouseClick(list->l3, Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 15);
    EXPECT_EQ(list->rows[0]->glyphText(), "topic 15");
    EXPECT_EQ(list->rows[0]->Tag, 16);
}

// The page keys move the window as the page arrows do and go to its ends;
// Up and Down stay with the hot spots.
TEST_F(TopicListTest, PageKeysPageTheListToItsEnds)
{
    useFakePointer();
    writeOrderB("data\\1kenor84", "data\\kenor88",
                {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25});
    Tfrm82* list = open<Tfrm82>();
    const struct {
        const char* name;
        Qt::Key key;
        int top;
    } steps[] = {{"Page Down", Qt::Key_PageDown, 8},
                 {"End", Qt::Key_End, 16},
                 {"Page Up", Qt::Key_PageUp, 8},
                 {"Home", Qt::Key_Home, 0}};
    for (const auto& st : steps) {
        QTest::keyClick(list, st.key);
        EXPECT_EQ(globals().ListTop, st.top) << st.name;
    }
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->rows[8]->glyphText(), "topic 24");
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(globals().ListTop, 16) << "Down steps the hot spots, not the list";
    EXPECT_TRUE(errors->shown().empty());
}

TEST_F(TopicListTest, ShortListHidesTheRowsWithoutEntries)
{
    writeOrderB("data\\1kenor84", "data\\kenor88", {1, 2, 3, 4});
    Tfrm82* list = open<Tfrm82>();
    EXPECT_EQ(captions(list).size(), 4u);
    for (std::size_t k = 4; k < 9; ++k)
        EXPECT_FALSE(list->rows[k]->isVisible()) << k;
    QTest::mouseClick(list->l8, Qt::LeftButton);
    QTest::mouseClick(list->l4, Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 0);
}

TEST_F(TopicListTest, HeldLineArrowRepeatsWithTheTimerForTheLeftButtonOnly)
{
    std::vector<int> many(60);
    for (int i = 0; i < 60; ++i)
        many[static_cast<std::size_t>(i)] = i + 1;
    writeOrderB("data\\1kenor84", "data\\kenor88",
                std::vector<int>(many.begin(), many.begin() + 30));
    Tfrm82* list = open<Tfrm82>();

    QTest::mousePress(list->l4, Qt::RightButton);
    EXPECT_FALSE(list->t2->enabled()) << "a right press starts nothing";
    QTest::mouseRelease(list->l4, Qt::RightButton);

    QTest::mousePress(list->l4, Qt::LeftButton);
    EXPECT_TRUE(list->t2->enabled());
    EXPECT_GT(z(list->pressedDown), z(list->m1)) << "the arrow shows pressed";
    EXPECT_EQ(globals().ListTop, 0) << "the press does not move";
    for (int i = 0; i < 10; ++i)
        list->t2->fire();
    EXPECT_EQ(globals().ListTop, 10);
    QTest::mouseRelease(list->l4, Qt::LeftButton);
    EXPECT_FALSE(list->t2->enabled());
    EXPECT_LT(z(list->pressedDown), z(list->m1));
    EXPECT_EQ(globals().ListTop, 11) << "the click that ends the press steps once more";
    EXPECT_EQ(Tfrm82::state().repeatDirection, 2) << "the direction outlives the release";

    hover(list->m1);
    EXPECT_EQ(Tfrm82::state().repeatDirection, 0);
    list->t2->fire();
    EXPECT_EQ(globals().ListTop, 11);
}

TEST_F(TopicListTest, Frm02SharesItsKeyPositionWithTheRepeatDirection)
{
    writeFrm02(40);
    Tfrm02* list = open<Tfrm02>(1);
    QTest::mousePress(list->l3, Qt::LeftButton);
    QTest::mouseRelease(list->l3, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(Tfrm02::state().keyPosition, 1);
    QTest::mousePress(list->l4, Qt::LeftButton);
    EXPECT_EQ(Tfrm02::state().keyPosition, 2);
    QTest::mouseRelease(list->l4, Qt::LeftButton);
    hover(list->m1);
    EXPECT_EQ(Tfrm02::state().keyPosition, 0);
}

TEST_F(TopicListTest, BackAndSearchHoverPictures)
{
    content.write("data1\\kenorb1.bmp", "");
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::green);
    picture.save(QString::fromStdString((content.path() / "data1" / "kenorb2.bmp").string()));
    picture.fill(Qt::blue);
    picture.save(QString::fromStdString((content.path() / "data1" / "kenorb1.bmp").string()));
    writeOrderB("data\\1kenor49", "data\\kenor490", {1, 2});
    writeReaderFiles("data\\1kenor410", "data\\1kenor411", "data\\kenor48", 7, 2);
    Tfrm45* list = open<Tfrm45>();
    EXPECT_LT(z(list->m2), z(list->m1));

    hover(list->l2);
    EXPECT_EQ(Tfrm45::state().backHover, 1);
    EXPECT_GT(z(list->m2), z(list->m1));
    EXPECT_GT(z(list->l2), z(list->m2)) << "the back button stays clickable over its picture";

    hover(list->search);
    EXPECT_EQ(Tfrm45::state().searchHover, 1);
    EXPECT_EQ(list->search->picture().toImage().pixelColor(10, 10), QColor(Qt::green));

    hover(list->m1);
    EXPECT_EQ(Tfrm45::state().backHover, 0);
    EXPECT_EQ(Tfrm45::state().searchHover, 0);
    EXPECT_LT(z(list->m2), z(list->m1));
    EXPECT_EQ(list->search->picture().toImage().pixelColor(10, 10), QColor(Qt::blue));

    EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
    // The click opens the search dialog modally over the list; close it.
    std::string dialogKind;
    QTimer::singleShot(0, [&] {
        Screen* top = ScreenStack::instance().top();
        if (top && top != list && top->isModal()) {
            dialogKind = top->kind();
            top->closeModal();
        }
    });
    QTest::mouseClick(list->search, Qt::LeftButton);
    EXPECT_EQ(dialogKind, "sear");
    EXPECT_EQ(ScreenStack::instance().top(), list);
    EXPECT_EQ(globals().SearchSource, 45);
    EXPECT_EQ(searchHost(45), list) << "the search dialog finds the list";
    EXPECT_EQ(searchHost(45)->searchTitles(), list->entries().titles());

    QTest::mouseClick(list->l2, Qt::LeftButton);
    settle();
    EXPECT_FALSE(Tfrm45::instance);
    EXPECT_EQ(searchHost(45), nullptr);
}

TEST_F(TopicListTest, SearchDialogMovesTheWindowThroughTheHost)
{
    std::vector<int> articles;
    for (int i = 1; i <= 30; ++i)
        articles.push_back(i);
    writeOrderB("data\\1kenor84", "data\\kenor88", articles);
    Tfrm82* list = open<Tfrm82>();
    globals().ListTop = 20;
    searchHost(82)->refreshFromListTop();
    EXPECT_EQ(list->rows[0]->glyphText(), "topic 20");
    EXPECT_EQ(list->rows[8]->glyphText(), "topic 28");
}

TEST_F(TopicListTest, Frm82CapacityIsARangeErrorAtThe31stKeepingThirty)
{
    std::vector<int> articles;
    for (int i = 1; i <= 31; ++i)
        articles.push_back(i);
    writeOrderB("data\\1kenor84", "data\\kenor88", articles);
    Tfrm82* list = open<Tfrm82>();
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("record 31"), std::string::npos) << errors->shown()[0];
    EXPECT_EQ(list->entries().count(), 30);
    EXPECT_EQ(captions(list).size(), 9u) << "what was read is listed";
}

TEST_F(TopicListTest, MissingTopicFileLeavesAnEmptyListAfterTheReport)
{
    Tfrm45* list = open<Tfrm45>();
    ASSERT_EQ(errors->shown().size(), 1u);
    EXPECT_NE(errors->shown()[0].find("data\\1kenor410"), std::string::npos) << errors->shown()[0];
    EXPECT_TRUE(captions(list).empty());
    QTest::mouseClick(list->l8, Qt::LeftButton);
    EXPECT_EQ(globals().ListTop, 0);
}

TEST_F(TopicListTest, KeysCycleWithThePointerRightOfTheRowCentres)
{
    test::FakePointer* pointer = useFakePointer();
    writeOrderB("data\\1kenor49", "data\\kenor490", {5, 6, 7});
    writeReaderFiles("data\\1kenor410", "data\\1kenor411", "data\\kenor48", 7, 10);
    Tfrm45* list = open<Tfrm45>();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Tfrm45::state().keyPosition, 1);
    const QRect row = list->rows[0]->geometry();
    EXPECT_EQ(pointer->at, list->mapToGlobal(QPoint(row.left() + row.width() / 2 + 30,
                                                    row.top() + row.height() / 2)));
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(Tfrm45::state().keyPosition, 15) << "wraps to the search button";
    EXPECT_EQ(pointer->at, list->search->mapToGlobal(QPoint(32, 32)));
    // Enter clicks what lies under the pointer: the second row.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Tfrm45::state().keyPosition, 2);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(globals().CurrentItem, 5) << "article 6, kept as 5";
    ASSERT_TRUE(Tfrm46::instance);
    Tfrm46::instance->l9->click();
    settle();
    QTest::keyClick(list, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(Tfrm45::instance) << "Esc clicks the back button";
}

TEST_F(TopicListTest, MagnifierShowsAWideTitleOverItsRow)
{
    if (!installFonts())
        GTEST_SKIP() << "the demo glyph fonts were not built";
    // Two titles far wider than a 197-pixel row, one that fits.
    const std::string wide = encodeGlyphText("المسح على الخفين والجوربين في السفر والحضر");
    writeTopics("data\\1kenor84", "data\\kenor88", {{0, 0, 1}, {0, 0, 2}, {0, 0, 3}},
                {wide, encodeGlyphText("الوضوء"), wide + encodeGlyphText(" والإقامة")}, {0, 1});
    Tfrm82* list = open<Tfrm82>();
    LabelControl* row = list->rows[0];
    hover(row);
    EXPECT_EQ(Tfrm82::state().magnifier, 1);
    EXPECT_EQ(list->labcamov->glyphText(), row->glyphText());
    EXPECT_EQ(list->labcamov->geometry().right(), row->geometry().right());
    EXPECT_EQ(list->labcamov->y(), row->y());
    EXPECT_GT(list->labcamov->width(), row->width());
    EXPECT_GT(z(row), z(list->labcamov)) << "the row stays on top";

    hover(list->rows[2]);
    EXPECT_EQ(Tfrm82::state().magnifier, 3) << "moves to the next wide row";
    EXPECT_EQ(list->labcamov->y(), list->rows[2]->y());

    hover(list->rows[1]);
    EXPECT_EQ(Tfrm82::state().magnifier, 0) << "a title that fits clears it";
    EXPECT_EQ(list->labcamov->glyphText(), "");

    hover(list->rows[0]);
    hover(list->m1);
    EXPECT_EQ(list->labcamov->y(), 1000) << "the background moves it out of sight";
}

// Ctrl+C copies the title of the row the keys (or the mouse) rest on.
TEST_F(TopicListTest, CtrlCCopiesTheRowUnderThePointer)
{
    test::FakeDecoder decoder;
    useFakePointer();
    writeOrderB("data\\1kenor49", "data\\kenor490", {5, 6, 7});
    writeReaderFiles("data\\1kenor410", "data\\1kenor411", "data\\kenor48", 7, 10);
    Tfrm45* list = open<Tfrm45>();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), "before") << "no row chosen: nothing copied";
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    const std::string second = list->rows[1]->glyphText();
    ASSERT_FALSE(second.empty());
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(decoder.clipboard(), test::FakeDecoder::decode(second));
    EXPECT_TRUE(errors->shown().empty());
}

} // namespace
} // namespace ovta
