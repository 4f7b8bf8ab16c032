#include "demo/body_books.h"

#include <string>

#include "demo/body_outlines.h"
#include "demo/book_files.h"
#include "demo/headings.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

BodySize sizeOf(char mark, bool hasChildren, Prose& prose)
{
    switch (mark) {
    case '0': return BodySize::Empty;
    case '1': return BodySize::OneLine;
    case 'L': return BodySize::Long;
    default: break;
    }
    // A heading over sub-headings mostly introduces them in a few lines;
    // now and then it is only a heading.
    if (hasChildren)
        return prose.below(4) == 0 ? BodySize::Empty : BodySize::Short;
    return prose.below(5) == 0 ? BodySize::Short : BodySize::Full;
}

} // namespace

std::vector<DemoFile> bodyBookFiles()
{
    Prose prose(0x4B495441); // "KITA"
    std::vector<DemoFile> files;
    for (const BodyBook& b : bodyBooks()) {
        const Outline outline =
            withSubHeadings(parseOutline(b.outline), '*', standardSubHeadings(b.subject));
        const std::string_view bookTitle =
            headingTable()[static_cast<std::size_t>(b.heading - 1)].arabic;
        std::string tree;
        TitleData titles;
        TextData bodies;
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const OutlineNode& node = outline[i];
            const BodySize size = sizeOf(node.mark, opensChildren(outline, i), prose);
            const auto [titleAt, titleLength] = titles.add(node.title);
            const auto [bodyAt, bodyLength] =
                bodies.add(bodyText(prose, b.subject, size, node.title, bookTitle));
            // Field 1 is not read; it holds the node's number.
            tree += fields({static_cast<std::int64_t>(i + 1), titleAt, titleLength, bodyAt,
                            bodyLength, node.level});
        }
        files.push_back({std::string(b.tree), tree});
        files.push_back({std::string(b.titles), titles.bytes()});
        files.push_back({std::string(b.bodies), bodies.bytes()});
    }
    return files;
}

} // namespace ovta::demo
