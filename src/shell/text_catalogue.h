// Every text the content holds, as one catalogue: articles, books and lists,
// each with its headings and text as the content stores them (glyph text),
// and the place a reader opens it at. Each screen family contributes the
// texts of its own screens, which only it knows how to find, by registering
// a source from a namespace-scope initialiser in its own file; the search
// inside the texts and the exporter read the catalogue without knowing the
// families.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "store/content_dir.h"

namespace ovta {

// Where a text opens: the screen kind, the globals it reads, and for a
// reader that reads its opener's files, the files to load for it first.
struct TextPlace {
    std::string kind; // "frm03", "frm13", ...
    int currentItem = 0;
    int node = 0; // a book's heading to open at; 0 for the book's start
    int currentBook = 0;
    std::string openerFilesFor; // the reader whose program-wide files are set
    std::string locators;       //   from these three content files
    std::string sections;
    std::string articles;
};

// One part of an entry: a heading at a depth (1 the top) and its text;
// either may be empty. Line ends are CR LF as the content writes them.
struct TextSection {
    int level = 1;
    std::string heading; // glyph text
    std::string text;    // glyph text
    int node = 0;        // a book's heading: its node number; 0 for none
};

struct TextEntry {
    enum class Kind { Article, Book, List };
    Kind kind = Kind::Article;
    std::string source;  // the registering family's name for it ("frm13 articles")
    std::string title;   // glyph text
    std::vector<TextSection> sections;
    TextPlace place;
};

// Hands each entry to `visit` while it returns true. A content file that is
// missing or damaged ends that part of the source; the source reports it
// through `fault` and the others go on.
using TextSource = std::function<void(const ContentDir& dir,
                                      const std::function<bool(TextEntry)>& visit,
                                      const std::function<void(const std::string&)>& fault)>;

bool registerTextSource(const std::string& name, TextSource source);

// Every registered source in name order. Returns false when `visit` stopped it.
bool forEachText(const ContentDir& dir, const std::function<bool(TextEntry)>& visit,
                 const std::function<void(const std::string&)>& fault);

// The screens that open a text at one of its headings (the book screens)
// say how for their kind: `go` runs once the screen is open and on top.
using HeadingOpener = std::function<void(int node)>;
bool registerHeadingOpener(const std::string& kind, HeadingOpener go);

// On the screen of `place` just opened, goes to the place's heading.
// Returns false when the place names none or its kind has no opener.
bool openHeading(const TextPlace& place);

} // namespace ovta
