// The chapters of the paged work, as the page viewer's two index lists give
// them: for each chapter the zone of the index picture that opens it and
// the number of its first page.
//   "data\1kenor67": 114 records of 32 characters, the zone's left, top,
//                    right and bottom edges in pixels of the index picture;
//   "data\1kenor68": 114 fields, the first page of each chapter.
#pragma once

#include <array>
#include <string>

#include "store/content_dir.h"

namespace ovta {

class IndexList;

// A zone of the index picture. Its edges belong to no zone: a point is in
// it only strictly between them.
struct ZoneRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool contains(int x, int y) const
    {
        return left < x && x < right && top < y && y < bottom;
    }
    constexpr bool operator==(const ZoneRect&) const = default;
};

class ChapterIndex {
public:
    static constexpr int kChapters = 114;
    static constexpr const char* kZoneList = "data\\1kenor67";
    static constexpr const char* kFirstPageList = "data\\1kenor68";
    static constexpr int kZoneRecordSize = 32;

    // Reads both lists; each keeps the chapters read before a failure, and
    // the first failure is thrown once both have been tried.
    void load(const ContentDir& dir);

    // Chapters 1..n read in order until a field is missing or no number;
    // that failure is thrown after the chapters before it are kept.
    void readZones(const IndexList& list);
    void readFirstPages(const IndexList& list);

    // How many chapters both lists describe (114 unless a list is short):
    // only these can be opened and paged through.
    int count() const;

    // The first chapter (1-based) whose zone holds the point; 0 for none.
    int zoneAt(int x, int y) const;

    // Chapter `chapter` is 1-based; outside 1..count() an empty zone and page 0.
    ZoneRect zone(int chapter) const;
    int firstPage(int chapter) const;

private:
    std::array<ZoneRect, kChapters> zones_{};
    std::array<int, kChapters> firstPages_{};
    int zonesRead_ = 0;
    int firstPagesRead_ = 0;
};

// The content name of a page picture: "data1\page" + the page number with
// at least three digits, zero-padded, + ".bmp" (page 45: "data1\page045.bmp").
std::string pagePictureName(int page);

} // namespace ovta
