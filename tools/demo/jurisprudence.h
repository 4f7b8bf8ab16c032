// The jurisprudence section: the topic list frm45 ("data\1kenor49",
// "data\kenor490") and the articles of its reader frm46 ("data\1kenor410",
// "data\1kenor411", "data\kenor48"), seven sub-sections each.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

std::vector<DemoFile> jurisprudenceFiles();

} // namespace ovta::demo
