// A walk over everything a content directory holds for reading: the
// articles the topic lists lead to, the tree books, and the list screens'
// titles and texts. Everything is read through the same readers and tables
// the screens use, so the walk sees the content as the reader shows it.
// The exporter writes what it yields; the checker adds its own checks.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "reading/reader_files.h"
#include "reading/reader_settings.h"
#include "store/content_dir.h"
#include "store/title_table.h"

namespace ovta::tools {

// A piece of a document, its text still glyph text.
struct Block {
    enum class Kind { Heading, Paragraphs, Item, Rule };
    Kind kind = Kind::Paragraphs;
    int level = 1; // headings: 1 is the document's own title
    std::string glyphs;
    bool plain = false; // `glyphs` holds UTF-8 of the walk's own making
    std::string link;   // items: the document it leads to, relative to this one

    static Block make(Kind kind, int level, std::string glyphs, bool plain = false)
    {
        Block b;
        b.kind = kind;
        b.level = level;
        b.glyphs = std::move(glyphs);
        b.plain = plain;
        return b;
    }
};

struct Document {
    std::string path;    // relative, '/' separated, ".md"
    std::string section; // what the index groups it under
    std::string title;   // glyph text, or UTF-8 when `plainTitle`
    bool plainTitle = false;
    std::vector<Block> blocks;
};

// A fault met while reading: the model's error text, and where the walk was.
struct WalkFault {
    std::string file;         // content name, or empty when the error names it
    std::int64_t record = -1; // 0-based, -1 when not one record
    std::string message;
};

class ContentWalk {
public:
    explicit ContentWalk(const ContentDir& dir);

    // Reads everything and hands each document to `sink` as it is done.
    // Faults do not stop the walk: the document gets what could be read.
    void run(const std::function<void(Document&&)>& sink);

    const std::vector<WalkFault>& faults() const { return faults_; }
    const TitleTable& titles() const { return titles_; }

private:
    void articles(const std::function<void(Document&&)>& sink);
    void books(const std::function<void(Document&&)>& sink);
    void lists(const std::function<void(Document&&)>& sink);
    void fault(std::string file, std::int64_t record, const std::exception& e);
    static std::string articlePath(const char* reader, std::int64_t record);
    Document articleDocument(const ReaderSettings& reader, const ReaderFileNames& names,
                             const ReaderFiles& files, std::int64_t record,
                             const std::string& title);

    const ContentDir& dir_;
    TitleTable titles_;
    std::vector<WalkFault> faults_;
    // Articles written already: the reader's locator list and the record.
    std::set<std::pair<std::string, std::int64_t>> articlesDone_;
};

} // namespace ovta::tools
