// The topic index frm04 of the landmarks section: level-1 headings
// ("data\kenor07"), level-2 headings ("data\kenor08") under them through
// "data\1kenor06" and "data\1kenor05", and under each level-2 heading the
// landmark articles ("data\1kenor016", titles in "data\kenor017") through
// "data\1kenor04" and "data\1kenor03". Every icon kind 1..9 is used, and
// kind 0 (no icon) too.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

std::vector<DemoFile> topicIndexFiles();

} // namespace ovta::demo
