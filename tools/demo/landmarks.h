// The landmarks section: the eight groups of titles of the topic list frm02
// (groups 1 to 6 and 8 in "data\1kenor01", group 7 in "data\1kenor022"),
// and the articles of its reader frm03 ("data\1kenor010", "data\1kenor011",
// "data\kenor09") that the topic index frm04 opens too.
#pragma once

#include <string>
#include <vector>

#include "demo/content_writer.h"
#include "demo/landmark_prose.h"

namespace ovta::demo {

struct Landmark {
    std::string title; // Unicode Arabic
    int group;         // 1..8, the frm02 group (CurrentItem)
    LandmarkKind kind;
    int article; // 1-based article number
};

// Every landmark, group by group, with its article number.
const std::vector<Landmark>& landmarks();

// The files of frm02 and frm03.
std::vector<DemoFile> landmarkFiles();

} // namespace ovta::demo
