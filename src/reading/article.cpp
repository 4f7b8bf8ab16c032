#include "reading/article.h"

#include <algorithm>

namespace ovta {

std::string readArticle(const IndexList& locators, const DataFile& articles, std::int64_t record)
{
    const std::int32_t offset = locators.field(record, 16, 1);
    const std::int32_t length = locators.field(record, 16, 2);
    return articles.read(offset, length);
}

std::vector<SectionPair> readSections(const IndexList& sections, std::int64_t record, int pairs)
{
    std::vector<SectionPair> read;
    const std::int64_t size = 16 * static_cast<std::int64_t>(pairs);
    for (int k = 1; k <= pairs; ++k) {
        SectionPair p;
        p.start = sections.field(record, size, 2 * k - 1);
        p.length = sections.field(record, size, 2 * k);
        read.push_back(p);
    }
    return read;
}

std::string Article::cut(int k) const
{
    if (k < 1 || k > static_cast<int>(pairs_.size()))
        return {};
    const SectionPair& p = pairs_[static_cast<std::size_t>(k - 1)];
    const auto size = static_cast<std::int64_t>(text_.size());
    const std::int64_t start = std::clamp<std::int64_t>(p.start, 0, size);
    const std::int64_t end =
        std::clamp<std::int64_t>(start + std::max<std::int64_t>(p.length, 0), start, size);
    return text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

std::string Article::whole() const
{
    std::string joined;
    for (int k = 1; k <= static_cast<int>(pairs_.size()); ++k) {
        const std::string part = cut(k);
        if (part.empty())
            continue;
        // The first sub-section replaces what is there: an empty first one
        // leaves two empty lines at the top of the whole text.
        joined = k == 1 ? part : joined + "\r\n\r\n" + part;
    }
    return joined;
}

std::vector<ChooserEntry> Article::chooser() const
{
    std::vector<ChooserEntry> entries{{rules_.wholeCaption, 0}};
    for (int k = 1; k <= static_cast<int>(pairs_.size()); ++k) {
        const SectionPair& p = pairs_[static_cast<std::size_t>(k - 1)];
        if (p.start == 0 || p.length == 0)
            continue;
        if (rules_.needsNonEmptyCut && cut(k).empty())
            continue;
        const auto i = static_cast<std::size_t>(k - 1);
        entries.push_back({i < rules_.captions.size() ? rules_.captions[i] : 0, k});
    }
    return entries;
}

} // namespace ovta
