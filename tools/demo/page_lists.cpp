#include "demo/page_lists.h"

#include "demo/page_zones.h"
#include "demo/reading_files.h"

namespace ovta::demo {

std::vector<DemoFile> pageListFiles()
{
    // Both lists are read as fields: one line each, as they were saved.
    std::string zones;
    for (int k = 1; k <= kPageChapters; ++k) {
        const PageZone z = pageZone(k);
        zones += fields({z.left, z.top, z.right, z.bottom});
    }
    std::string firstPages;
    for (int page : chapterFirstPages())
        firstPages += fields({page});
    return {{"data\\1kenor67", zones + "\r\n"}, {"data\\1kenor68", firstPages + "\r\n"}};
}

} // namespace ovta::demo
