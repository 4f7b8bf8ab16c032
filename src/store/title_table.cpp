#include "store/title_table.h"

#include <fstream>
#include <iterator>

#include "store/content_dir.h"
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
    const auto path = dir.resolve(kFile);
    std::ifstream in;
    if (path)
        in.open(*path, std::ios::binary);
    if (!in.is_open() || !in)
        throw FileError(std::string("Cannot open file \"") + kFile + "\"");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    std::size_t at = 0;
    int k = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos)
            end = text.size();
        if (k == Size)
            throw RangeError(std::string("\"") + kFile + "\" has more than 120 lines");
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
