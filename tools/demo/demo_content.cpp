#include "demo/demo_content.h"

#include "demo/book_content.h"
#include "demo/credits.h"
#include "demo/headings.h"
#include "demo/list_content.h"
#include "demo/music.h"
#include "demo/page_lists.h"
#include "demo/reading_content.h"
#include "demo/search_letters.h"

namespace ovta::demo {

std::vector<DemoFile> buildDemoText()
{
    std::vector<DemoFile> files;
    files.push_back({"data\\kenor001", creditsFile()});
    files.push_back({"data\\kenor002", titleTableFile()});
    files.push_back({"data1\\kenor.wav", musicLoopWav()});
    files.push_back({"data\\13.txt", keyLetterFile()});
    files.push_back({"data\\1c2.txt", formRangeFile()});
    files.push_back({"data\\1c1.txt", formGlyphFile()});
    auto reading = readingFiles();
    auto books = bookFiles(reading);
    for (auto* family : {&reading, &books})
        for (auto& file : *family)
            files.push_back(std::move(file));
    // The list screens.
    for (auto& file : listFiles())
        files.push_back(std::move(file));
    // The page viewer: the index picture's zones and the chapters' first pages.
    for (auto& file : pageListFiles())
        files.push_back(std::move(file));
    return files;
}

} // namespace ovta::demo
