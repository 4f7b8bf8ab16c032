// The seventeen books of frm7: per book a tree file of 48-character records
// (not used, title offset, title length, body offset, body length, level),
// the node titles and the body texts.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

std::vector<DemoFile> bodyBookFiles();

} // namespace ovta::demo
