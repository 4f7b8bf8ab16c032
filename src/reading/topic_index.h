// The three-level topic index: level-1 headings (a line list), under each a
// span of level-2 headings (range and pointer lists into a second line
// list), under each of those a span of article titles, each with an icon
// kind and the article number its reader reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/content_dir.h"
#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

struct IndexTitle {
    std::string title; // glyph text
    int icon = 0;      // icon kind 1..9; anything else has no picture
    int article = 0;   // 1-based article number
};

// The program resource of an icon kind ("BITMAP_6" for kind 1, ...), or
// nullptr for a kind without a picture.
const char* iconResource(int kind);

class TopicIndex {
public:
    static constexpr int Level2Capacity = 51;
    static constexpr int TitleCapacity = 101;

    // The index's own files, loaded in the order the screen needs them;
    // the first that fails throws and leaves it and the ones after empty.
    // The reader's files are loaded by the screen itself, between these.
    void loadArticles(const ContentDir& dir); // "data\1kenor016", opens "data\kenor017"
    void loadSpans(const ContentDir& dir);    // "data\1kenor06", 05, 04, 03
    void loadHeadings(const ContentDir& dir); // "data\kenor07", "data\kenor08"

    const std::vector<std::string>& level1() const { return headings1_.lines(); }

    // Level 2 of heading `h` (0-based line of the level-1 list): the
    // headings and their 1-based line numbers in the level-2 list. Entries
    // grow as they are read; errors keep what was read.
    void chooseLevel1(int h);
    const std::vector<std::string>& level2() const { return level2_; }
    const std::vector<int>& level2Numbers() const { return level2Numbers_; }
    void clearLevel2();

    // The titles under level-2 heading `e` (its 1-based line number).
    void chooseLevel2(int e);
    const std::vector<IndexTitle>& titles() const { return titles_; }
    void clearTitles() { titles_.clear(); }

private:
    IndexList articles_, ranges1_, pointers1_, ranges2_, pointers2_, headings1_, headings2_;
    DataFile titleData_;
    std::vector<std::string> level2_;
    std::vector<int> level2Numbers_;
    std::vector<IndexTitle> titles_;
};

} // namespace ovta
