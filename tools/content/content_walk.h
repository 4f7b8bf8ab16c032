// The documents of the export, made from the catalogue of every text: each
// entry (or the entries filed under one path) one document, its
// headings, texts and the items it lists, each item linked to the document
// of the text it opens. The families know which files hold what; this only
// lays their entries out.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell/text_catalogue.h"
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

// The document of the entries filed under one path, in catalogue order.
// `linkOf` gives the path of the document a place opens, empty for none.
Document exportDocument(const std::vector<TextEntry>& entries,
                        const std::function<std::string(const TextPlace&)>& linkOf);

class ContentWalk {
public:
    explicit ContentWalk(const ContentDir& dir);

    // Reads everything (the title table first: the catalogue's titles and
    // captions come from it) and hands each document to `sink` in path
    // order. Faults do not stop the walk: the document gets what could be
    // read.
    void run(const std::function<void(Document&&)>& sink);

    const std::vector<WalkFault>& faults() const { return faults_; }
    const TitleTable& titles() const;

private:
    const ContentDir& dir_;
    std::vector<WalkFault> faults_;
};

} // namespace ovta::tools
