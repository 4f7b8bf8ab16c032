// The two one-book screens whose headings list the articles of a reader:
// frm14, the biographies by generation and letter, whose entries open frm13
// on the biography articles; and frm64, the commentary by sura and passage,
// whose entries open frm65 on the commentary articles. Each has a tree file
// of 32-character records (title offset, title length, level, group), node
// titles, a group map, an article number list and an article index whose
// record a - 1 is the title of the reader's article a.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

// frm14 takes the biographies' titles and article numbers from the topic
// lists of frm12 among `reading` (readingFiles()), so that both screens
// name every article alike.
std::vector<DemoFile> biographyBookFiles(const std::vector<DemoFile>& reading);

std::vector<DemoFile> commentaryBookFiles();

} // namespace ovta::demo
