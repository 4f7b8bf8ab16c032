// The catalogue of every text, on the demo content: every family's texts
// are in it, a reader's article opens its reader at that article, and a
// missing file takes out only its own part.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "search/fulltext_dialog.h"
#include "search/fulltext_documents.h"
#include "shell/globals.h"
#include "shell/screen.h"
#include "shell/screen_stack.h"
#include "shell/text_catalogue.h"
#include "support/shell_fixture.h"

namespace ovta {
namespace {

namespace fs = std::filesystem;

class TextCatalogueTest : public test::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        fs::copy(OVTA_DEMO_DIR, content.path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        globals().titleTable.load(ContentDir::current());
    }

    struct Seen {
        std::map<std::string, int> entries; // by source
        std::map<std::string, TextEntry> first;
        std::vector<std::string> faults;
    };

    static Seen readAll()
    {
        Seen seen;
        forEachText(
            ContentDir::current(),
            [&](TextEntry entry) {
                const std::string source = entry.source;
                if (seen.entries[source]++ == 0)
                    seen.first.emplace(source, std::move(entry));
                return true;
            },
            [&](const std::string& fault) { seen.faults.push_back(fault); });
        return seen;
    }
};

TEST_F(TextCatalogueTest, HoldsTheTextsOfEveryFamilyOfTheDemoContent)
{
    const Seen seen = readAll();
    for (const char* source :
         {"frm03 articles", "frm13 articles", "frm46 articles", "frm65 articles", "frm83 articles",
          "frm7 books", "frm63 books", "frm410 books", "frm14 books", "frm43 books",
          "frm64 books", "frm05 sets", "frm34 categories", "frm33 blocks", "frm47 entries",
          "frm04 index"})
        EXPECT_GT(seen.entries.count(source) ? seen.entries.at(source) : 0, 0) << source;
    EXPECT_TRUE(seen.faults.empty()) << seen.faults.front();
    for (const auto& [source, entry] : seen.first) {
        EXPECT_FALSE(entry.sections.empty()) << source;
        EXPECT_FALSE(entry.place.kind.empty()) << source;
        // Every text is the content's own glyph text, and reads as Arabic.
        const Document document = documentOf(entry);
        EXPECT_FALSE(document.text.empty()) << source;
        EXPECT_EQ(document.text.find("\xEF\xBF\xBD"), std::string::npos)
            << source << ": a byte the glyph chart does not know";
        // Each heading is found in the text where the document says it starts.
        const std::u16string text = utf8ToUtf16(document.text);
        for (const DocumentHeading& h : document.headings) {
            const std::u16string heading = utf8ToUtf16(h.heading);
            EXPECT_EQ(text.substr(h.offset, heading.size()), heading) << source;
        }
        if (entry.kind == TextEntry::Kind::Book) {
            EXPECT_FALSE(document.headings.empty()) << source;
        }
    }
}

// Every entry is filed under a path of its own (the parts of one list
// share theirs), and each row of a book or of the topic index that opens a
// reader opens an article the catalogue holds, under the row's title.
TEST_F(TextCatalogueTest, EveryEntryIsFiledAndEveryRowOpensAnEntry)
{
    std::map<std::string, std::string> sourceOf; // path -> source
    std::set<std::pair<std::string, int>> articles;
    std::vector<TextItem> rows;
    std::size_t withText = 0;
    forEachText(
        ContentDir::current(),
        [&](TextEntry entry) {
            EXPECT_FALSE(entry.path.empty()) << entry.source;
            const auto [at, fresh] = sourceOf.emplace(entry.path, entry.source);
            EXPECT_TRUE(fresh || entry.kind == TextEntry::Kind::List) << entry.path;
            EXPECT_EQ(at->second, entry.source) << entry.path;
            if (entry.kind == TextEntry::Kind::Article)
                articles.insert({entry.place.kind, entry.place.currentItem});
            for (const TextSection& section : entry.sections)
                rows.insert(rows.end(), section.items.begin(), section.items.end());
            withText += entry.hasText() ? 1 : 0;
            return true;
        },
        [](const std::string& fault) { ADD_FAILURE() << fault; });
    std::size_t linked = 0;
    for (const TextItem& row : rows) {
        EXPECT_FALSE(row.title.empty());
        if (row.place.kind != "frm03" && row.place.kind != "frm13" && row.place.kind != "frm65")
            continue;
        ++linked;
        EXPECT_TRUE(articles.count({row.place.kind, row.place.currentItem}))
            << row.place.kind << " " << row.place.currentItem;
    }
    EXPECT_GT(linked, 100u);
    // The search reads the entries with text of their own, not the lists of rows.
    std::size_t documents = 0;
    collectFullTextDocuments(ContentDir::current(), [&](Document) { return ++documents, true; });
    EXPECT_EQ(documents, withText);
    EXPECT_LT(withText, sourceOf.size());
}

TEST_F(TextCatalogueTest, AnArticleOpensItsReaderAtThatArticle)
{
    const Seen seen = readAll();
    for (const char* source : {"frm03 articles", "frm13 articles", "frm46 articles",
                               "frm65 articles", "frm83 articles"}) {
        ASSERT_TRUE(seen.first.count(source)) << source;
        const TextPlace& place = seen.first.at(source).place;
        globals().CurrentItem = -99;
        openTextPlace(place, ContentDir::current());
        Screen* top = ScreenStack::instance().top();
        ASSERT_TRUE(top) << source;
        EXPECT_EQ(std::string(top->kind()), place.kind) << source;
        EXPECT_EQ(globals().CurrentItem, place.currentItem) << source;
        EXPECT_TRUE(errors->shown().empty()) << source << ": " << errors->shown().front();
        top->release();
        settle();
    }
}

TEST_F(TextCatalogueTest, AMissingFileTakesOutOnlyItsOwnPart)
{
    fs::remove(content.path() / "data" / "1kenor17"); // frm13's article locators
    const Seen seen = readAll();
    EXPECT_EQ(seen.entries.count("frm13 articles"), 0u);
    EXPECT_GT(seen.entries.at("frm03 articles"), 0);
    EXPECT_GT(seen.entries.at("frm7 books"), 0);
    ASSERT_FALSE(seen.faults.empty());
    EXPECT_NE(seen.faults.front().find("1kenor17"), std::string::npos) << seen.faults.front();
}

} // namespace
} // namespace ovta
