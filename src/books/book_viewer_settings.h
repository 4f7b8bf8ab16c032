// What tells the six tree-book screens apart on screen: one row of settings
// per screen kind. The book model's own table (book_tables.h) holds what the
// files, columns and panes do; this one holds how the screen shows them.
#pragma once

#include <QColor>

#include "books/book_layout.h"
#include "books/book_tables.h"

namespace ovta {

// Which shared value chooses the book.
enum class BookChoice { OneBook, CurrentBook, CurrentItem };

struct BookViewerSettings {
    const char* kind;
    BookScreen screen;
    BookChoice book;
    // The path caption: its colour and glyph size (negative: pixels).
    QColor pathColor;
    int pathSize;
    // The article rows' glyph size (article-window screens).
    int articleRowSize;
    // The body text label's glyph size (body screens).
    int textSize;
    // The screen an article of the pane opens; nullptr for none.
    const char* opens;
    // The show handler ends by showing the pane once more.
    bool showsPaneAfterStart;
};

// The row of a book screen kind ("frm14"); throws std::logic_error for another.
const BookViewerSettings& bookViewerSettings(const char* kind);
const layout::BookScreenLayout& bookViewerLayout(const char* kind);

} // namespace ovta
