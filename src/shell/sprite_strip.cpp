#include "shell/sprite_strip.h"

namespace ovta {

std::vector<SpriteAnimation::Copy> SpriteAnimation::tick(int stripWidth, int stripHeight)
{
    std::vector<Copy> copies;
    if (slices_ < 2 || cells_ < 1)
        return copies;
    copies.reserve(static_cast<std::size_t>(cells_));
    for (int n = cells_; n >= 1; --n) {
        if (--k_ < 1)
            k_ = slices_ - 1;
        const int w = stripWidth / slices_;
        const int h = stripHeight;
        if (w > 0 && h > 0)
            copies.push_back({w * (k_ % slices_), h * (k_ / slices_), w, h, w * (n - 1), 0});
    }
    if (k_ > slices_ - cells_)
        k_ -= slices_ - cells_;
    else
        k_ += cells_ - 1;
    return copies;
}

}  // namespace ovta
