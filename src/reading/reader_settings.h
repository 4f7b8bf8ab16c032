// What tells the article readers apart: one row of settings per member.
#pragma once

#include <QColor>

#include "reading/article.h"
#include "reading/reader_files.h"

namespace ovta {

struct ReaderSettings {
    const char* kind;
    // Files of its own, or the opener's (program-wide) for `openerFilesFor`.
    ReaderFileNames files;
    const char* openerFilesFor;
    int recordOffset; // record read = CurrentItem + recordOffset
    ArticleRules article;
    QColor textColor;
    bool escOnScreen; // Esc on the screen itself closes (frm03)
};

// The row of a reader kind ("frm13"); throws std::logic_error for another.
const ReaderSettings& readerSettings(const char* kind);

} // namespace ovta
