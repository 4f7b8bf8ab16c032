#include "books/book_cursor.h"

namespace ovta {
namespace {

constexpr int kRows = BookColumn::Rows;
// Columns in view at one strip position: the position's column and the two
// before it.
constexpr int kColumnsInView = 3;

int shownRows(const BookColumn& c)
{
    int n = 0;
    for (const ColumnRow& r : c.rows)
        if (r.shown)
            ++n;
    return n;
}

// The row of column `c` the cursor lands on when it enters the column.
int entryRow(const BookColumn& c)
{
    if (c.selectedRow != 0 && c.row(c.selectedRow).shown)
        return c.selectedRow;
    if (c.openRow != 0 && c.row(c.openRow).shown)
        return c.openRow;
    return shownRows(c) > 0 ? 1 : 0;
}

} // namespace

BookCursor::Step BookCursor::step(const BookColumns& columns, KeyMove move) const
{
    if (!placed() || shownRows(columns.column(column_)) == 0) {
        for (int k = columns.deepestShown(); k >= 1; --k) {
            const int r = entryRow(columns.column(k));
            if (r != 0)
                return {k, r};
        }
        return {};
    }
    const BookColumn& c = columns.column(column_);
    const int rows = shownRows(c);
    const int bottom = c.top + rows - 1; // entry on the last shown row
    switch (move) {
    case KeyMove::Up:
        if (row_ > 1)
            return {column_, row_ - 1};
        return {column_, row_, c.top > 0 ? Scroll::Up : Scroll::None};
    case KeyMove::Down:
        if (row_ < rows)
            return {column_, row_ + 1};
        return {column_, row_, bottom < c.count() - 1 ? Scroll::Down : Scroll::None};
    case KeyMove::Left: {
        const BookColumn& deeper = columns.column(column_ + 1);
        const int r = entryRow(deeper);
        if (column_ < BookColumns::Columns && r != 0)
            return {column_ + 1, r};
        return {column_, row_};
    }
    case KeyMove::Right:
        if (column_ > 1)
            return {column_ - 1, entryRow(columns.column(column_ - 1))};
        return {column_, row_};
    default: return {column_, row_};
    }
}

void BookCursor::moveTo(int column, int row)
{
    if (column < 1 || column > BookColumns::Columns || row < 1 || row > kRows) {
        clear();
        return;
    }
    column_ = column;
    row_ = row;
}

void BookCursor::settle(const BookColumns& columns)
{
    while (placed()) {
        const int rows = shownRows(columns.column(column_));
        if (rows > 0) {
            if (row_ > rows)
                row_ = rows;
            return;
        }
        --column_;
        if (column_ < 1)
            clear();
        else
            row_ = entryRow(columns.column(column_));
    }
}

int BookCursor::stripMoveFor(int k, int position)
{
    if (k > position)
        return 1;
    if (k <= position - kColumnsInView)
        return -1;
    return 0;
}

} // namespace ovta
