// The ten question books of frm43 (CurrentBook 1..10, one chapter of
// jurisprudence each): per book a tree file of 32-character records (title
// offset, title length, level, group), its node titles, its article number
// list and its group map; and the article index all ten share,
// "data\1kenor47" (64-character records: the question's title, then the
// texts of the three answer categories, all in "data\kenor46"). A category
// text ends in references "[article/book]" into the shelf's articles.
#pragma once

#include <array>
#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

inline constexpr std::array<int, 10> kQuestionBookBase{4782, 0,   5205, 3788, 4922,
                                                       4472, 110, 110,  3025, 3906};

// `shelfArticles` as shelfContent() gives it: what references may point at.
std::vector<DemoFile>
questionFiles(const std::vector<std::vector<std::vector<int>>>& shelfArticles);

} // namespace ovta::demo
