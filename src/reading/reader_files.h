// The files an article reader reads its articles from: the locator list,
// the section list and the article data file. Readers with files of their
// own hold them for their life; two readers read the files that their
// openers loaded for them, kept here program-wide: `frm03` those of `frm02`
// or `frm04` (whichever was created last), `frm46` those of `frm45`.
#pragma once

#include <string>

#include "store/content_dir.h"
#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

struct ReaderFiles {
    IndexList locators;
    IndexList sections;
    DataFile articles;
    // A list failed to load (and was reported then): what is read from the
    // empty lists would only report the same fault again.
    bool loadFailed = false;
};

struct ReaderFileNames {
    const char* locators;
    const char* sections;
    const char* articles;
};

// Loads the two lists and opens the data file, in that order, replacing
// `files` piece by piece: a list that fails to load throws FileError and
// leaves that list (and the pieces after it) empty.
void loadReaderFiles(ReaderFiles& files, const ContentDir& dir, const ReaderFileNames& names);

// The program-wide files loaded by an opener for reader `reader` ("frm03",
// "frm46"); each reader kind has one set for the whole run.
ReaderFiles& openerFiles(const std::string& reader);

} // namespace ovta
