// Every content file of the tree book screens (frm14, frm64, frm43 with its
// question screen frm42, frm7, frm63, frm410 with its shelf frm49).
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

// `reading` is readingFiles(): frm14 lists the biography articles under
// the titles their topic lists give them.
std::vector<DemoFile> bookFiles(const std::vector<DemoFile>& reading);

} // namespace ovta::demo
