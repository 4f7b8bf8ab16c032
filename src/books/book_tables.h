// The six tree-book screens and every book they show: which files a book
// reads, how its node records are laid out, how much each table of the
// screen holds, and the per-screen rules of the columns and content pane.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovta {

enum class BookScreen { Frm14, Frm43, Frm64, Frm7, Frm63, Frm410 };

inline constexpr BookScreen kAllBookScreens[] = {BookScreen::Frm14, BookScreen::Frm43,
                                              BookScreen::Frm64, BookScreen::Frm7,
                                              BookScreen::Frm63, BookScreen::Frm410};
// The highest book number any screen's table is looked up with.
inline constexpr int kLastBookNumber = 40;

// The node record layouts; each is named by the characters of one record.
enum class NodeLayout {
    Articles32, // title offset, title length, level, group
    Range40,    // title offset, title length, level, first article, last article
    Body48,     // -, title offset, title length, body offset, body length, level
    Passages64, // as Body48, then last segment, first segment
};

int nodeRecordSize(NodeLayout layout);

// What opening a heading hands to the content pane.
enum class NodeContent { Articles, Body, BodyAndPassages, ArticleRange };

// What the content pane is.
enum class PaneKind {
    ArticleWindow,  // six article rows that open a reader
    ArticleListBox, // a visible list of every article that opens the question screen
    BodyWindow,     // a window of lines of a word-wrapped body text
};

// Hard limits: a table that would grow past one of these is a RangeError
// at the entry that does not fit.
struct BookCapacities {
    int nodes = 0;
    int level1 = 0;   // entries of column 1
    int children = 0; // entries of columns 2..10
    int articles = 0; // article list entries; 0 where the screen has none
    int segments = 0; // passages; 0 where the screen has none
    int range = 0;    // article range entries; 0 where the screen has none
};

struct ScreenSettings {
    BookScreen screen = BookScreen::Frm14;
    const char* name = ""; // "frm14", named in error texts
    NodeLayout layout = NodeLayout::Articles32;
    BookCapacities capacity;
    NodeContent content = NodeContent::Articles;
    PaneKind pane = PaneKind::ArticleWindow;

    // Article index records: their size and the field holding the title
    // offset (the title length is the field after it).
    int articleRecordSize = 0;
    int articleTitleField = 0;
    // A group whose range has a first or last position of 0 lists nothing.
    bool articleRangeNeedsBothEnds = false;
    // Article rows show their title after one blank, and pass it on so.
    bool articleCaptionBlank = false;

    // The pane's window: rows shown, last top = max(0, N - lastBase), page step.
    int paneRows = 0;
    int paneLastBase = 0;
    int paneStep = 0;
    // Width in pixels of the off-screen box that word-wraps the body text.
    int lineStoreWidth = 0;

    // Showing a column empties the content pane (all but the question-list screen).
    bool showColumnResetsPane = true;
    // Showing column 1 also empties the path caption.
    bool firstColumnEmptiesPath = false;
    // Showing columns 1..clearedUpToColumn also empties the article range or
    // the passage chooser's items; deeper columns keep them.
    int clearedUpToColumn = 8;
    // The path caption of column 10: column 1's title first (otherwise
    // column 9's), and whether it is wrapped like the others.
    bool lastPathFromFirstColumn = false;
    bool lastPathWrapped = true;
    // TitleTable entry that follows the number of each passage in the chooser.
    int passageCaption = 0;
};

const ScreenSettings& screenSettings(BookScreen screen);

// Content names as the content writes them, backslash separators. An empty
// name is a file the book does not have.
struct BookFileNames {
    std::string tree;           // node records
    std::string titles;         // data file of the node titles
    std::string groupMap;       // range records per group
    std::string articleNumbers; // pointer records, one article number each
    std::string articleIndex;   // article records
    std::string articleTitles;  // data file of the article titles
    std::string bodies;         // data file of the body texts
    std::string segments;       // passage records (start, end)
    std::string locators;       // article locators (also read by the question screen)
    std::string articleTexts;   // data file of the article texts
    std::string sound;          // the recitation sound file
};

struct BookInfo {
    bool exists = false; // false: a number outside the screen's table
    BookFileNames files;
    std::int64_t base = 0; // added to every article number read
    // TitleTable entries of the book title `Label4`, in order; the screen
    // shows their texts joined by kBookTitleSeparator.
    std::vector<int> titleEntries;
};

inline constexpr std::string_view kBookTitleSeparator = " - ";

// Where the articles of each book start in the shared article texts
// ("data\1kenor44"): books 0..11 are the twelve books of the article-run
// screen; the question screen's references name all fourteen.
inline constexpr std::array<std::int64_t, 14> kBookBase = {
    0, 5700, 7510, 8060, 12650, 18650, 20450, 21050, 21550, 24650, 30850, 35450, 35900, 36050};

// The book numbered `number` of `screen` (CurrentBook for frm43 and frm7,
// CurrentItem for frm410, ignored by the one-book screens). A number outside
// the screen's table gives a book with no files and no title.
BookInfo bookInfo(BookScreen screen, int number);

} // namespace ovta
