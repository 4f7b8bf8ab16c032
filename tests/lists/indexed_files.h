// A list's three files in a scratch directory, as the list screens read
// them: the index "data\i" over the titles "data\t" and the texts "data\x".
#pragma once

#include <string>

#include "reading/content_records.h"
#include "store/content_dir.h"
#include "store/data_file.h"
#include "store/index_list.h"
#include "support/fixture_dir.h"

namespace ovta::test {

class IndexedFiles {
public:
    void write(const std::string& index, const DataBuilder& titles, const DataBuilder& texts) const
    {
        content.write("data\\i", index);
        content.write("data\\t", titles.bytes);
        content.write("data\\x", texts.bytes);
    }
    IndexList index() const { return IndexList::load(ContentDir(content.path()), "data\\i"); }
    DataFile data(const char* name) const
    {
        return DataFile::open(ContentDir(content.path()), name);
    }

    FixtureDir content;
};

}  // namespace ovta::test
