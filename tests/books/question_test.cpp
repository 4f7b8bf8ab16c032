#include "books/question.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "books/book_files.h"
#include "books/book_tables.h"
#include "reading/content_records.h"
#include "store/errors.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::DataBuilder;
using test::fields;

const std::string kOpen = "\xFA";
const std::string kClose = "\xFB";

std::string ref(const std::string& article, const std::string& book)
{
    return kOpen + article + "/" + book + kClose;
}

TEST(CategoryText, ShownPartAndReferences)
{
    const struct {
        const char* name;
        std::string text;
        bool nothing;
        std::string shown;
        std::vector<Reference> refs;
    } cases[] = {
        {"empty", "", true, "", {}},
        {"apostrophe alone", "'", true, "", {}},
        {"apostrophe anywhere", "text ' more" + ref("1", "2"), true, "", {}},
        {"no references", "plain text", false, "plain text", {}},
        {"two references",
         "answer" + ref("12", "3") + ref("7", "0"),
         false,
         "answer",
         {{12, 3}, {7, 0}}},
        {"blanks around the numbers", "a" + ref("  12 ", " 13  "), false, "a", {{12, 13}}},
        {"between references passed over",
         "a" + ref("1", "2") + " \r\n" + ref("3", "4") + "\r\n",
         false,
         "a",
         {{1, 2}, {3, 4}}},
        {"only references", ref("5", "6"), false, "", {{5, 6}}},
        {"bytes past the first mark", "a\r\nb" + ref("5", "6"), false, "a\r\nb", {{5, 6}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CategoryText t;
        parseCategoryText(c.text, "category 1", t);
        EXPECT_EQ(t.nothing, c.nothing);
        EXPECT_EQ(t.shown, c.shown);
        EXPECT_EQ(t.references, c.refs);
    }
}

TEST(CategoryText, AnEleventhReferenceIsARangeErrorKeepingTen)
{
    std::string text = "answer";
    for (int i = 1; i <= 12; ++i)
        text += ref(std::to_string(i), "1");
    CategoryText t;
    try {
        parseCategoryText(text, "category 2 of record 4", t);
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        EXPECT_NE(std::string(e.what()).find("holds 10 entries; reference 11 of category 2 of "
                                             "record 4"),
                  std::string::npos)
            << e.what();
    }
    ASSERT_EQ(t.references.size(), 10u);
    EXPECT_EQ(t.references.back(), (Reference{10, 1}));
    EXPECT_EQ(t.shown, "answer");
}

TEST(CategoryText, AReferenceNotWrittenAsNumbersIsAConversionError)
{
    const struct {
        const char* name;
        std::string reference;
    } cases[] = {
        {"letters", ref("x", "1")},
        {"no slash", kOpen + "12" + kClose},
        {"no close", kOpen + "12/3"},
        {"empty book", ref("12", "  ")},
        {"blank inside a number", ref("1 2", "3")},
        {"too large", ref("99999999999", "3")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CategoryText t;
        try {
            parseCategoryText("a" + ref("1", "2") + c.reference, "category 3", t);
            FAIL() << "no conversion error";
        } catch (const ConversionError& e) {
            EXPECT_NE(std::string(e.what()).find("reference 2 of category 3 is not a number"),
                      std::string::npos)
                << e.what();
        }
        EXPECT_EQ(t.references, (std::vector<Reference>{{1, 2}}));
    }
}

TEST(References, BooksNameTheirLocatorAndHeading)
{
    const struct {
        int book;
        std::int64_t record; // of article 3
        int entry;
    } cases[] = {
        {0, 2, 44},     {4, 12652, 44},  {1, 5702, 45},   {5, 18652, 45},  {2, 7512, 48},
        {6, 20452, 48}, {11, 35452, 48}, {3, 8062, 47},   {8, 21552, 47},  {10, 30852, 47},
        {7, 21052, 49}, {9, 24652, 46},  {12, 35902, 85}, {13, 36052, 85},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.book);
        EXPECT_EQ(referenceRecord({3, c.book}), c.record);
        EXPECT_EQ(referenceBookEntry(c.book), c.entry);
    }
    for (int book : {-1, 14, 1000}) {
        EXPECT_THROW(referenceRecord({1, book}), RangeError);
        EXPECT_THROW(referenceBookEntry(book), RangeError);
    }
    EXPECT_EQ(categoryEntry(1), 50);
    EXPECT_EQ(categoryEntry(2), 51);
    EXPECT_EQ(categoryEntry(3), 52);
    EXPECT_THROW(categoryEntry(0), RangeError);
    EXPECT_THROW(categoryEntry(4), RangeError);
}

// Questions of the question-list book: an article index of 64-character
// records with three category texts each, the article texts the
// references name (book 0, base 0), and the book screen's list.
class QuestionTest : public ::testing::Test {
protected:
    struct Entry {
        std::string title;
        std::vector<std::string> categories; // three
    };

    void write(const std::vector<Entry>& entries, const std::vector<std::string>& articles)
    {
        DataBuilder data;
        std::string index;
        for (const auto& e : entries) {
            const auto [to, tl] = data.add(e.title);
            index += fields({to, tl});
            for (const auto& c : e.categories) {
                const auto [co, cl] = data.add(c);
                index += fields({co, cl});
            }
        }
        DataBuilder texts;
        std::string locators;
        for (const auto& a : articles) {
            const auto [o, l] = texts.add(a);
            locators += fields({o, l});
        }
        std::string lines;
        for (int k = 1; k <= 120; ++k)
            lines += "T" + std::to_string(k) + "\r\n";
        content.write("data\\kenor002", lines);
        content.write("data\\1kenor47", index);
        content.write("data\\kenor46", data.bytes);
        content.write("data\\1kenor44", locators);
        content.write("data\\kenor45", texts.bytes);
        content.write("data\\1kenor413", fields({0, 1, 1, 1}));
        content.write("data\\kenor414", "n");
        std::string map = fields({0, static_cast<long long>(entries.size()) - 1});
        std::string numbers;
        for (std::size_t i = 1; i <= entries.size(); ++i)
            numbers += fields({static_cast<long long>(i)});
        content.write("data\\1kenor416", map);
        content.write("data\\1kenor415", numbers);

        const ContentDir dir(content.path());
        titles.load(dir);
        // The files of the list screen's book 1; the list is built without its base.
        const BookInfo info = bookInfo(BookScreen::Frm43, 1);
        files.open(dir, info.files);
        ArticleListRules rules{64, 1, 0, false, 101, "frm43"};
        list.build({files.groupMap, files.articleNumbers, files.articleIndex, files.articleTitles},
                   rules, 1);
        question = std::make_unique<Question>(list,
                                              QuestionFiles{files.articleIndex, files.articleTitles,
                                                            files.locators, files.articleTexts},
                                              titles);
    }

    test::FixtureDir content;
    TitleTable titles;
    BookFiles files;
    ArticleList list;
    std::unique_ptr<Question> question;
};

TEST_F(QuestionTest, ReferencesStepWithTheirArrows)
{
    write({{"q1",
            {"one" + ref("1", "0"), "three" + ref("1", "0") + ref("2", "0") + ref("3", "0"), "'"}},
           {"q2", {"", "next" + ref("3", "0") + ref("2", "0"), "x"}}},
          {"art1", "art2", "art3"});
    question->show(0);
    EXPECT_EQ(question->chosen(), 0);
    EXPECT_EQ(question->questionBox().lines(), (std::vector<std::string>{"q1"}));

    question->choose(1);
    EXPECT_EQ(question->categoryBox().lines(), (std::vector<std::string>{"one"}));
    EXPECT_EQ(question->referenceBox().lines(), (std::vector<std::string>{"T44 T50", "art1"}));
    EXPECT_FALSE(question->previousArrowShown());
    EXPECT_FALSE(question->nextArrowShown());

    question->choose(2);
    EXPECT_EQ(question->cursor(), 1);
    EXPECT_FALSE(question->previousArrowShown());
    EXPECT_TRUE(question->nextArrowShown());
    EXPECT_TRUE(question->nextReference());
    EXPECT_TRUE(question->previousArrowShown());
    EXPECT_TRUE(question->nextArrowShown());
    EXPECT_TRUE(question->nextReference());
    EXPECT_EQ(question->cursor(), 3);
    EXPECT_FALSE(question->nextArrowShown());
    EXPECT_FALSE(question->nextReference());
    EXPECT_EQ(question->referenceBox().lines(), (std::vector<std::string>{"T44 T51", "art3"}));
    EXPECT_TRUE(question->previousReference());
    EXPECT_TRUE(question->previousReference());
    EXPECT_EQ(question->cursor(), 1);
    EXPECT_FALSE(question->previousArrowShown());
    EXPECT_TRUE(question->nextArrowShown());
    EXPECT_FALSE(question->previousReference());

    // "'" has nothing: boxes empty, both arrows hidden.
    question->choose(3);
    EXPECT_EQ(question->categoryBox().count(), 0);
    EXPECT_EQ(question->referenceBox().count(), 0);
    EXPECT_FALSE(question->previousArrowShown());
    EXPECT_FALSE(question->nextArrowShown());
}

TEST_F(QuestionTest, TheNextQuestionKeepsTheCategoryFromItsFirstReference)
{
    write({{"q1", {"a", "b" + ref("1", "0") + ref("2", "0"), "c"}},
           {"q2", {"", "next" + ref("3", "0") + ref("2", "0"), "x"}}},
          {"art1", "art2", "art3"});
    question->show(0);
    EXPECT_FALSE(question->previousQuestion());
    question->choose(2);
    question->nextReference();
    ASSERT_EQ(question->cursor(), 2);
    EXPECT_TRUE(question->nextQuestion());
    EXPECT_EQ(question->row(), 1);
    EXPECT_EQ(question->chosen(), 2);
    EXPECT_EQ(question->cursor(), 1);
    EXPECT_EQ(question->categoryBox().lines(), (std::vector<std::string>{"next"}));
    EXPECT_EQ(question->referenceBox().lines(), (std::vector<std::string>{"T44 T51", "art3"}));
    EXPECT_FALSE(question->nextQuestion());
    EXPECT_TRUE(question->previousQuestion());
    EXPECT_EQ(question->row(), 0);
    EXPECT_EQ(question->category(1).shown, "a");
    EXPECT_THROW(question->show(2), RangeError);
}

TEST_F(QuestionTest, ATextWithoutReferencesShowsNone)
{
    write({{"q1", {"only text", "", ""}}}, {"art1"});
    question->show(0);
    question->choose(1);
    EXPECT_EQ(question->categoryBox().lines(), (std::vector<std::string>{"only text"}));
    EXPECT_EQ(question->referenceBox().count(), 0);
    EXPECT_FALSE(question->nextArrowShown());
    EXPECT_FALSE(question->nextReference());
}

TEST_F(QuestionTest, ABadCategoryIsReportedAfterTheOthersAreRead)
{
    std::string eleven = "many";
    for (int i = 0; i < 11; ++i)
        eleven += ref("1", "0");
    write({{"q1", {eleven, "fine" + ref("1", "0"), "x" + ref("1", "14")}}}, {"art1"});
    question->choose(2);
    EXPECT_THROW(question->show(0), RangeError);
    EXPECT_EQ(question->category(1).references.size(), 10u);
    EXPECT_EQ(question->category(2).shown, "fine");
    // The chosen category was chosen again.
    EXPECT_EQ(question->referenceBox().lines(), (std::vector<std::string>{"T44 T51", "art1"}));
    // Book 14 fails when its reference is shown.
    EXPECT_THROW(question->choose(3), RangeError);
    EXPECT_EQ(question->categoryBox().lines(), (std::vector<std::string>{"x"}));
    EXPECT_EQ(question->referenceBox().count(), 0);
}

TEST_F(QuestionTest, TheTitleWrapsRightPartFirst)
{
    write({{"aa bb cc", {"", "", ""}}}, {});
    question->setMeasure([](std::string_view t) { return 60 * static_cast<int>(t.size()); },
                         [](std::string_view t) { return static_cast<int>(t.size()); });
    question->show(0);
    EXPECT_EQ(question->titleLines(), (std::vector<std::string>{"bb cc", "aa "}));
    EXPECT_EQ(question->questionBox().lines(), (std::vector<std::string>{"bb cc", "aa "}));
}

} // namespace
} // namespace ovta
