// The readers' articles in the catalogue of every text: each article filed
// under its reader and record, a section per sub-section headed by its
// chooser caption, and no part of the text lost where the chooser lists no
// entry for it.
#include <gtest/gtest.h>

#include <optional>

#include "reading/reading_test_support.h"
#include "shell/text_catalogue.h"

namespace ovta {
namespace {

class ReadingTextsTest : public test::ReadingTest {
protected:
    std::vector<TextEntry> entriesOf(const std::string& source)
    {
        std::vector<TextEntry> out;
        forEachText(
            ContentDir::current(),
            [&](TextEntry entry) {
                if (entry.source == source)
                    out.push_back(std::move(entry));
                return true;
            },
            [](const std::string&) {});
        return out;
    }
};

TEST_F(ReadingTextsTest, AnArticleKeepsEverySubSectionUnderItsChooserCaption)
{
    // Sub-section 1 starts at 0, so the chooser has no entry for it (as in
    // the reader); its text still belongs to the article.
    const std::string text = "intro\r\nfirst\r\nsecond";
    writeArticles("data\\1kenor17", "data\\1kenor18", "data\\kenor19",
                  {{text, {0, 5, 7, 5, 14, 6}}, {"", {}}, {"second record", {0, 6, 7, 6}}}, 4);
    const std::vector<TextEntry> entries = entriesOf("frm13 articles");
    ASSERT_EQ(entries.size(), 2u) << "the empty record is no text";

    const TextEntry& sectioned = entries[0];
    EXPECT_EQ(sectioned.path, "articles/frm13/0001");
    EXPECT_EQ(sectioned.place.kind, "frm13");
    EXPECT_EQ(sectioned.place.currentItem, 0);
    EXPECT_TRUE(sectioned.title.empty()) << "no list names it";
    EXPECT_EQ(sectioned.firstLine(), "intro");
    ASSERT_EQ(sectioned.sections.size(), 3u);
    const std::pair<const char*, const char*> expected[] = {
        {"", "intro"}, {"t34", "first"}, {"t35", "second"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(sectioned.sections[i].heading, expected[i].first) << i;
        EXPECT_EQ(sectioned.sections[i].text, expected[i].second) << i;
    }

    const TextEntry& third = entries[1];
    EXPECT_EQ(third.path, "articles/frm13/0003");
    EXPECT_EQ(third.place.currentItem, 2);
    ASSERT_EQ(third.sections.size(), 2u);
    EXPECT_EQ(third.sections[0].text, "second");
    EXPECT_EQ(third.sections[1].text, "record");
    EXPECT_EQ(third.sections[1].heading, "t34");
}

} // namespace
} // namespace ovta
