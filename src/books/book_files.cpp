#include "books/book_files.h"

#include <exception>
#include <string>

#include "store/errors.h"

namespace ovta {
namespace {

class Loader {
public:
    explicit Loader(const ContentDir& dir) : dir_(dir) {}

    void list(IndexList& into, const std::string& name)
    {
        into = IndexList();
        if (name.empty())
            return;
        try {
            into = IndexList::load(dir_, name);
        } catch (const FileError&) {
            if (!failure_)
                failure_ = std::current_exception();
        }
    }

    void data(DataFile& into, const std::string& name)
    {
        into = name.empty() ? DataFile() : DataFile::open(dir_, name);
    }

    void finish() const
    {
        if (failure_)
            std::rethrow_exception(failure_);
    }

private:
    const ContentDir& dir_;
    std::exception_ptr failure_;
};

} // namespace

void BookFiles::open(const ContentDir& dir, const BookFileNames& names)
{
    Loader load(dir);
    load.list(tree, names.tree);
    load.data(titles, names.titles);
    load.list(groupMap, names.groupMap);
    load.list(articleNumbers, names.articleNumbers);
    load.list(articleIndex, names.articleIndex);
    load.data(articleTitles, names.articleTitles);
    load.data(bodies, names.bodies);
    load.list(segments, names.segments);
    load.list(locators, names.locators);
    load.data(articleTexts, names.articleTexts);
    load.finish();
}

} // namespace ovta
