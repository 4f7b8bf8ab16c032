#include "pages/chapter_index.h"

#include <algorithm>
#include <cstdint>
#include <exception>

#include "store/index_list.h"

namespace ovta {

void ChapterIndex::load(const ContentDir& dir)
{
    *this = ChapterIndex{};
    std::exception_ptr failure;
    try {
        readZones(IndexList::load(dir, kZoneList));
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        readFirstPages(IndexList::load(dir, kFirstPageList));
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    if (failure)
        std::rethrow_exception(failure);
}

void ChapterIndex::readZones(const IndexList& list)
{
    zonesRead_ = 0;
    for (int k = 0; k < kChapters; ++k) {
        ZoneRect r;
        r.left = list.field(k, kZoneRecordSize, 1);
        r.top = list.field(k, kZoneRecordSize, 2);
        r.right = list.field(k, kZoneRecordSize, 3);
        r.bottom = list.field(k, kZoneRecordSize, 4);
        zones_[static_cast<std::size_t>(k)] = r;
        zonesRead_ = k + 1;
    }
}

void ChapterIndex::readFirstPages(const IndexList& list)
{
    firstPagesRead_ = 0;
    for (int k = 0; k < kChapters; ++k) {
        firstPages_[static_cast<std::size_t>(k)] = list.field(k, 8, 1);
        firstPagesRead_ = k + 1;
    }
}

int ChapterIndex::count() const
{
    return std::min(zonesRead_, firstPagesRead_);
}

int ChapterIndex::zoneAt(int x, int y) const
{
    const int n = count();
    for (int k = 0; k < n; ++k)
        if (zones_[static_cast<std::size_t>(k)].contains(x, y))
            return k + 1;
    return 0;
}

ZoneRect ChapterIndex::zone(int chapter) const
{
    if (chapter < 1 || chapter > count())
        return {};
    return zones_[static_cast<std::size_t>(chapter - 1)];
}

int ChapterIndex::firstPage(int chapter) const
{
    if (chapter < 1 || chapter > count())
        return 0;
    return firstPages_[static_cast<std::size_t>(chapter - 1)];
}

std::string pagePictureName(int page)
{
    const std::int64_t wide = page;
    std::string digits = std::to_string(wide < 0 ? -wide : wide);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return std::string("data1\\page") + (wide < 0 ? "-" : "") + digits + ".bmp";
}

} // namespace ovta
