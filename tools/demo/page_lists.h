// The page viewer's two lists in the demo content: "data\1kenor67", the
// index picture's zones, and "data\1kenor68", the chapters' first pages.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

std::vector<DemoFile> pageListFiles();

} // namespace ovta::demo
