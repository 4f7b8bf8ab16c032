#include "demo/demo_content.h"

#include "demo/credits.h"
#include "demo/headings.h"
#include "demo/music.h"

namespace ovta::demo {

std::vector<DemoFile> buildDemoText()
{
    std::vector<DemoFile> files;
    files.push_back({"data\\kenor001", creditsFile()});
    files.push_back({"data\\kenor002", titleTableFile()});
    files.push_back({"data1\\kenor.wav", musicLoopWav()});
    return files;
}

} // namespace ovta::demo
