// The magnifier of a column of rows (`labcamov`): a row whose caption is
// wider than the row shows its whole caption in a label of its own,
// right-aligned with the row, while the pointer is over it. The Tag of the
// row magnified is kept in a variable of the screen kind (0 for none).
#pragma once

#include <QColor>
#include <string>

#include "shell/glyph_text.h"

class QWidget;

namespace ovta {

class LabelControl;

struct MagnifierLook {
    GlyphFace face;
    int size;
    QColor text;
    QColor back; // invalid: transparent behind the caption
};

class Magnifier {
public:
    // The label is created in `parent`, `height` high, out of sight at
    // `hiddenTop`, its left at `left`.
    Magnifier(QWidget* parent, int& current, int left, int height, int hiddenTop);

    LabelControl* label() const { return label_; }

    // The pointer is over `row`: magnifies it when its caption (measured in
    // `rowFont`) is wider than the row, otherwise empties the magnifier,
    // which stays where it is.
    void over(LabelControl* row, const GlyphFont& rowFont, const MagnifierLook& look);
    // Out of sight and empty (the pointer went over the background).
    void hide();
    // Out of sight without changing its caption (a new show of the screen).
    void moveAway();

private:
    LabelControl* label_;
    int& current_;
    int hiddenTop_;
};

} // namespace ovta
