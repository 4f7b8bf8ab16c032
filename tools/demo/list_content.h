// Every content file of the list screens: the two sets of frm05, frm34's
// titles in seven categories, frm33's six blocks and frm47's 893 entries.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

std::vector<DemoFile> listFiles();

// Family by family (list_readers.cpp, list_blocks.cpp, list_entries.cpp).
std::vector<DemoFile> twoPaneReaderFiles();
std::vector<DemoFile> blockListFiles();
std::vector<DemoFile> entryListFiles();

// Lines of a list screen's text pane: a paragraph wrapped short enough
// for the narrowest pane.
inline constexpr int kListLineWidth = 46;

} // namespace ovta::demo
