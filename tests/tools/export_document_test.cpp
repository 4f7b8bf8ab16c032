// Catalogue entries laid out as export documents: the title, the heading
// levels, the parts of a work filed under one path, the pieces of an
// article run and the rows that link the texts they open.
#include "tools/content/content_walk.h"

#include <gtest/gtest.h>

namespace ovta::tools {
namespace {

std::string linkNone(const TextPlace&)
{
    return {};
}

// Each block as one line: kind, level, text, link.
std::vector<std::string> outline(const Document& doc)
{
    std::vector<std::string> out;
    for (const Block& b : doc.blocks) {
        switch (b.kind) {
        case Block::Kind::Heading:
            out.push_back("h" + std::to_string(b.level) + " " + b.glyphs + (b.plain ? " (plain)" : ""));
            break;
        case Block::Kind::Paragraphs: out.push_back("text " + b.glyphs); break;
        case Block::Kind::Item: out.push_back("item " + b.glyphs + " -> " + b.link); break;
        case Block::Kind::Rule: out.push_back("rule"); break;
        }
    }
    return out;
}

TEST(ExportDocument, ABookKeepsItsHeadingLevelsAndEveryHeadingEvenUntitled)
{
    TextEntry book;
    book.title = "Book";
    book.path = "books/frm7-03";
    book.sections = {{1, "one", "body one", 1}, {2, "", "body two", 2}, {2, "three", "", 3}};
    const Document doc = exportDocument({book}, linkNone);
    EXPECT_EQ(doc.path, "books/frm7-03.md");
    EXPECT_EQ(doc.section, "books");
    EXPECT_EQ(doc.title, "Book");
    EXPECT_FALSE(doc.plainTitle);
    EXPECT_EQ(outline(doc), (std::vector<std::string>{"h1 Book", "h2 one", "text body one", "h3 ",
                                                      "text body two", "h3 three"}));
}

TEST(ExportDocument, AnArticleRunPutsARuleBetweenItsArticles)
{
    TextEntry book;
    book.title = "Runs";
    book.path = "books/frm410-00";
    TextSection section{1, "heading", "first", 1};
    section.further = {"second", "third"};
    book.sections = {section};
    EXPECT_EQ(outline(exportDocument({book}, linkNone)),
              (std::vector<std::string>{"h1 Runs", "h2 heading", "text first", "rule",
                                        "text second", "rule", "text third"}));
}

TEST(ExportDocument, EntriesOfOnePathArePartsUnderTheirTitlesOrLabels)
{
    TextEntry first;
    first.path = "lists/frm34";
    first.label = "Category 1";
    first.sections = {{1, "a", "text a"}};
    TextEntry second = first;
    second.label = "Category 2";
    second.title = "titled";
    second.sections = {{1, "b", "text b"}};
    const Document doc = exportDocument({first, second}, linkNone);
    EXPECT_EQ(doc.title, "frm34");
    EXPECT_TRUE(doc.plainTitle);
    EXPECT_EQ(doc.section, "lists");
    EXPECT_EQ(outline(doc),
              (std::vector<std::string>{"h1 frm34 (plain)", "h2 Category 1 (plain)", "h3 a",
                                        "text text a", "h2 titled", "h3 b", "text text b"}));
    // One untitled entry is named by its path alone.
    EXPECT_EQ(outline(exportDocument({first}, linkNone)),
              (std::vector<std::string>{"h1 frm34 (plain)", "h2 a", "text text a"}));
}

TEST(ExportDocument, RowsLinkTheDocumentOfTheTextTheyOpenRelativeToTheirOwn)
{
    TextEntry index;
    index.path = "lists/frm04";
    TextSection section{2, "heading"};
    TextItem known{"known", {}};
    known.place.kind = "frm03";
    known.place.currentItem = 7;
    TextItem unknown{"unknown", {}};
    unknown.place.kind = "frm42";
    section.items = {known, unknown, TextItem{"none", {}}};
    index.sections = {section};
    const auto linkOf = [](const TextPlace& p) {
        return p.kind == "frm03" ? "articles/frm03/" + std::to_string(p.currentItem + 1)
                                 : std::string();
    };
    EXPECT_EQ(outline(exportDocument({index}, linkOf)),
              (std::vector<std::string>{"h1 frm04 (plain)", "h3 heading",
                                        "item known -> ../articles/frm03/8.md", "item unknown -> ",
                                        "item none -> "}));
}

} // namespace
} // namespace ovta::tools
