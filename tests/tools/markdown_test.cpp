#include "tools/export/markdown.h"

#include <gtest/gtest.h>

#include "search/glyph_encoder.h"

namespace ovta::tools {
namespace {

TEST(Markdown, EscapesWhatMarkdownReadsAsMarkup)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"  نص  ", "نص"},
        {"a*b_c`d", "a\\*b\\_c\\`d"},
        {"[x](y)", "\\[x\\](y)"},
        {"<b> & |", "\\<b\\> & \\|"},
        {"# not a heading", "\\# not a heading"},
        {"- not an item", "\\- not an item"},
        {"+ not an item", "\\+ not an item"},
        {"a - b + c", "a - b + c"},
        {"back\\slash", "back\\\\slash"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(markdownLine(in), out) << in;
}

Block glyphBlock(Block::Kind kind, int level, const char* utf8, std::string link = {})
{
    Block b = Block::make(kind, level, encodeGlyphText(utf8));
    b.link = std::move(link);
    return b;
}

TEST(Markdown, WritesHeadingsParagraphsItemsAndRules)
{
    Document doc;
    doc.title = encodeGlyphText("كتاب");
    doc.blocks = {
        glyphBlock(Block::Kind::Heading, 1, "كتاب"),
        glyphBlock(Block::Kind::Heading, 2, "باب\r\nأول"),
        // Wrapped lines stay one paragraph; an empty line ends it.
        glyphBlock(Block::Kind::Paragraphs, 0, "سطر أول\r\nسطر ثان\r\n\r\n\r\nفقرة ١٢\r\n"),
        glyphBlock(Block::Kind::Item, 0, "مقالة", "../articles/frm65/0001.md"),
        glyphBlock(Block::Kind::Item, 0, "أخرى"),
        glyphBlock(Block::Kind::Heading, 3, "فصل"),
        Block::make(Block::Kind::Rule, 0, {}),
        // Deeper than Markdown's six levels: bold.
        glyphBlock(Block::Kind::Heading, 7, "عميق"),
        Block::make(Block::Kind::Heading, 2, "Category 3", true),
    };
    EXPECT_EQ(documentTitle(doc), "كتاب");
    EXPECT_EQ(toMarkdown(doc), "# كتاب\n\n"
                               "## باب أول\n\n"
                               "سطر أول\nسطر ثان\n\n"
                               "فقرة ١٢\n\n"
                               "- [مقالة](../articles/frm65/0001.md)\n"
                               "- أخرى\n\n"
                               "### فصل\n\n"
                               "\n---\n\n"
                               "**عميق**\n\n"
                               "## Category 3\n\n");
}

TEST(Markdown, IndexListsEachSectionOnce)
{
    const std::vector<IndexEntry> entries = {
        {"articles/frm03/0001.md", "articles/frm03", "مسجد [١]"},
        {"articles/frm03/0002.md", "articles/frm03", ""},
        {"books/frm7-01.md", "books", "كتاب"},
    };
    EXPECT_EQ(indexMarkdown(entries), "# Index\n\n"
                                      "## articles/frm03\n\n"
                                      "- [مسجد \\[١\\]](articles/frm03/0001.md)\n"
                                      "- [articles/frm03/0002.md](articles/frm03/0002.md)\n\n"
                                      "## books\n\n"
                                      "- [كتاب](books/frm7-01.md)\n");
}

} // namespace
} // namespace ovta::tools
