// The shelf: twelve books of the three schools that frm49 opens in frm410
// (CurrentItem 0..11), each a tree file of 40-character records (title
// offset, title length, level, first article, last article) with its node
// titles, and the article texts all of them share with the question
// screen's references: the locators "data\1kenor44" and the texts
// "data\kenor45". Article a of book c is locator record
// kShelfBase[c] + a - 1. Books 12 and 13, the general references, have
// articles but no tree: only references reach them.
#pragma once

#include <array>
#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

inline constexpr int kShelfBookCount = 14;
inline constexpr std::array<int, kShelfBookCount> kShelfBase{
    0, 5700, 7510, 8060, 12650, 18650, 20450, 21050, 21550, 24650, 30850, 35450, 35900, 36050,
};

// Book 0's tree fills frm410's node capacity exactly.
inline constexpr int kShelfLargestBook = 750;

struct ShelfContent {
    std::vector<DemoFile> files;
    // articles[c][t]: the articles of book c (1-based, without its base)
    // on catalogue topic t that have a text; empty where the book does not
    // treat the topic.
    std::vector<std::vector<std::vector<int>>> articles;
};

ShelfContent shelfContent();

} // namespace ovta::demo
