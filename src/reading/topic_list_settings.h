// What tells the topic lists apart: one row of settings per member. Places
// come from the layout tables (reading_layout.h), which the layout-art
// painter reads too.
#pragma once

#include <QColor>
#include <vector>

#include "reading/reader_files.h"
#include "reading/reading_layout.h"
#include "reading/topic_list.h"
#include "shell/glyph_text.h"

namespace ovta {

struct TopicListSettings {
    const char* kind;
    const layout::TopicListLayout* layout;
    TopicListRules rules;       // record layout, group filter, number kept, capacity
    const char* topicFile;      // the topic list and its titles (frm02 and frm12
    const char* titlesFile;     //   choose other files by group and set)
    int itemOffset;             // CurrentItem on a row click = Tag + itemOffset
    const char* reader;         // the reader a row opens
    const char* openerFilesFor; // the reader whose files it loads, or nullptr
    ReaderFileNames readerFiles;

    GlyphFace rowFace;
    int rowSize; // points, or pixels when negative
    QColor rowColor;
    bool hideEmptyRows;

    const char* pressedUp; // pressed pictures of the line arrows
    const char* pressedDown;
    const char* searchName; // the search button
    int searchSource;

    QColor magnifierBack;
    GlyphFace magnifierFace;
    int magnifierSize;
    bool magnifierTakesRowFont;

    // Keyboard positions after the nine rows ("l3", "l7", "l8", "l4", "l2",
    // or the search button's name), and where the pointer lands on a row.
    std::vector<const char*> cycle;
    int rowPointerOffset;
    bool keyPositionIsRepeat; // one variable for keyboard and auto-repeat
};

// The row of a topic list kind ("frm45"); throws std::logic_error for another.
const TopicListSettings& topicListSettings(const char* kind);

} // namespace ovta
