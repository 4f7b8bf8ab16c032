// The commentary articles of the Quran section's book viewer: the reader
// frm65 ("data\1kenor618", "data\1kenor619", "data\kenor620"), five
// sub-sections each, one article per passage of the viewer's book.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

inline constexpr int kCommentaryCount = 40;

std::vector<DemoFile> commentaryFiles();

} // namespace ovta::demo
