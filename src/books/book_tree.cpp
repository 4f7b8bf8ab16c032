#include "books/book_tree.h"

#include <algorithm>
#include <utility>

#include "store/errors.h"

namespace ovta {
namespace {

const std::string kNoTitle;
const NodeFields kNoFields;

std::string of(const std::string& screen)
{
    return screen.empty() ? "" : " of " + screen;
}

[[noreturn]] void full(const std::string& table, int capacity, std::int64_t node,
                       const std::string& treeName)
{
    throw RangeError(table + " holds " + std::to_string(capacity) + " entries; node " +
                     std::to_string(node) + " of index list " + treeName + " is one too many");
}

} // namespace

BookTree::BookTree(NodeLayout layout, int nodeCapacity, int level1Capacity, std::string screen)
    : layout_(layout), nodeCapacity_(nodeCapacity), level1Capacity_(level1Capacity),
      screen_(std::move(screen))
{
}

void BookTree::load(const IndexList& tree, const DataFile& titles)
{
    nodes_.clear();
    level1_.clear();
    treeName_ = tree.name();
    fileCount_ = tree.recordCount(nodeRecordSize(layout_));
    for (std::int64_t n = 1; n <= fileCount_; ++n) {
        if (count() >= nodeCapacity_)
            full("the node table" + of(screen_), nodeCapacity_, n, treeName_);
        Node node;
        node.fields = readNode(tree, layout_, n);
        node.title = titles.read(node.fields.titleOffset, node.fields.titleLength);
        nodes_.push_back(node);
        if (node.fields.level != 1)
            continue;
        if (static_cast<int>(level1_.size()) >= level1Capacity_)
            full("column 1" + of(screen_), level1Capacity_, n, treeName_);
        level1_.push_back({node.title, static_cast<int>(n)});
    }
}

const std::string& BookTree::title(int n) const
{
    return n >= 1 && n <= count() ? nodes_[static_cast<std::size_t>(n - 1)].title : kNoTitle;
}

int BookTree::level(int n) const
{
    return n >= 1 && n <= count() ? nodes_[static_cast<std::size_t>(n - 1)].fields.level : 0;
}

const NodeFields& BookTree::fields(int n) const
{
    return n >= 1 && n <= count() ? nodes_[static_cast<std::size_t>(n - 1)].fields : kNoFields;
}

bool BookTree::hasChildren(int n, int k) const
{
    return n >= 1 && n < count() && level(n + 1) == k + 1;
}

void BookTree::children(int n, int k, int capacity, const std::string& what,
                        std::vector<ColumnEntry>& into) const
{
    if (n < 1)
        return;
    int found = 0;
    for (int m = n + 1; m <= count(); ++m) {
        const int lv = level(m);
        if (lv <= k)
            break;
        if (lv != k + 1)
            continue;
        if (found >= capacity)
            full(what, capacity, m, treeName_);
        into.push_back({title(m), m});
        ++found;
    }
}

std::vector<int> BookTree::pathTo(int n) const
{
    std::vector<int> path; // deepest first
    int m = n;
    while (m >= 1 && m <= count()) {
        const int lv = level(m);
        if (lv < 1) {
            path.clear();
            break;
        }
        path.push_back(m);
        if (lv == 1)
            break;
        // The parent is the nearest node before m of a lower level, when
        // that level is one less; past a gap m hangs under nothing shown,
        // and the path starts again from the node the scan stopped at.
        int p = m - 1;
        while (p >= 1 && level(p) >= lv)
            --p;
        if (p < 1) {
            path.clear();
            break;
        }
        if (level(p) != lv - 1)
            path.clear();
        m = p;
    }
    if (!path.empty()) {
        const int first = path.back();
        const bool inColumnOne = std::any_of(level1_.begin(), level1_.end(),
                                             [&](const ColumnEntry& e) { return e.node == first; });
        if (!inColumnOne)
            path.clear();
    }
    std::reverse(path.begin(), path.end());
    return path;
}

} // namespace ovta
