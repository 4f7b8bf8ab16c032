// A rectangle of a screen's layout, in pixels of the 640x480 screen. Plain
// data, so the layout tables can be read by the screens and by the
// layout-art painter alike.
#pragma once

namespace ovta::layout {

struct Box {
    int x, y, w, h;
    constexpr int right() const { return x + w; }
    constexpr int bottom() const { return y + h; }
    constexpr bool operator==(const Box&) const = default;
};

} // namespace ovta::layout
