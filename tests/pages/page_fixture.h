// Small chapter lists for the page viewer's tests: zones as 32-character
// records and first pages as 8-character fields, one line each.
#pragma once

#include <string>
#include <vector>

#include "pages/chapter_index.h"
#include "reading/content_records.h"

namespace ovta::test {

inline std::string zoneRecords(const std::vector<ZoneRect>& zones)
{
    std::string out;
    for (const ZoneRect& z : zones)
        out += fields({z.left, z.top, z.right, z.bottom});
    return out;
}

inline std::string firstPageFields(const std::vector<int>& pages)
{
    std::string out;
    for (int p : pages)
        out += fields({p});
    return out;
}

// 114 zones in five columns of 126x19 from the right, 23 to a column.
inline std::vector<ZoneRect> gridZones()
{
    std::vector<ZoneRect> zones;
    for (int k = 0; k < ChapterIndex::kChapters; ++k) {
        const int column = k / 23, row = k % 23;
        const int left = 514 - 126 * column, top = 20 + 19 * row;
        zones.push_back({left, top, left + 126, top + 19});
    }
    return zones;
}

// Chapters 1..100 of two pictures each (first pages 1, 5, ..., 397),
// then chapters 101..114 of seven (411, 425, ..., 593; the last runs to 603).
inline std::vector<int> spreadFirstPages()
{
    std::vector<int> pages;
    for (int k = 1; k <= 100; ++k)
        pages.push_back(1 + 4 * (k - 1)); // 1, 5, ..., 397
    for (int k = 101; k <= ChapterIndex::kChapters; ++k)
        pages.push_back(397 + 14 * (k - 100)); // 411, ..., 593
    return pages;
}

} // namespace ovta::test
