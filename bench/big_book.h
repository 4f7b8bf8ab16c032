// The largest book a book screen holds, written into a scratch content
// directory: 750 headings of the article-run layout (frm410's capacity) and
// three article texts. Shared by the model and the screen benchmarks.
#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "books/book_tables.h"

namespace ovta::bench {

inline std::string field(long long v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%08lld", v);
    return buf;
}

inline void writeFile(const std::filesystem::path& root, std::string name, const std::string& bytes)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    const auto path = root / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// 50 level-1 headings, each with 7 children that have one child each:
// 50 + 350 + 350 = 750 nodes, the article-run screen's capacity.
inline void writeBook(const std::filesystem::path& root, const BookFileNames& names)
{
    std::string tree;
    std::string titles;
    auto add = [&](int level, const std::string& title) {
        tree += field(static_cast<long long>(titles.size())) +
                field(static_cast<long long>(title.size())) + field(level) + field(1) + field(3);
        titles += title;
    };
    for (int i = 0; i < 50; ++i) {
        add(1, "heading " + std::to_string(i) + " of the book, long enough to be measured");
        for (int j = 0; j < 7; ++j) {
            add(2, "chapter " + std::to_string(j) + " of heading " + std::to_string(i));
            add(3, "section of chapter " + std::to_string(j));
        }
    }
    writeFile(root, names.tree, tree);
    writeFile(root, names.titles, titles);
    std::string locators;
    std::string texts;
    for (int a = 0; a < 3; ++a) {
        const std::string text = "article text " + std::to_string(a);
        locators += field(static_cast<long long>(texts.size())) +
                    field(static_cast<long long>(text.size()));
        texts += text;
    }
    writeFile(root, names.locators, locators);
    writeFile(root, names.articleTexts, texts);
}

} // namespace ovta::bench
