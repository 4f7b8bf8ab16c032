// The sects section: the topic list frm82 ("data\1kenor84", "data\kenor88",
// at most 30 titles) and the articles of its reader frm83 ("data\1kenor86",
// "data\1kenor85", "data\kenor87"), ten sub-sections each.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

inline constexpr int kSectCount = 26;

std::vector<DemoFile> sectFiles();

} // namespace ovta::demo
