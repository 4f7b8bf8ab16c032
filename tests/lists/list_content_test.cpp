// The demo content of the list screens agrees with the screens: both frm05
// sets point every title at a text they have, frm34's seven categories all
// hold titles within the list's capacity, frm33's six blocks show a part of
// every title, and frm47 has its 893 entries, some of them marked.
#include "demo/list_content.h"

#include <gtest/gtest.h>

#include <string>

#include "lists/block_list.h"
#include "lists/entry_list.h"
#include "lists/two_pane_titles.h"
#include "store/content_dir.h"
#include "demo/demo_files_test.h"
#include "support/fixture_dir.h"

namespace ovta::demo {
namespace {

class ListContentTest : public DemoFilesTest<listFiles> {};

TEST_F(ListContentTest, EveryFrm05TitleOpensAText)
{
    const struct {
        const char *titleIndex, *titles, *textIndex, *texts;
        int atLeast;
    } sets[] = {
        {"data\\1kenor012", "data\\kenor013", "data\\1kenor014", "data\\kenor015", 10},
        {"data\\1kenor018", "data\\kenor019", "data\\1kenor020", "data\\kenor021", 10},
    };
    for (const auto& s : sets) {
        SCOPED_TRACE(s.titleIndex);
        TwoPaneTitles titles("frm05");
        titles.scanNumbered(list(s.titleIndex), data(s.titles));
        EXPECT_GE(titles.count(), s.atLeast) << "enough titles to page";
        const IndexList texts = list(s.textIndex);
        for (int i = 0; i < titles.count(); ++i) {
            EXPECT_FALSE(titles.title(i).empty());
            EXPECT_FALSE(numberedText(texts, data(s.texts), titles.record(i)).empty()) << i;
        }
    }
}

TEST_F(ListContentTest, EveryFrm34CategoryHoldsTitlesWithTexts)
{
    const IndexList index = list("data\\1kenor319");
    bool short9 = false, long9 = false;
    for (int category = 1; category <= 7; ++category) {
        SCOPED_TRACE(category);
        TwoPaneTitles titles("frm34");
        titles.scanCategory(index, data("data\\kenor320"), category);
        ASSERT_GT(titles.count(), 0);
        short9 = short9 || titles.count() < 9;
        long9 = long9 || titles.count() > 9;
        for (int i = 0; i < titles.count(); ++i)
            EXPECT_FALSE(categoryText(index, data("data\\kenor321"), titles.record(i)).empty());
    }
    EXPECT_TRUE(short9) << "a category that does not scroll";
    EXPECT_TRUE(long9) << "a category that scrolls";
}

TEST_F(ListContentTest, EveryFrm33BlockShowsAPartOfEachTitle)
{
    const IndexList index = list("data\\1kenor316");
    EXPECT_EQ(index.recordCount(BlockList::kRecord), 240);
    for (int item = 1; item <= 6; ++item) {
        SCOPED_TRACE(item);
        BlockList block;
        block.scan(index, data("data\\kenor317"), *recordBlock(item));
        const auto b = *recordBlock(item);
        EXPECT_EQ(block.count(), b.last - b.first + 1);
        for (int i = 0; i < block.count(); ++i) {
            EXPECT_FALSE(block.title(i).empty()) << i;
            EXPECT_FALSE(blockText(index, data("data\\kenor318"), block.record(i)).empty());
        }
    }
}

TEST_F(ListContentTest, Frm47HasItsEntriesSomeMarked)
{
    EntryList entries;
    const IndexList index = list("data\\1kenor41");
    entries.scan(index, data("data\\kenor42"));
    ASSERT_EQ(entries.count(), 893);
    int marked = 0;
    for (const std::string& title : entries.titles())
        marked += title.size() > 2 && title.substr(title.size() - 2) == "\x20\xF6";
    EXPECT_GT(marked, 50);
    EXPECT_LT(marked, 893);
    EXPECT_EQ(textLines(entryText(index, data("data\\kenor43"), 892)).empty(), false);
}

} // namespace
} // namespace ovta::demo
