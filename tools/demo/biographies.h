// The biographies section: the three alphabetical sets of the topic list
// frm12 (the companions, the followers, the later scholars) ("data\1kenor12"/"data\kenor11",
// "data\1kenor14"/"data\kenor13", "data\1kenor16"/"data\kenor15") and the articles of their reader
// frm13
// ("data\1kenor17", "data\1kenor18", "data\kenor19"). The titles of sets 1
// and 2 start their letters at exactly the entries of frm12's jump tables.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

// Entries of each set.
inline constexpr int kBiographySet1 = 800;
inline constexpr int kBiographySet2 = 650;
inline constexpr int kBiographySet3 = 120;

std::vector<DemoFile> biographyFiles();

} // namespace ovta::demo
