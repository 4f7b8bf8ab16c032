// The content files of one open book, loaded when its screen is created and
// kept for the screen's life. A file the book does not have, or one that
// failed to load, stays an empty list or an invalid data file, which reads
// as empty and is never taken for the real one.
#pragma once

#include "books/book_tables.h"
#include "store/content_dir.h"
#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

struct BookFiles {
    IndexList tree;
    DataFile titles;
    IndexList groupMap;
    IndexList articleNumbers;
    IndexList articleIndex;
    DataFile articleTitles;
    DataFile bodies;
    IndexList segments;
    IndexList locators;
    DataFile articleTexts;

    // Loads every list and opens every data file that `names` gives,
    // replacing what was held. A list that cannot be loaded does not stop
    // the others: the whole book is tried, and the first FileError is
    // thrown at the end (so the headings still show when, say, only the
    // article files are missing). Data files never throw; a missing one is
    // an invalid handle.
    void open(const ContentDir& dir, const BookFileNames& names);
};

} // namespace ovta
