#include "reading/reader_files.h"

#include <map>

namespace ovta {

void loadReaderFiles(ReaderFiles& files, const ContentDir& dir, const ReaderFileNames& names)
{
    files.locators = IndexList();
    files.sections = IndexList();
    files.articles = DataFile();
    files.loadFailed = false;
    try {
        files.locators = IndexList::load(dir, names.locators);
        files.sections = IndexList::load(dir, names.sections);
    } catch (...) {
        files.loadFailed = true;
        throw;
    }
    files.articles = DataFile::open(dir, names.articles);
}

ReaderFiles& openerFiles(const std::string& reader)
{
    static std::map<std::string, ReaderFiles> shared;
    return shared[reader];
}

} // namespace ovta
