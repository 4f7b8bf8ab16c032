// The letter index of the alphabetical topic list: for each of the 28
// letters of the Arabic alphabet (Tag 1 alef .. Tag 28 ya), the 1-based
// entry at which the letter's titles start in the first two sets, 0 when
// no title starts with it. The third set has no letter index.
#pragma once

namespace ovta {

inline constexpr int kLetterCount = 28;

// The entry letter `tag` jumps to in set `book` (1 or 2); 0 for a letter
// with no entry, a tag outside 1..28 or another set.
int letterEntry(int book, int tag);

} // namespace ovta
