// ovta-export run on the demo content and on damaged copies of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "reading/reader_settings.h"
#include "reading/topic_list.h"
#include "reading/topic_list_settings.h"
#include "search/glyph_decoder.h"
#include "store/data_file.h"
#include "store/index_list.h"
#include "support/fixture_dir.h"
#include "tools/export/markdown.h"
#include "tools/tool_run.h"

namespace fs = std::filesystem;

namespace ovta::test {
namespace {

bool validUtf8WithoutReplacement(const std::string& s)
{
    const QString q = QString::fromUtf8(s);
    return q.toUtf8().toStdString() == s && !q.contains(QChar(0xFFFD));
}

TEST(ExportTool, WritesEveryDocumentOfTheDemoWithAnIndex)
{
    FixtureDir out;
    const ToolRun run = runTool(OVTA_EXPORT_BINARY, {OVTA_DEMO_DIR, qpath(out.path())});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::regex_search(run.err, std::regex(R"(ovta-export: \d+ files and index\.md written in \d+ ms\n$)")))
        << run.err;
    EXPECT_EQ(run.err.find("faults"), std::string::npos) << run.err;

    // Every file is UTF-8 Markdown with no unreadable glyph, and the index
    // links each one exactly once.
    const std::string index = fileBytes(out.path() / "index.md");
    std::set<std::string> linked;
    const std::regex link(R"(\]\(([^)]+\.md)\))");
    for (auto it = std::sregex_iterator(index.begin(), index.end(), link); it != std::sregex_iterator(); ++it)
        EXPECT_TRUE(linked.insert((*it)[1]).second) << (*it)[1];
    std::set<std::string> written;
    for (const auto& e : fs::recursive_directory_iterator(out.path())) {
        if (!e.is_regular_file() || e.path().filename() == "index.md")
            continue;
        written.insert(fs::relative(e.path(), out.path()).generic_string());
        const std::string bytes = fileBytes(e.path());
        EXPECT_TRUE(validUtf8WithoutReplacement(bytes)) << e.path();
        EXPECT_TRUE(bytes.starts_with("# ")) << e.path();
    }
    EXPECT_EQ(linked, written);

    // The articles a book or the topic index lists are linked to their own
    // files, which are there.
    const std::regex relative(R"(\]\((\.\./[^)]+)\))");
    std::size_t links = 0;
    for (const std::string& w : written) {
        const std::string bytes = fileBytes(out.path() / w);
        for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), relative);
             it != std::sregex_iterator(); ++it) {
            ++links;
            EXPECT_TRUE(fs::exists((out.path() / w).parent_path() / (*it)[1].str()))
                << w << " -> " << (*it)[1];
        }
    }
    EXPECT_GT(links, 0U);
    for (const char* part : {"articles/frm03/", "articles/frm13/", "articles/frm46/",
                             "articles/frm83/", "books/frm14-", "books/frm43-", "books/frm7-",
                             "books/frm410-", "books/frm63-", "books/frm64-", "articles/frm65/",
                             "lists/frm04", "lists/frm05-",
                             "lists/frm33", "lists/frm34", "lists/frm47"}) {
        EXPECT_TRUE(std::any_of(written.begin(), written.end(),
                                [&](const std::string& w) { return w.starts_with(part); }))
            << part;
    }

    // A topic of frm45: its article file is titled with the topic's title,
    // in Unicode, and holds the article's words.
    const ContentDir dir(OVTA_DEMO_DIR);
    const TopicListSettings& list = topicListSettings("frm45");
    TopicList topics;
    topics.scan(IndexList::load(dir, list.topicFile), DataFile::open(dir, list.titlesFile),
                list.rules);
    ASSERT_GT(topics.count(), 0);
    const int record = topics.number(0) + list.itemOffset + readerSettings("frm46").recordOffset;
    char name[32];
    std::snprintf(name, sizeof name, "articles/frm46/%04d.md", record + 1);
    const std::string article = fileBytes(out.path() / name);
    const std::string title = tools::markdownLine(decodeGlyphTextUtf8(topics.title(0)));
    EXPECT_TRUE(article.starts_with("# " + title + "\n")) << article.substr(0, 200);
    EXPECT_NE(index.find("[" + title + "](" + name + ")"), std::string::npos);
}

TEST(ExportTool, RefusesWhatIsNoContentDirectory)
{
    FixtureDir out;
    FixtureDir empty;
    const struct {
        const char* name;
        QStringList args;
    } cases[] = {
        {"no arguments", {}},
        {"one argument", {OVTA_DEMO_DIR}},
        {"missing directory", {qpath(empty.path() / "nowhere"), qpath(out.path())}},
        {"directory without data folders", {qpath(empty.path()), qpath(out.path())}},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(OVTA_EXPORT_BINARY, c.args);
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_FALSE(run.err.empty()) << c.name;
        EXPECT_FALSE(fs::exists(out.path() / "index.md")) << c.name;
    }
}

TEST(ExportTool, FailsWhenItCannotWrite)
{
    FixtureDir out;
    const fs::path blocked = out.write("taken", "a file where the folder should be");
    const ToolRun run = runTool(OVTA_EXPORT_BINARY, {OVTA_DEMO_DIR, qpath(blocked)});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}

// Damaged content still exports what can be read, and says so.
TEST(ExportTool, ExportsDamagedContentAndWarns)
{
    FixtureDir content;
    fs::copy(OVTA_DEMO_DIR, content.path(), fs::copy_options::recursive);
    std::string topics = fileBytes(content.path() / "data/1kenor49");
    topics.replace(24 + 8, 8, "12ab    "); // record 2, field 2
    writeBytes(content.path() / "data/1kenor49", topics);
    FixtureDir out;
    const ToolRun run = runTool(OVTA_EXPORT_BINARY, {qpath(content.path()), qpath(out.path())});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("warning: \"data\\1kenor49\": field \"12ab    \""), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("content faults: 1 "), std::string::npos) << run.err;
    // The topic before the damaged record is there.
    EXPECT_TRUE(fs::exists(out.path() / "index.md"));
    EXPECT_TRUE(fs::exists(out.path() / "articles/frm46"));
}

} // namespace
} // namespace ovta::test
