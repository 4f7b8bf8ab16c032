#include "books/passages.h"

#include <utility>

#include "store/errors.h"

namespace ovta {

void Passages::fill(const IndexList& segments, std::int32_t first, std::int32_t last,
                    const std::string& word, const std::string& caption)
{
    items_.clear();
    passages_.clear();
    clearText();
    if (first == 0 || last < first)
        return;
    for (std::int64_t s = first; s <= last; ++s) {
        const auto i = static_cast<int>(s - first);
        if (i >= Capacity)
            throw RangeError("the passage table of frm63 holds " + std::to_string(Capacity) +
                             " entries; segment " + std::to_string(s) + " of index list " +
                             segments.name() + " is one too many");
        Passage p;
        p.start = segments.field(s - 1, 16, 1);
        p.end = segments.field(s - 1, 16, 2);
        passages_.push_back(p);
        items_.push_back(std::to_string(i + 1) + " " + word);
        text_ = caption;
        name_ = text_;
    }
}

void Passages::clearItems()
{
    items_.clear();
    passages_.clear();
}

void Passages::clearText()
{
    text_.clear();
    name_.clear();
}

void Passages::setText(std::string text)
{
    text_ = std::move(text);
    name_ = text_;
}

Passage Passages::pick(int i)
{
    if (i < 0 || i >= static_cast<int>(items_.size()))
        throw RangeError("passage " + std::to_string(i + 1) + " is not among the " +
                         std::to_string(items_.size()) + " of the chooser");
    text_ = items_[static_cast<std::size_t>(i)];
    name_ = text_;
    return passages_[static_cast<std::size_t>(i)];
}

} // namespace ovta
