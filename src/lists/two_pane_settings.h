// What tells the two-pane readers apart: one row of settings per member.
// Places come from the layout tables (list_layout.h), which the layout-art
// painter reads too.
#pragma once

#include <QColor>
#include <array>

#include "lists/list_layout.h"
#include "shell/glyph_text.h"

namespace ovta {

struct TwoPaneSettings {
    const char* kind;
    const layout::TwoPaneLayout* layout;

    GlyphFace rowFace;
    int rowSize; // points, or pixels when negative
    QColor rowColor;
    QColor openColor; // the row whose text is shown

    GlyphFace textFace;
    int textSize;
    QColor textColor;
    int textRows; // lines of the text pane; it pages by one less

    // Pressed pictures of luptrs, ldntrs, lupmts, ldnmts.
    std::array<const char*, 4> pressed;
    const char* searchName;
    int searchSource;
    // The keys put the search button's normal picture back unless it is
    // their target.
    bool keysRestoreSearch;
};

// The row of a two-pane kind ("frm05"); throws std::logic_error for another.
const TwoPaneSettings& twoPaneSettings(const char* kind);

} // namespace ovta
