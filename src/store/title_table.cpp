#include "store/title_table.h"

#include "store/content_dir.h"
#include "store/content_file.h"
#include "store/errors.h"

namespace ovta {

namespace {
const std::string kEmpty;
constexpr const char* kFile = "data\\kenor002";
}  // namespace

const std::string& TitleTable::entry(int k) const
{
    if (k < 1 || k > Size)
        return kEmpty;
    return entries_[static_cast<std::size_t>(k - 1)];
}

void TitleTable::clear()
{
    for (auto& e : entries_)
        e.clear();
    filled_ = 0;
}

void TitleTable::load(const ContentDir& dir)
{
    clear();
    const std::string text = ContentFile::readAll(dir, kFile);

    std::size_t at = 0;
    int k = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos)
            end = text.size();
        if (k == Size)
            failContent<RangeError>(kFile, "has more than 120 lines");
        entries_[static_cast<std::size_t>(k++)] = text.substr(at, end - at);
        filled_ = k;
        at = end;
        if (at < text.size() && text[at] == '\r')
            ++at;
        if (at < text.size() && text[at] == '\n')
            ++at;
    }
}

}  // namespace ovta
