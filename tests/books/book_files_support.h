// Building small books in tests: node records of every layout written as
// one line of 8-character fields, with their titles (and body texts) in
// data files, and helpers to write them under a book's content names.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "books/book_tables.h"
#include "reading/content_records.h"
#include "support/fixture_dir.h"

namespace ovta::test {

struct Heading {
    Heading(int level_, std::string title_, long long x_ = 0, long long y_ = 0,
            std::string body_ = {})
        : level(level_), title(std::move(title_)), x(x_), y(y_), body(std::move(body_))
    {
    }

    int level = 1;
    std::string title;
    // Articles32: x = group. Range40: x = first article, y = last article.
    // Passages64: x = first segment, y = last segment.
    long long x = 0;
    long long y = 0;
    std::string body; // Body48, Passages64
};

// A tree file and its data files, built heading by heading.
struct TreeFiles {
    std::string list;
    DataBuilder titles;
    DataBuilder bodies;
};

inline TreeFiles buildTree(NodeLayout layout, const std::vector<Heading>& headings)
{
    TreeFiles out;
    for (const Heading& h : headings) {
        const auto [offset, length] = out.titles.add(h.title);
        switch (layout) {
        case NodeLayout::Articles32: out.list += fields({offset, length, h.level, h.x}); break;
        case NodeLayout::Range40: out.list += fields({offset, length, h.level, h.x, h.y}); break;
        case NodeLayout::Body48: {
            const auto [bodyAt, bodyLength] = out.bodies.add(h.body);
            out.list += fields({0, offset, length, bodyAt, bodyLength, h.level});
            break;
        }
        case NodeLayout::Passages64: {
            const auto [bodyAt, bodyLength] = out.bodies.add(h.body);
            out.list += fields({0, offset, length, bodyAt, bodyLength, h.level, h.y, h.x});
            break;
        }
        }
    }
    return out;
}

// Headings of the given levels, titled "n1", "n2", ... by node number.
inline std::vector<Heading> outline(const std::vector<int>& levels)
{
    std::vector<Heading> headings;
    for (std::size_t i = 0; i < levels.size(); ++i)
        headings.push_back({levels[i], "n" + std::to_string(i + 1)});
    return headings;
}

// Writes the tree, its titles and (where the book has them) its bodies
// under the book's names.
inline void writeTree(const FixtureDir& content, const BookFileNames& names, const TreeFiles& tree)
{
    content.write(names.tree, tree.list);
    content.write(names.titles, tree.titles.bytes);
    if (!names.bodies.empty())
        content.write(names.bodies, tree.bodies.bytes);
}

// Article locators and texts of the shared article files: article a
// (1-based, base included) is record a - 1; `skipped` empty records come first.
inline void writeArticleTexts(const FixtureDir& content, const std::vector<std::string>& texts,
                              int skipped = 0)
{
    DataBuilder data;
    std::string locators(16 * static_cast<std::size_t>(skipped), '0');
    for (const auto& t : texts) {
        const auto [offset, length] = data.add(t);
        locators += fields({offset, length});
    }
    content.write("data\\1kenor44", locators);
    content.write("data\\kenor45", data.bytes);
}

// The group map, article numbers and article index of an article screen's
// book: group g lists groups[g - 1], article a titled "a<a>". Runs start at
// position 1, since frm64 lists nothing from position 0.
inline void writeArticles(const FixtureDir& content, BookScreen screen, const BookFileNames& names,
                          const std::vector<std::vector<long long>>& groups, int count)
{
    const ScreenSettings& s = screenSettings(screen);
    std::string map, index;
    std::string numbers = fields({1});
    long long position = 1;
    for (const auto& g : groups) {
        map += fields({position, position + static_cast<long long>(g.size()) - 1});
        for (long long a : g)
            numbers += fields({a});
        position += static_cast<long long>(g.size());
    }
    DataBuilder data;
    for (int a = 1; a <= count; ++a) {
        const auto [offset, length] = data.add("a" + std::to_string(a));
        for (int f = 1; f <= s.articleRecordSize / 8; ++f)
            index += f == s.articleTitleField       ? fields({offset})
                     : f == s.articleTitleField + 1 ? fields({length})
                                                    : fields({0});
    }
    content.write(names.groupMap, map);
    content.write(names.articleNumbers, numbers);
    content.write(names.articleIndex, index);
    content.write(names.articleTitles, data.bytes);
}

} // namespace ovta::test
