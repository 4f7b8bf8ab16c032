// The questions of the demo question books, read as the question screen
// reads them: each listed article's record in "data\1kenor47" gives the
// question and three category texts; a text that holds "'" or nothing means
// nothing, otherwise it is cut at its first 0xFA into the shown part and a
// run of references [article/book], which must name an article text of the
// shelf ("data\1kenor44" record BookBase[book] + article - 1).
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <set>

#include "demo/book_demo_support.h"
#include "store/text_lines.h"

namespace ovta::demo {
namespace {

using test::bookDemoDir;

constexpr int kBookBase[14] = {0,     5700,  7510,  8060,  12650, 18650, 20450,
                               21050, 21550, 24650, 30850, 35450, 35900, 36050};

struct Reference {
    int article, book;
};

struct Category {
    bool nothing = false;
    std::string shown;
    std::vector<Reference> references;
    bool blanks = false; // some number had blanks round it
};

// Reads one number with the blanks round it; nothing when there is none.
std::optional<int> number(std::string_view s, std::size_t& at, bool& blanks)
{
    const auto skip = [&] {
        while (at < s.size() && s[at] == ' ') {
            ++at;
            blanks = true;
        }
    };
    skip();
    const std::size_t start = at;
    while (at < s.size() && std::isdigit(static_cast<unsigned char>(s[at])))
        ++at;
    if (at == start || at - start > 6)
        return std::nullopt;
    const int value = std::stoi(std::string(s.substr(start, at - start)));
    skip();
    return value;
}

// A category text as the question screen takes it apart; nothing for a
// reference list it could not read.
std::optional<Category> parse(const std::string& text)
{
    Category c;
    if (text.empty() || text.find('\'') != std::string::npos) {
        c.nothing = true;
        return c;
    }
    const std::size_t cut = text.find('\xFA');
    c.shown = text.substr(0, cut);
    const std::string_view refs =
        cut == std::string::npos ? std::string_view{} : std::string_view(text).substr(cut);
    std::size_t at = 0;
    while (at < refs.size()) {
        if (refs[at++] != '\xFA')
            return std::nullopt;
        const auto article = number(refs, at, c.blanks);
        if (!article || at >= refs.size() || refs[at++] != '/')
            return std::nullopt;
        const auto book = number(refs, at, c.blanks);
        if (!book || at >= refs.size() || refs[at++] != '\xFB')
            return std::nullopt;
        c.references.push_back({*article, *book});
    }
    return c;
}

TEST(QuestionCategories, ParserTakesTextsApartAsTheScreenDoes)
{
    const auto plain = parse("abc\xFA"
                             "12/3\xFB\xFA 7 / 12 \xFB");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->shown, "abc");
    ASSERT_EQ(plain->references.size(), 2u);
    EXPECT_EQ(plain->references[1].article, 7);
    EXPECT_EQ(plain->references[1].book, 12);
    EXPECT_TRUE(plain->blanks);
    EXPECT_TRUE(parse("ab'c\xFA"
                      "1/1\xFB")
                    ->nothing);
    EXPECT_TRUE(parse("")->nothing);
    EXPECT_FALSE(parse("x\xFA"
                       "1-1\xFB"));
    EXPECT_FALSE(parse("x\xFA"
                       "1/1"));
}

// Every article of the ten books that a list names (its run, plus its
// base), once each.
std::set<int> listedQuestions()
{
    const ContentDir dir = bookDemoDir();
    const int bases[10] = {4782, 0, 5205, 3788, 4922, 4472, 110, 110, 3025, 3906};
    std::set<int> out;
    for (int b = 1; b <= 10; ++b) {
        const auto n = [&](int k) { return std::to_string(9 + 4 * b + k); };
        const auto tree = test::readTree(dir, "data\\1kenor4" + n(0), "data\\kenor4" + n(1),
                                         test::kArticleListTree);
        const auto numbers = IndexList::load(dir, "data\\1kenor4" + n(2));
        const auto groups = IndexList::load(dir, "data\\1kenor4" + n(3));
        for (const auto& node : tree.nodes) {
            const int g = node.fields[3];
            if (g <= 0)
                continue;
            for (int t = groups.field(g - 1, 16, 1); t <= groups.field(g - 1, 16, 2); ++t)
                out.insert(numbers.field(t, 8, 1) + bases[b - 1]);
        }
    }
    return out;
}

TEST(QuestionCategories, EveryReferenceNamesAShelfArticleWithAText)
{
    const ContentDir dir = bookDemoDir();
    const auto index = IndexList::load(dir, "data\\1kenor47");
    const DataFile texts = DataFile::open(dir, "data\\kenor46");
    const auto locators = IndexList::load(dir, "data\\1kenor44");
    const DataFile articles = DataFile::open(dir, "data\\kenor45");
    bool withRefs = false, textOnly = false, refsOnly = false, quote = false, empty = false,
         blanks = false, one = false, several = false;
    int overTen = 0;
    for (const int a : listedQuestions()) {
        SCOPED_TRACE(testing::Message() << "article " << a);
        ASSERT_LE(a, index.recordCount(64));
        const std::string question =
            texts.read(index.field(a - 1, 64, 1), index.field(a - 1, 64, 2));
        EXPECT_FALSE(question.empty());
        EXPECT_EQ(lineCount(question), 1u);
        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE(testing::Message() << "category " << k);
            const std::int32_t length = index.field(a - 1, 64, 2 * k + 2);
            const std::string text = texts.read(index.field(a - 1, 64, 2 * k + 1), length);
            ASSERT_EQ(static_cast<std::int32_t>(text.size()), length);
            const auto c = parse(text);
            ASSERT_TRUE(c) << "a reference list the screen cannot read";
            empty = empty || text.empty();
            quote = quote || (!text.empty() && c->nothing);
            if (c->nothing)
                continue;
            withRefs = withRefs || (!c->shown.empty() && !c->references.empty());
            textOnly = textOnly || c->references.empty();
            refsOnly = refsOnly || (c->shown.empty() && !c->references.empty());
            blanks = blanks || c->blanks;
            one = one || c->references.size() == 1;
            several = several || c->references.size() >= 3;
            overTen += c->references.size() > 10;
            for (const auto& r : c->references) {
                ASSERT_GE(r.book, 0);
                ASSERT_LE(r.book, 13);
                ASSERT_GE(r.article, 1);
                const int record = kBookBase[r.book] + r.article - 1;
                ASSERT_LT(record, locators.recordCount(16));
                if (r.book < 13) {
                    EXPECT_LT(record, kBookBase[r.book + 1]) << "runs into the next book";
                }
                EXPECT_GT(lineCount(articles.read(locators.field(record, 16, 1),
                                                  locators.field(record, 16, 2))),
                          0u)
                    << "reference " << r.article << "/" << r.book << " names an empty article";
            }
        }
    }
    EXPECT_TRUE(withRefs);
    EXPECT_TRUE(textOnly);
    EXPECT_TRUE(refsOnly) << "references with an empty shown part";
    EXPECT_TRUE(quote) << "a text of \"'\"";
    EXPECT_TRUE(empty);
    EXPECT_TRUE(blanks) << "references with blanks round the numbers";
    EXPECT_TRUE(one && several) << "one reference (arrows hidden) and three or more";
    // More than ten is the screen's range error: one such text, no more.
    EXPECT_EQ(overTen, 1);
}

} // namespace
} // namespace ovta::demo
