#include "pages/zone_steps.h"

#include <cstdint>
#include <limits>

namespace ovta {
namespace {

struct Centre {
    std::int64_t x, y;
};

// Doubled, so that no half pixel is lost; the edges may come from a damaged
// list, so the sums are taken wide.
Centre centre(const ZoneRect& z)
{
    return {std::int64_t{z.left} + z.right, std::int64_t{z.top} + z.bottom};
}

std::int64_t distance(std::int64_t v)
{
    return v < 0 ? -v : v;
}

} // namespace

int ZoneSteps::next(const ChapterIndex& chapters, int from, KeyMove move)
{
    const int n = chapters.count();
    if (n == 0)
        return 0;
    if (move == KeyMove::Home)
        return 1;
    if (move == KeyMove::End)
        return n;
    const bool arrow = move == KeyMove::Up || move == KeyMove::Down || move == KeyMove::Left ||
                       move == KeyMove::Right;
    if (!arrow)
        return from;
    if (from < 1 || from > n)
        return 1;
    const Centre at = centre(chapters.zone(from));
    int best = from;
    std::int64_t bestScore = std::numeric_limits<std::int64_t>::max();
    for (int k = 1; k <= n; ++k) {
        if (k == from)
            continue;
        const Centre c = centre(chapters.zone(k));
        const std::int64_t dx = c.x - at.x;
        const std::int64_t dy = c.y - at.y;
        std::int64_t along = 0;
        std::int64_t across = 0;
        switch (move) {
        case KeyMove::Up: along = -dy, across = dx; break;
        case KeyMove::Down: along = dy, across = dx; break;
        case KeyMove::Left: along = -dx, across = dy; break;
        default: along = dx, across = dy; break;
        }
        // Only zones within a quarter turn of the key's way: at the end of a
        // column Down finds nothing rather than the next column's foot.
        if (along <= 0 || distance(across) > along)
            continue;
        // A zone straight that way wins over a nearer one off to the side.
        const std::int64_t score = along + 3 * distance(across);
        if (score < bestScore) {
            bestScore = score;
            best = k;
        }
    }
    return best;
}

} // namespace ovta
