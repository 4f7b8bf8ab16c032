// The ten columns of a book screen's strip and everything the user moves in
// them: which heading each of the five rows of a column shows and with which
// icon, which row is open and which selected, how far each column is
// scrolled, how far the strip is scrolled sideways, and the path caption of
// the opened headings. Column 1 (at the right end of the strip) holds the
// level-1 headings; opening a heading in column k fills column k + 1 with its
// children. The screen draws from this state after every operation.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "books/book_tree.h"
#include "books/text_width.h"

namespace ovta {

// The icon beside a row; the picture is "data1\1\<value>.bmp".
enum class RowIcon { Closed = 1, Open = 2, Leaf = 3 };

const char* iconPicture(RowIcon icon);

struct ColumnRow {
    bool shown = false; // on the strip
    std::string caption;
    int node = 0; // the Tag of the row's label and icon
    RowIcon icon = RowIcon::Leaf;
};

struct BookColumn {
    static constexpr int Rows = 5;

    std::vector<ColumnEntry> entries;
    int top = 0;         // entry shown by row 1
    int openRow = 0;     // 1..5, 0 for none
    int selectedRow = 0; // 1..5, 0 for none; its caption is red, the others blue
    bool arrows = false; // track and arrows on the strip (six entries or more)
    std::array<ColumnRow, Rows> rows{};

    int count() const { return static_cast<int>(entries.size()); }
    // The window top goes from 0 to limit() + 1 = count - 5.
    int limit() const { return count() - 6; }
    bool red(int row) const { return row != 0 && row == selectedRow; }
    // The row (1..5) on the strip showing `node`, or 0.
    int rowOf(int node) const;
    // Row r (1..5); rows outside read as a row off the strip.
    const ColumnRow& row(int r) const;
};

struct ColumnRules {
    std::string screen;       // "frm14", named in capacity errors
    int childrenCapacity = 0; // entries of columns 2..10
    bool firstColumnEmptiesPath = false;
    bool lastPathFromFirstColumn = false;
    bool lastPathWrapped = true;
};

class BookColumns {
public:
    static constexpr int Columns = 10;
    static constexpr int FirstStripPosition = 3;
    static constexpr int LastStripPosition = 10;
    static constexpr int ColumnWidth = 171;
    // The strip's left edge inside its window at the first position, so that
    // column 1, at the right end of the 1710-pixel strip, is in view.
    static constexpr int FirstStripLeft = -1110;

    BookColumns(const BookTree& tree, ColumnRules rules);

    // The path caption wraps at `limit` pixels measured by `width`; without
    // them it is never wrapped.
    void setCaptionMeasure(TextWidth width, int limit);
    // Called first thing whenever column k is shown (the screen's content
    // pane empties itself there).
    void setShowListener(std::function<void(int k)> listener);

    // The first show: column 1 takes the level-1 headings the tree has
    // loaded, its arrows go on the strip with six or more, and it is shown.
    void start();

    // Column k (1..10); any other k reads as an empty column.
    const BookColumn& column(int k) const;
    int deepestShown() const { return deepest_; }
    int stripPosition() const { return stripPosition_; }
    // The strip's left edge in pixels inside its window.
    int stripLeft() const;
    const std::string& pathCaption() const { return path_; }

    // Redraws column k from its window top: the content pane empties, the
    // path caption shows the headings selected in the columns before, the
    // column loses its selection, every column after it goes off the strip,
    // and the open rows of k..10 are forgotten.
    void showColumn(int k);

    // A click on row r of column k. Returns the node opened, whose content
    // the pane is to show next; 0 when nothing happens (column 10, a row off
    // the strip, the open row again, the selected leaf again). When the
    // children do not fit in column k + 1 it shows those that fit and then
    // throws RangeError: the content of the node is not to be shown.
    int openNode(int k, int row);

    // One row up or down; false when the column is already at that end.
    bool scrollUp(int k);
    bool scrollDown(int k);

    // The strip arrow at the left screen edge: one column deeper into view,
    // up to position 10 and not past the deepest column shown.
    bool moveStripRight();
    // The strip arrow at the right screen edge: one column back, down to 3.
    bool moveStripLeft();

private:
    BookColumn& at(int k) { return columns_[static_cast<std::size_t>(k - 1)]; }
    void fill(int k, std::vector<ColumnEntry> entries);
    std::string composePath(int k) const;
    void setPath(int k);

    const BookTree& tree_;
    ColumnRules rules_;
    TextWidth width_;
    int widthLimit_ = 0;
    std::function<void(int)> onShow_;
    std::array<BookColumn, Columns> columns_{};
    int deepest_ = 0;
    int stripPosition_ = FirstStripPosition;
    std::string path_;
};

} // namespace ovta
