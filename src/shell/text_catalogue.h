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

// A row of a list that opens a text (an article of a book's heading, a
// title of the topic index): its caption and where it opens.
struct TextItem {
    std::string title; // glyph text
    TextPlace place;
};

// One part of an entry: a heading at a depth (1 the top) and its text;
// either may be empty. Line ends are CR LF as the content writes them.
struct TextSection {
    int level = 1;
    std::string heading{}; // glyph text
    std::string text{};    // glyph text
    int node = 0;          // a book's heading: its node number; 0 for none
    // Texts that follow `text` each on its own (the further articles of a
    // run), and the rows the heading lists.
    std::vector<std::string> further{};
    std::vector<TextItem> items{};
};

struct TextEntry {
    enum class Kind { Article, Book, List };
    Kind kind = Kind::Article;
    std::string source;  // the registering family's name for it ("frm13 articles")
    std::string title;   // glyph text; empty for an article no list names
    // Where the entry is filed, '/' separated ("articles/frm03/0012",
    // "books/frm7-01"); the entries of one path are the parts of one work,
    // each named by its title or, untitled, by `label` (UTF-8).
    std::string path;
    std::string label;
    std::vector<TextSection> sections;
    TextPlace place;

    // Whether any section holds text of its own (not only headings and rows).
    bool hasText() const;
    // The first line of its text that is not blank, to name it by when it
    // has no title.
    std::string firstLine() const;
};

// `n` written with at least `width` digits, zeros in front ("0012").
std::string zeroPadded(long long n, int width);

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
