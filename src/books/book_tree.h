// A book's headings: the node records of its tree file, read once in file
// order (pre-order, each node followed by its descendants) with their titles
// cut from the title data file. The columns are built from it: column 1
// holds the level-1 headings, and each later column the children of the
// heading opened in the column before.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "books/node_record.h"
#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

// One entry of a column: the heading's title and its node number (1-based).
struct ColumnEntry {
    std::string title;
    int node = 0;

    bool operator==(const ColumnEntry&) const = default;
};

class BookTree {
public:
    // `nodeCapacity` and `level1Capacity` bound the node tables and column 1;
    // `screen` ("frm14") is named in the capacity errors.
    BookTree(NodeLayout layout, int nodeCapacity, int level1Capacity, std::string screen = "");

    // Reads nodes 1..N of `tree` (N = whole records in its list text) with
    // their titles from `titles`, replacing what was held. Tables grow as
    // nodes are read, so when a node fails (ConversionError for a bad field,
    // RangeError for a negative title length) or does not fit (RangeError at
    // the first node past the node capacity, or the first level-1 node past
    // the column-1 capacity), the nodes before it stay and can be shown.
    void load(const IndexList& tree, const DataFile& titles);

    // Nodes in the tree file, whether loaded or not.
    std::int64_t fileCount() const { return fileCount_; }
    // Nodes loaded: node numbers 1..count() are valid.
    int count() const { return static_cast<int>(nodes_.size()); }

    // Title, level and fields of node n; empty, 0 and zeros outside 1..count().
    const std::string& title(int n) const;
    int level(int n) const;
    const NodeFields& fields(int n) const;

    // The level-1 headings in file order: column 1.
    const std::vector<ColumnEntry>& level1() const { return level1_; }

    // Whether the icon of node n, shown in column k, is that of a heading
    // with children: the next node exists and has level k + 1. The last node
    // never has children, whatever comes later in the file.
    bool hasChildren(int n, int k) const;

    // The children of node n shown in column k: the nodes after n of level
    // k + 1, up to the first node of level k or less (deeper nodes between
    // them are passed over; a level of 0 or less ends the scan too).
    // Appends them to `into`; at the first child past `capacity` it throws
    // RangeError naming `what` (e.g. "column 3 of frm14") and keeps the
    // children that fit.
    void children(int n, int k, int capacity, const std::string& what,
                  std::vector<ColumnEntry>& into) const;

    // The headings to open one after another, column 1 first, to bring node
    // n onto the strip: its ancestors and then n itself, each a child of the
    // one before as children() finds them. A node the columns never show (a
    // level that skips one, a level below 1, a level-1 node column 1 had no
    // room for) is reached as far as its shown ancestors go; a node outside
    // 1..count() gives none.
    std::vector<int> pathTo(int n) const;

private:
    struct Node {
        NodeFields fields;
        std::string title;
    };

    NodeLayout layout_;
    int nodeCapacity_;
    int level1Capacity_;
    std::string screen_;
    std::string treeName_;
    std::int64_t fileCount_ = 0;
    std::vector<Node> nodes_;
    std::vector<ColumnEntry> level1_;
};

} // namespace ovta
