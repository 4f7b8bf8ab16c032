#include "demo/reading_content.h"

#include "demo/biographies.h"
#include "demo/jurisprudence.h"
#include "demo/landmarks.h"
#include "demo/quran_commentary.h"
#include "demo/sects.h"
#include "demo/topic_index_content.h"

namespace ovta::demo {

std::vector<DemoFile> readingFiles()
{
    std::vector<DemoFile> files;
    for (auto family : {landmarkFiles, topicIndexFiles, biographyFiles, jurisprudenceFiles,
                        sectFiles, commentaryFiles}) {
        auto more = family();
        files.insert(files.end(), std::make_move_iterator(more.begin()),
                     std::make_move_iterator(more.end()));
    }
    return files;
}

} // namespace ovta::demo
