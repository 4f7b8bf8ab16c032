#include "search/fulltext_index.h"

#include <gtest/gtest.h>

namespace ovta {
namespace {

FullTextIndex indexOf(std::initializer_list<const char*> texts)
{
    FullTextIndex index;
    int n = 0;
    for (const char* text : texts)
        index.add(Document{"doc " + std::to_string(n++), text, {}});
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
