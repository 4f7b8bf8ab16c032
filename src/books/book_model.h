// One open book of a tree-book screen: its files, its headings, the column
// strip and the content pane, put together by the screen's settings. The
// screen binds its controls to these operations and redraws from the state
// after each; every operation leaves the state whole even when it throws,
// so a screen redraws first and then lets the error be reported.
#pragma once

#include <functional>

#include "books/article_range.h"
#include "books/article_window.h"
#include "books/body_window.h"
#include "books/book_columns.h"
#include "books/book_files.h"
#include "books/book_tables.h"
#include "books/book_tree.h"
#include "books/passages.h"
#include "store/content_dir.h"
#include "store/title_table.h"

namespace ovta {

class BookModel {
public:
    // The book `number` of `screen` (see bookInfo). `titles` gives the
    // chooser captions of the recitation screen; it must outlive the model.
    BookModel(BookScreen screen, int number, const TitleTable& titles);
    BookModel(const BookModel&) = delete;
    BookModel& operator=(const BookModel&) = delete;

    const ScreenSettings& settings() const { return settings_; }
    const BookInfo& info() const { return info_; }

    // Creation: loads the book's lists and opens its data files. Throws the
    // first FileError after trying them all.
    void open(const ContentDir& dir);
    const BookFiles& files() const { return files_; }

    // Measures of the path caption label and of the off-screen line store.
    void setCaptionMeasure(TextWidth width, int limit);
    void setLineStoreMeasure(TextWidth width, int limit);
    // Called whenever the content pane is emptied (the recitation screen
    // pauses its sound there).
    void setResetListener(std::function<void()> listener);

    // Showing: loads the headings, fills and shows column 1 and leaves the
    // pane empty. When the headings stop at an error, column 1 shows those
    // read before it, and then the error is thrown.
    void start();

    const BookTree& tree() const { return tree_; }
    const BookColumns& columns() const { return columns_; }

    // Row `row` (1..5) of column k clicked: returns whether anything
    // happened. The heading's content goes to the pane.
    bool openNode(int k, int row);
    // Column k redrawn from its window top, as scrolling it does.
    void showColumn(int k) { columns_.showColumn(k); }
    bool scrollUp(int k) { return columns_.scrollUp(k); }
    bool scrollDown(int k) { return columns_.scrollDown(k); }
    bool moveStripRight() { return columns_.moveStripRight(); }
    bool moveStripLeft() { return columns_.moveStripLeft(); }

    // The panes; each screen has the one its settings name.
    const ArticleWindow& articleWindow() const { return articles_; } // rows, list box items
    const ArticleList& articleList() const { return articles_.list(); }
    const BodyWindow& body() const { return body_; }
    const ArticleRange& range() const { return range_; }
    const Passages& passages() const { return passages_; }
    Passages& passages() { return passages_; } // typing and picking in the chooser

    // Empties the pane as showing a column does.
    void resetPane();

    // The pane's four moves; false when nothing happens (always on the
    // question-list screen, whose hot spots move nothing).
    bool lineUp();
    bool lineDown();
    bool pageUp();
    bool pageDown();

    // The window the pane's four hot spots move: the article rows' or the
    // body lines'; the question list's moves nothing.
    Pager& panePager();

    // The article-run screen's previous and next article.
    bool previousArticle();
    bool nextArticle();

    // One tick of a held arrow with repeat code `code`.
    bool repeat(int code);

private:
    void columnShown(int k);
    void showContent(int k, int row, int node);
    void showArticles(int node);
    void showBody(int node);
    void showRange(int node);
    ArticleTextFiles articleTexts() const;

    const ScreenSettings& settings_;
    BookInfo info_;
    const TitleTable& titles_;
    BookFiles files_;
    BookTree tree_;
    BookColumns columns_;
    ArticleWindow articles_;
    BodyWindow body_;
    ArticleRange range_;
    Passages passages_;
    PanePager idle_{0, 0, 0};
    std::function<void()> onReset_;
};

} // namespace ovta
