#include "search/fulltext_index.h"

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "search/fulltext_builder.h"
#include "search/fulltext_documents.h"

#include <gtest/gtest.h>

namespace ovta {
namespace {

FullTextIndex indexOf(std::initializer_list<const char*> texts)
{
    FullTextIndex index;
    int n = 0;
    for (const char* text : texts)
        index.add(Document{"doc " + std::to_string(n++), text, {}, {}});
    return index;
}

struct MatchCase {
    const char* name;
    const char* text;
    const char* query;
    std::size_t hits;
    const char* firstMatched; // the span of the text the first hit covers
};

class FullTextMatchTest : public testing::TestWithParam<MatchCase> {};

TEST_P(FullTextMatchTest, FindsTheSpanAsWritten)
{
    const MatchCase& c = GetParam();
    const FullTextIndex index = indexOf({c.text});
    const auto hits = index.find(c.query, 100);
    ASSERT_EQ(hits.size(), c.hits);
    if (c.hits == 0)
        return;
    const std::u16string text = utf8ToUtf16(c.text);
    EXPECT_EQ(utf16ToUtf8(text.substr(hits[0].offset, hits[0].length)), c.firstMatched);
}

INSTANTIATE_TEST_SUITE_P(
    Folding, FullTextMatchTest,
    testing::Values(MatchCase{"plain", "غزوة خيبر في السنة السابعة", "خيبر", 1, "خيبر"},
                    MatchCase{"short_vowels_in_text", "كَتَبَ الكاتبُ", "كتب", 1, "كَتَبَ"},
                    MatchCase{"short_vowels_in_query", "كتب الكاتب", "كَتَبَ", 1, "كتب"},
                    MatchCase{"tatweel", "الكـــتاب", "الكتاب", 1, "الكـــتاب"},
                    MatchCase{"alef_with_hamza", "قال أحمد", "احمد", 1, "أحمد"},
                    MatchCase{"alef_madda_in_query", "القران", "القرآن", 1, "القران"},
                    MatchCase{"arabic_indic_digits", "سنة ٦٢٤ م", "624", 1, "٦٢٤"},
                    MatchCase{"line_break_between_words", "غزوة\r\nبدر", "غزوة بدر", 1,
                              "غزوة\r\nبدر"},
                    MatchCase{"blank_runs", "غزوة    بدر", "غزوة بدر", 1, "غزوة    بدر"},
                    MatchCase{"query_blanks_trimmed", "غزوة بدر", "  بدر ", 1, "بدر"},
                    MatchCase{"latin_case", "Surat Al-Fatiha", "al-fatiha", 1, "Al-Fatiha"},
                    MatchCase{"every_occurrence", "بدر ثم بدر ثم بدر", "بدر", 3, "بدر"},
                    MatchCase{"teh_marbuta_is_not_heh", "مكة", "مكه", 0, ""},
                    MatchCase{"no_match", "غزوة بدر", "أحد", 0, ""},
                    MatchCase{"query_of_vowels_only", "كتب", "َُ", 0, ""},
                    MatchCase{"empty_query", "كتب", "", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FullTextIndexTest, NeverMatchesAcrossTwoDocuments)
{
    const FullTextIndex index = indexOf({"آخر الأول غزوة", "بدر أول الثاني"});
    EXPECT_TRUE(index.find("غزوة بدر", 10).empty());
    const auto hits = index.find("بدر", 10);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].document, 1u);
}

TEST(FullTextIndexTest, HitsComeInDocumentOrderAndStopAtTheLimit)
{
    const FullTextIndex index = indexOf({"نور", "لا شيء", "نور ونور", "نور"});
    bool more = false;
    auto hits = index.find("نور", 3, &more);
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_TRUE(more);
    EXPECT_EQ(hits[0].document, 0u);
    EXPECT_EQ(hits[1].document, 2u);
    EXPECT_EQ(hits[2].document, 2u);
    hits = index.find("نور", 4, &more);
    EXPECT_EQ(hits.size(), 4u);
    EXPECT_FALSE(more);
}

TEST(FullTextIndexTest, OffsetsStayExactFarIntoALongDocument)
{
    // Many dropped characters before the hit move the folded text away from
    // the original one; the hit must still point at the original span.
    std::string text;
    for (int i = 0; i < 500; ++i)
        text += "كَتَبَ  ";
    text += "خَيْبَر";
    const FullTextIndex index = indexOf({text.c_str()});
    const auto hits = index.find("خيبر", 10);
    ASSERT_EQ(hits.size(), 1u);
    const std::u16string original = utf8ToUtf16(text);
    EXPECT_EQ(utf16ToUtf8(original.substr(hits[0].offset, hits[0].length)), "خَيْبَر");
}

TEST(FullTextIndexTest, ContextKeepsWholeWordsAroundTheHitOnOneLine)
{
    std::string text = "بداية ";
    for (int i = 0; i < 20; ++i)
        text += "كلمة ";
    text += "خيبر\n";
    for (int i = 0; i < 20; ++i)
        text += "أخرى ";
    const FullTextIndex index = indexOf({text.c_str()});
    const auto hits = index.find("خيبر", 1);
    ASSERT_EQ(hits.size(), 1u);
    const std::string& context = hits[0].context;
    EXPECT_NE(context.find("كلمة خيبر أخرى"), std::string::npos) << context;
    EXPECT_EQ(context.find("بداية"), std::string::npos) << "too much context: " << context;
    EXPECT_EQ(context.find('\n'), std::string::npos);
    EXPECT_NE(context.front(), ' ');
    // No word cut in half at either end.
    EXPECT_EQ(context.rfind("كلمة", 0), 0u) << context;
    EXPECT_EQ(context.substr(context.size() - std::string("أخرى").size()), "أخرى") << context;
}

TEST(FullTextIndexTest, DamagedUtf8NeverBreaksTheIndex)
{
    const FullTextIndex index = indexOf({"\xff\xfe\xd8 خيبر \xe0\x80", "\xf0\x9f\x98\x80 بدر"});
    EXPECT_EQ(index.find("خيبر", 10).size(), 1u);
    const auto hits = index.find("بدر", 10);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].offset, 3u); // after a surrogate pair and a blank
}

TEST(FullTextIndexTest, Utf8RoundTripsThroughUtf16)
{
    for (const char* s : {"", "abc", "غزوة خيبر", "٦٢٤", "\xf0\x9f\x98\x80x"})
        EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(s)), s);
}

} // namespace
} // namespace ovta

namespace ovta {
namespace {

void waitUntilReady(const FullTextBuilder& builder)
{
    while (!builder.ready())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(FullTextBuilderTest, BuildsOnItsOwnThreadAndSearchesWhenReady)
{
    FullTextBuilder builder;
    const auto caller = std::this_thread::get_id();
    std::thread::id collector;
    builder.start([&](const auto& add) {
        collector = std::this_thread::get_id();
        add(Document{"أ", "غزوة بدر", {}, {}});
        add(Document{"ب", "غزوة أحد", {}, {}});
    });
    waitUntilReady(builder);
    EXPECT_NE(collector, caller);
    EXPECT_EQ(builder.documentsSoFar(), 2u);
    EXPECT_EQ(builder.index().find("احد", 10).size(), 1u);
    EXPECT_TRUE(builder.failure().empty());
}

TEST(FullTextBuilderTest, AFailingSourceLeavesWhatWasReadAndSaysWhy)
{
    FullTextBuilder builder;
    builder.start([](const auto& add) {
        add(Document{"أ", "غزوة بدر", {}, {}});
        throw std::runtime_error("\"data\\kenor02\": cannot be opened");
    });
    waitUntilReady(builder);
    EXPECT_EQ(builder.index().size(), 1u);
    EXPECT_EQ(builder.failure(), "\"data\\kenor02\": cannot be opened");
}

TEST(FullTextBuilderTest, StopCancelsABuildThatIsStillRunning)
{
    FullTextBuilder builder;
    std::atomic<long> offered{0};
    std::atomic<bool> refused{false};
    builder.start([&](const auto& add) {
        for (long i = 0; i < 100'000'000; ++i) {
            ++offered;
            if (!add(Document{"", "نص", {}, {}})) {
                refused = true;
                return;
            }
        }
    });
    while (builder.documentsSoFar() < 10)
        std::this_thread::yield();
    builder.stop();
    EXPECT_TRUE(refused);
    EXPECT_LT(offered.load(), 100'000'000);
    EXPECT_FALSE(builder.started());
    // And it can be started again.
    builder.start([](const auto& add) { add(Document{"", "نص", {}, {}}); });
    waitUntilReady(builder);
    EXPECT_EQ(builder.index().size(), 1u);
}

} // namespace
} // namespace ovta

namespace ovta {
namespace {

TEST(FullTextDocumentTest, AHitKnowsTheHeadingItStandsUnder)
{
    Document d;
    d.text = "مقدمة\n\nالباب الأول\n\nنص أول\n\nالباب الثاني\n\nنص ثان";
    d.headings = {{7, "الباب الأول"}, {27, "الباب الثاني"}};
    EXPECT_EQ(d.headingAt(0), "");
    EXPECT_EQ(d.headingAt(6), "");
    EXPECT_EQ(d.headingAt(7), "الباب الأول");
    EXPECT_EQ(d.headingAt(26), "الباب الأول");
    EXPECT_EQ(d.headingAt(27), "الباب الثاني");
    EXPECT_EQ(d.headingAt(1000), "الباب الثاني");
}

} // namespace
} // namespace ovta

namespace ovta {
namespace {

// A hit in a book opens the book at the heading whose part holds it, even
// an untitled one; a hit in an article keeps the article's own place.
TEST(FullTextDocumentTest, AHitInABookOpensAtTheHeadingItStandsUnder)
{
    TextEntry book;
    book.kind = TextEntry::Kind::Book;
    book.title = "\xC7"; // any glyph
    book.sections = {{1, "", "", 1}, {1, "\xC7", "\xC8", 2}, {2, "", "\xC7", 3}, {2, "", "", 4}};
    book.place.kind = "frm7";
    book.place.currentBook = 5;
    const Document d = documentOf(book);
    const std::u16string text = utf8ToUtf16(d.text);
    ASSERT_EQ(text.size(), 7u) << "heading, text and the untitled heading's text, apart";
    const struct {
        std::size_t offset;
        int node;
    } cases[] = {{0, 2}, {3, 2}, {5, 2}, {6, 3}, {100, 3}};
    for (const auto& c : cases) {
        const TextPlace at = d.placeAt(c.offset);
        EXPECT_EQ(at.node, c.node) << c.offset;
        EXPECT_EQ(at.kind, "frm7");
        EXPECT_EQ(at.currentBook, 5);
    }
    EXPECT_EQ(d.headingAt(6), "") << "the untitled heading's part has no heading to show";

    TextEntry article;
    article.sections = {{1, {}, "\xC7\xC8"}};
    article.place.kind = "frm03";
    article.place.currentItem = 9;
    const TextPlace at = documentOf(article).placeAt(1);
    EXPECT_EQ(at.node, 0);
    EXPECT_EQ(at.currentItem, 9);
}

} // namespace
} // namespace ovta
