#include "demo/shelf_books.h"

#include <algorithm>
#include <string>

#include "demo/book_files.h"
#include "demo/fiqh_catalogue.h"
#include "demo/reading_files.h"
#include "demo/shelf_prose.h"
#include "store/errors.h"

namespace ovta::demo {

namespace {

struct ShelfBook {
    int item; // CurrentItem; also the book number of the references
    const char* tree;
    const char* titles;
    School school;
    ShelfKind kind;
    unsigned chapters; // bit k: chapter k + 1 of the catalogue
    int subHeadings;   // how many of the kind's headings each topic gets
};

constexpr unsigned kAllChapters = 0x3FF;

constexpr ShelfBook kShelf[] = {
    {0, "data\\1kenor454", "data\\kenor453", School::Hanafi, ShelfKind::Text, kAllChapters, 9},
    {1, "data\\1kenor456", "data\\kenor455", School::Hanafi, ShelfKind::Commentary, 0x003, 4},
    {2, "data\\1kenor458", "data\\kenor457", School::Hanafi, ShelfKind::Rulings, 0x01C, 3},
    {3, "data\\1kenor460", "data\\kenor459", School::Hanafi, ShelfKind::Gloss, 0x060, 3},
    {4, "data\\1kenor462", "data\\kenor461", School::Maliki, ShelfKind::Text, kAllChapters, 2},
    {5, "data\\1kenor464", "data\\kenor463", School::Maliki, ShelfKind::Commentary, 0x01F, 4},
    {6, "data\\1kenor466", "data\\kenor465", School::Maliki, ShelfKind::Rulings, 0x0E0, 3},
    {7, "data\\1kenor468", "data\\kenor467", School::Maliki, ShelfKind::Cases, 0x320, 2},
    {8, "data\\1kenor470", "data\\kenor469", School::Maliki, ShelfKind::Gloss, 0x018, 3},
    {9, "data\\1kenor472", "data\\kenor471", School::Shafii, ShelfKind::Summary, kAllChapters, 1},
    {10, "data\\1kenor474", "data\\kenor473", School::Shafii, ShelfKind::Gloss, 0x083, 3},
    {11, "data\\1kenor476", "data\\kenor475", School::Shafii, ShelfKind::Rulings, 0x3FC, 3},
};

struct ShelfNode {
    int level;
    std::string title;
    int topic;   // catalogue topic, -1 for a chapter
    int chapter; // index into fiqhChapters()
    int first = 0, last = 0;
};

constexpr std::string_view kBranches[] = {"الفرع الأول", "الفرع الثاني", "الفرع الثالث"};
// Under book 0's first branch, the ladder goes on to level 8.
constexpr std::string_view kLadder[] = {"المسألة الأولى", "الصورة الأولى", "القيد الأول",
                                        "تنبيه على القيد"};

bool hasBranches(const ShelfBook& b, int topic)
{
    return b.item == 0 && topic % 5 == 0;
}

// How many headings each topic of book 0 gets so that the book holds
// exactly kShelfLargestBook nodes.
int largestBookSubHeadings(int topic)
{
    int fixed = 0;
    for (const auto& ch : fiqhChapters())
        fixed += 1 + static_cast<int>(ch.topics.size());
    const int topics = fiqhTopicCount();
    for (int t = 0; t < topics; ++t)
        fixed += t % 5 == 0 ? static_cast<int>(std::size(kBranches)) : 0;
    fixed += static_cast<int>(std::size(kLadder));
    const int rest = kShelfLargestBook - fixed;
    return rest / topics + (topic < rest % topics ? 1 : 0);
}

std::vector<ShelfNode> outlineOf(const ShelfBook& b)
{
    std::vector<ShelfNode> nodes;
    const auto& patterns = shelfSubHeadings(b.kind);
    const auto chapters = fiqhChapters();
    for (std::size_t c = 0; c < chapters.size(); ++c) {
        if ((b.chapters & (1u << c)) == 0)
            continue;
        const int ci = static_cast<int>(c);
        nodes.push_back({1, "كتاب " + std::string(chapters[c].title), -1, ci});
        for (std::size_t k = 0; k < chapters[c].topics.size(); ++k) {
            const int topic = chapters[c].firstTopic + static_cast<int>(k);
            nodes.push_back({2, "باب " + std::string(chapters[c].topics[k]), topic, ci});
            const int subs = b.item == 0 ? largestBookSubHeadings(topic) : b.subHeadings;
            const std::vector<std::string_view> used(
                patterns.begin(), patterns.begin() + std::min<std::size_t>(subs, patterns.size()));
            for (auto& sub : subHeadings({2, std::string(chapters[c].topics[k]), 0}, used))
                nodes.push_back({sub.level, sub.title, topic, ci});
            if (!hasBranches(b, topic))
                continue;
            for (const auto branch : kBranches) {
                nodes.push_back({4, std::string(branch), topic, ci});
                if (topic != 0 || branch != kBranches[0])
                    continue;
                int level = 5;
                for (const auto step : kLadder)
                    nodes.push_back({level++, std::string(step), topic, ci});
            }
        }
    }
    return nodes;
}

bool isHeading(const std::vector<ShelfNode>& nodes, std::size_t i)
{
    return i + 1 < nodes.size() && nodes[i + 1].level > nodes[i].level;
}

class ShelfWriter {
public:
    ShelfWriter()
        : locators_(static_cast<std::size_t>(kShelfBase.back() + fiqhTopicCount())),
          articles_(kShelfBookCount,
                    std::vector<std::vector<int>>(static_cast<std::size_t>(fiqhTopicCount())))
    {
    }

    DemoFile treeFile(const ShelfBook& b, TitleData& titles)
    {
        auto nodes = outlineOf(b);
        if (b.item == 0 && static_cast<int>(nodes.size()) != kShelfLargestBook)
            throw RangeError("The largest shelf book has " + std::to_string(nodes.size()) +
                             " nodes");
        int next = 1;
        int leaf = 0;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (isHeading(nodes, i))
                continue;
            auto& n = nodes[i];
            const int count = leafArticles(leaf++);
            for (int k = 0; k < count; ++k) {
                const bool empty = k == 1 && (count == 2 || (leaf / 7) % 2 == 0);
                addArticle(b, n, next, empty);
                ++next;
            }
            if (count > 0) {
                n.first = next - count;
                n.last = next - 1;
            }
        }
        if (kShelfBase[static_cast<std::size_t>(b.item)] + next - 1 >
            kShelfBase[static_cast<std::size_t>(b.item) + 1])
            throw RangeError("Shelf book " + std::to_string(b.item) + " runs into the next");
        spanHeadings(nodes);
        std::string tree;
        for (const auto& n : nodes) {
            const auto [at, length] = titles.add(n.title);
            tree += fields({at, length, n.level, n.first, n.last});
        }
        return {b.tree, tree};
    }

    // Books 12 and 13: one article per topic, in catalogue order.
    void addGeneral(int book, std::string_view lead)
    {
        for (const auto& ch : fiqhChapters())
            for (std::size_t k = 0; k < ch.topics.size(); ++k) {
                const int topic = ch.firstTopic + static_cast<int>(k);
                const std::string heading = std::string(lead) + std::string(ch.topics[k]);
                const auto text = shelfArticleText(prose_, ShelfKind::General,
                                                   {heading, ch.topics[k], ch.title, {}, false});
                place(book, topic + 1, texts_.add(text));
                articles_[static_cast<std::size_t>(book)][static_cast<std::size_t>(topic)]
                    .push_back(topic + 1);
            }
    }

    std::string locatorList() const
    {
        std::string out;
        for (const auto& [offset, length] : locators_)
            out += fields({offset, length});
        return out;
    }
    const std::string& texts() const { return texts_.bytes(); }
    std::vector<std::vector<std::vector<int>>> articles() const { return articles_; }

private:
    // Most headings have one article; some a run of three (now and then with
    // an empty one in the middle, which previous and next pass over), a few
    // two (the second empty), and some none at all.
    static int leafArticles(int leaf)
    {
        if (leaf % 11 == 10)
            return 0;
        if (leaf % 7 == 3)
            return 3;
        if (leaf % 29 == 12)
            return 2;
        return 1;
    }

    void addArticle(const ShelfBook& b, const ShelfNode& n, int number, bool empty)
    {
        if (empty) {
            place(b.item, number, {0, 0});
            return;
        }
        const auto& ch = fiqhChapters()[static_cast<std::size_t>(n.chapter)];
        const std::string_view topic = ch.topics[static_cast<std::size_t>(n.topic - ch.firstTopic)];
        const ShelfArticle a{n.title, topic, ch.title, schoolName(b.school), number % 17 == 5};
        place(b.item, number, texts_.add(shelfArticleText(prose_, b.kind, a)));
        articles_[static_cast<std::size_t>(b.item)][static_cast<std::size_t>(n.topic)].push_back(
            number);
    }

    void place(int book, int number, std::pair<std::int64_t, std::int64_t> locator)
    {
        locators_.at(static_cast<std::size_t>(kShelfBase[static_cast<std::size_t>(book)] + number -
                                              1)) = locator;
    }

    // A heading's run is everything its sub-headings hold, so the reader
    // can step through a whole topic or chapter.
    static void spanHeadings(std::vector<ShelfNode>& nodes)
    {
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (!isHeading(nodes, i))
                continue;
            for (std::size_t j = i + 1; j < nodes.size() && nodes[j].level > nodes[i].level; ++j) {
                if (nodes[j].first == 0)
                    continue;
                if (nodes[i].first == 0)
                    nodes[i].first = nodes[j].first;
                nodes[i].last = std::max(nodes[i].last, nodes[j].last);
            }
        }
    }

    Prose prose_{0x5348454C}; // "SHEL"
    TextData texts_;
    std::vector<std::pair<std::int64_t, std::int64_t>> locators_;
    std::vector<std::vector<std::vector<int>>> articles_;
};

} // namespace

ShelfContent shelfContent()
{
    ShelfWriter writer;
    ShelfContent out;
    for (const ShelfBook& b : kShelf) {
        TitleData titles;
        out.files.push_back(writer.treeFile(b, titles));
        out.files.push_back({b.titles, titles.bytes()});
    }
    writer.addGeneral(12, "مدخل إلى ");
    writer.addGeneral(13, "المقارنة بين المذاهب في ");
    out.files.push_back({"data\\1kenor44", writer.locatorList()});
    out.files.push_back({"data\\kenor45", writer.texts()});
    out.articles = writer.articles();
    return out;
}

} // namespace ovta::demo
