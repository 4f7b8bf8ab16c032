#include "books/node_record.h"

namespace ovta {

NodeFields readNode(const IndexList& tree, NodeLayout layout, std::int64_t node)
{
    const std::int64_t size = nodeRecordSize(layout);
    auto field = [&](int f) { return tree.field(node - 1, size, f); };
    NodeFields n;
    switch (layout) {
    case NodeLayout::Articles32:
        n.titleOffset = field(1);
        n.titleLength = field(2);
        n.level = field(3);
        n.group = field(4);
        break;
    case NodeLayout::Range40:
        n.titleOffset = field(1);
        n.titleLength = field(2);
        n.level = field(3);
        n.firstArticle = field(4);
        n.lastArticle = field(5);
        break;
    case NodeLayout::Body48:
    case NodeLayout::Passages64:
        n.titleOffset = field(2);
        n.titleLength = field(3);
        n.bodyOffset = field(4);
        n.bodyLength = field(5);
        n.level = field(6);
        if (layout == NodeLayout::Passages64) {
            n.lastSegment = field(7);
            n.firstSegment = field(8);
        }
        break;
    }
    return n;
}

} // namespace ovta
