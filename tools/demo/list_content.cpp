#include "demo/list_content.h"

namespace ovta::demo {

std::vector<DemoFile> listFiles()
{
    std::vector<DemoFile> files;
    for (auto family : {twoPaneReaderFiles, blockListFiles, entryListFiles}) {
        auto more = family();
        files.insert(files.end(), std::make_move_iterator(more.begin()),
                     std::make_move_iterator(more.end()));
    }
    return files;
}

} // namespace ovta::demo
