// The commentary articles of the Quran section's book viewer: the reader
// frm65 ("data\1kenor618", "data\1kenor619", "data\kenor620"), five
// sub-sections each, one article per passage of the viewer's book.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

inline constexpr int kCommentaryCount = 40;

// Article n (0-based) comments on passage n % 2 + 1 of sura n / 2; its
// first line is its heading ("سورة البقرة، المقطع 2"). The Quran section's
// book (frm64) lists the articles under these headings.
std::string_view commentarySura(int n);
std::string commentaryHeading(int n);

std::vector<DemoFile> commentaryFiles();

} // namespace ovta::demo
