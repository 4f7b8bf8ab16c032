// The recitation book of frm63: the tree file "data\1kenor69" (64-character
// records: not used, title offset, title length, body offset, body length,
// level, last segment, first segment), the node titles "data\kenor610", the
// body texts "data\kenor611", the segment list "data\1kenor612" (16-character
// records: start and end in milliseconds) and the sound "data1\kenor01.wav"
// whose passages the segments cut out: one chanted phrase each.
#pragma once

#include <cstdint>
#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

inline constexpr int kRecitationRate = 11025;
inline constexpr int kRecitationSegments = 20;

struct Recitation {
    std::vector<std::int16_t> samples; // mono, at kRecitationRate
    struct Segment {
        int startMs, endMs;
    };
    std::vector<Segment> segments; // segment s is entry s - 1
};

Recitation renderRecitation();

std::vector<DemoFile> recitationFiles();

} // namespace ovta::demo
