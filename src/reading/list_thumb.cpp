#include "reading/list_thumb.h"

#include <cstdint>

namespace ovta {

ListThumb::ListThumb(int count, int book) : book_(book)
{
    perPixel_ = book == 3 ? 2 : count / (Y1 - Y0);
    if (perPixel_ <= 0)
        perPixel_ = 1;
}

int ListThumb::thumbTop(int top, int last) const
{
    std::int64_t at = top / perPixel_ + static_cast<std::int64_t>(Y0);
    if (at > Y1)
        at = Y1;
    if (book_ == 3 && top >= last)
        at = Y1;
    return static_cast<int>(at);
}

ListThumb::Drag ListThumb::drag(int y, int last) const
{
    if (y >= Y1)
        return {Y1, last, +1};
    if (y <= Y0)
        return {Y0, 1, -1};
    std::int64_t top = static_cast<std::int64_t>(y - Y0) * perPixel_;
    if (top > static_cast<std::int64_t>(last) + 1)
        top = static_cast<std::int64_t>(last) + 1;
    if (top < 0)
        top = 0;
    return {-1, static_cast<int>(top), +1};
}

} // namespace ovta
