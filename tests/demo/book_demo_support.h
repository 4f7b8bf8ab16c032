// The demo content of the book screens written once into a scratch content
// directory for all tests of the test program, and a book's tree read back
// the way the book screens read it: through the store's index lists and
// data files.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "demo/book_content.h"
#include "demo/content_writer.h"
#include "demo/headings.h"
#include "demo/reading_content.h"
#include "store/content_dir.h"
#include "store/data_file.h"
#include "store/index_list.h"
#include "support/fixture_dir.h"

namespace ovta::demo::test {

// The reading screens' files (frm14 and frm64 open their readers), the
// books' files and the title table. Removed when the program ends.
inline ContentDir bookDemoDir()
{
    static const ovta::test::FixtureDir dir;
    static const bool written = [] {
        const auto reading = readingFiles();
        for (const auto& f : reading)
            writeContentFile(dir.path(), f);
        for (const auto& f : bookFiles(reading))
            writeContentFile(dir.path(), f);
        writeContentFile(dir.path(), {"data\\kenor002", titleTableFile()});
        return true;
    }();
    (void)written;
    return ContentDir(dir.path());
}

// Where a book screen finds a node's fields (1-based field numbers).
struct TreeLayout {
    int recordSize;
    int titleOffsetField;
    int levelField;
};
inline constexpr TreeLayout kArticleListTree{32, 1, 3}; // frm14, frm43, frm64; group 4
inline constexpr TreeLayout kShelfTree{40, 1, 3};       // frm410; first 4, last 5
inline constexpr TreeLayout kBodyTree{48, 2, 6};        // frm7; body 4, 5
inline constexpr TreeLayout kRecitationTree{64, 2, 6};  // frm63; body 4, 5; last 7, first 8

struct TreeNode {
    int number; // 1-based
    int level;
    std::string title;
    std::vector<std::int32_t> fields; // all of them, field f at f - 1
};

struct Tree {
    IndexList list;
    std::vector<TreeNode> nodes;

    std::int32_t field(int node, int f) const
    {
        return nodes.at(static_cast<std::size_t>(node - 1))
            .fields.at(static_cast<std::size_t>(f - 1));
    }
    // The node numbers of the children of `node`, as the screens find them:
    // the nodes after it one level deeper, up to the first at its level or
    // above.
    std::vector<int> children(int node) const
    {
        std::vector<int> out;
        const int level = nodes.at(static_cast<std::size_t>(node - 1)).level;
        for (std::size_t m = static_cast<std::size_t>(node); m < nodes.size(); ++m) {
            if (nodes[m].level <= level)
                break;
            if (nodes[m].level == level + 1)
                out.push_back(nodes[m].number);
        }
        return out;
    }
    std::vector<int> topLevel() const
    {
        std::vector<int> out;
        for (const auto& n : nodes)
            if (n.level == 1)
                out.push_back(n.number);
        return out;
    }
    int depth() const
    {
        int d = 0;
        for (const auto& n : nodes)
            d = std::max(d, n.level);
        return d;
    }
};

inline Tree readTree(const ContentDir& dir, const std::string& treeFile,
                     const std::string& titlesFile, TreeLayout layout)
{
    Tree t{IndexList::load(dir, treeFile), {}};
    const DataFile titles = DataFile::open(dir, titlesFile);
    const std::int64_t count = t.list.recordCount(layout.recordSize);
    const int fieldCount = layout.recordSize / 8;
    for (std::int64_t r = 0; r < count; ++r) {
        TreeNode n{static_cast<int>(r + 1), 0, {}, {}};
        for (int f = 1; f <= fieldCount; ++f)
            n.fields.push_back(t.list.field(r, layout.recordSize, f));
        n.level = n.fields[static_cast<std::size_t>(layout.levelField - 1)];
        n.title = titles.read(n.fields[static_cast<std::size_t>(layout.titleOffsetField - 1)],
                              n.fields[static_cast<std::size_t>(layout.titleOffsetField)]);
        t.nodes.push_back(std::move(n));
    }
    return t;
}

// One book of a tree book screen: its tree and titles, and the capacities
// of its screen (nodes, level-1 nodes, children in one column).
struct BookFiles {
    std::string screen; // "frm7 book 3"
    std::string tree, titles;
    TreeLayout layout;
    int nodeCapacity, topCapacity, childCapacity;
};

inline std::vector<BookFiles> allBooks()
{
    std::vector<BookFiles> books{
        {"frm14", "data\\1kenor117", "data\\kenor116", kArticleListTree, 500, 50, 50},
        {"frm64", "data\\1kenor614", "data\\kenor613", kArticleListTree, 500, 50, 50},
        {"frm63", "data\\1kenor69", "data\\kenor610", kRecitationTree, 500, 60, 60},
    };
    for (int b = 1; b <= 10; ++b)
        books.push_back(
            {"frm43 book " + std::to_string(b), "data\\1kenor4" + std::to_string(9 + 4 * b),
             "data\\kenor4" + std::to_string(10 + 4 * b), kArticleListTree, 500, 50, 50});
    const char* frm7[17][3] = {
        {"31", "32", "33"}, {"313", "314", "315"}, {"310", "311", "312"}, {"37", "38", "39"},
        {"34", "35", "36"}, {"51", "52", "53"},    {"54", "55", "56"},    {"21", "22", "23"},
        {"24", "25", "26"}, {"27", "28", "29"},    {"210", "211", "212"}, {"213", "214", "215"},
        {"61", "62", "63"}, {"71", "72", "73"},    {"74", "75", "76"},    {"77", "78", "79"},
        {"81", "82", "83"},
    };
    for (int b = 1; b <= 17; ++b) {
        const auto& f = frm7[b - 1];
        books.push_back({"frm7 book " + std::to_string(b), std::string("data\\1kenor") + f[0],
                         std::string("data\\kenor") + f[1], kBodyTree, 600, 100, 70});
    }
    for (int i = 0; i <= 11; ++i)
        books.push_back({"frm410 book " + std::to_string(i),
                         "data\\1kenor" + std::to_string(454 + 2 * i),
                         "data\\kenor" + std::to_string(453 + 2 * i), kShelfTree, 750, 100, 50});
    return books;
}

// The body data file of frm7 book b (1..17).
inline std::string frm7Bodies(int b)
{
    static const char* names[17] = {"33", "315", "312", "39", "36", "53", "56", "23", "26",
                                    "29", "212", "215", "63", "73", "76", "79", "83"};
    return std::string("data\\kenor") + names[b - 1];
}

} // namespace ovta::demo::test
