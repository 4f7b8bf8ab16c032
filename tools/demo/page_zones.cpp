#include "demo/page_zones.h"

namespace ovta::demo {

std::array<int, kPageChapters> chapterFirstPages()
{
    // Pictures 0..300 (pages 1..601) are shared out among chapters 1..111,
    // each at least one picture; the other 190 go by weights falling with
    // the chapter's number, the remainders to the first chapters.
    constexpr int chaptersBeforeLast = kPageChapters - 3;
    constexpr int pictures = (kLastPage + 1) / 2 - 1;
    constexpr int extra = pictures - chaptersBeforeLast;
    std::array<long long, chaptersBeforeLast> weights{};
    long long total = 0;
    for (int k = 0; k < chaptersBeforeLast; ++k) {
        weights[static_cast<std::size_t>(k)] = 1'000'000 / (k + 4);
        total += weights[static_cast<std::size_t>(k)];
    }
    std::array<int, chaptersBeforeLast> lengths{};
    int given = 0;
    for (int k = 0; k < chaptersBeforeLast; ++k) {
        lengths[static_cast<std::size_t>(k)] =
            1 + static_cast<int>(extra * weights[static_cast<std::size_t>(k)] / total);
        given += lengths[static_cast<std::size_t>(k)];
    }
    for (int k = 0; given < pictures; ++k, ++given)
        ++lengths[static_cast<std::size_t>(k)];

    std::array<int, kPageChapters> first{};
    int picture = 0;
    for (int k = 0; k < chaptersBeforeLast; ++k) {
        first[static_cast<std::size_t>(k)] = 2 * picture + 1;
        picture += lengths[static_cast<std::size_t>(k)];
    }
    for (int k = chaptersBeforeLast; k < kPageChapters; ++k)
        first[static_cast<std::size_t>(k)] = kLastPage;
    return first;
}

int chapterOfPage(int page)
{
    static const auto first = chapterFirstPages();
    int chapter = 1;
    while (chapter < kPageChapters && first[static_cast<std::size_t>(chapter)] <= page)
        ++chapter;
    return chapter;
}

} // namespace ovta::demo
