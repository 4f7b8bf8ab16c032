// Every content file of the reading screens (topic lists, article readers,
// topic index), family by family.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

std::vector<DemoFile> readingFiles();

} // namespace ovta::demo
