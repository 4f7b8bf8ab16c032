// The keyboard's place on a book screen's strip: one row of one column,
// drawn with a frame, that the arrows move and Enter opens. Up and Down go
// from row to row and scroll the column at its ends; Left goes one column
// deeper (column 1 lies at the right end of the strip), Right one back. The
// cursor only says where it goes and what the column must do for that; the
// screen does it through the book's model and then lets the cursor settle
// on what the strip shows.
#pragma once

#include "books/book_columns.h"
#include "shell/reading_keys.h"

namespace ovta {

class BookCursor {
public:
    // What the strip must do before the cursor stands on its new place.
    enum class Scroll { None, Up, Down };
    struct Step {
        int column = 0;
        int row = 0;
        Scroll scroll = Scroll::None;
    };

    int column() const { return column_; }
    int row() const { return row_; }
    bool placed() const { return column_ != 0; }

    // Where `move` (Up, Down, Left, Right) takes the cursor on `columns`;
    // the cursor itself does not move. Unplaced, any move starts on the
    // deepest column's selected row, or its open row, or its first row.
    Step step(const BookColumns& columns, KeyMove move) const;

    void moveTo(int column, int row);
    // After the strip changed: keeps the cursor on a row that is shown,
    // moving it up its column or to the column before when its row went.
    void settle(const BookColumns& columns);
    void clear() { column_ = row_ = 0; }

    // The strip moves to put column `k` in view: +1 (one column deeper),
    // -1 (one back) or 0 when it is in view at strip position `position`.
    static int stripMoveFor(int k, int position);

private:
    int column_ = 0;
    int row_ = 0;
};

} // namespace ovta
