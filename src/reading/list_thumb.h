// The scroll thumb of the alphabetical topic list: an 8x10 picture on a
// vertical track from Y0 to Y1 = Y0 + 200 that shows, and by dragging sets,
// the list's window top.
#pragma once

namespace ovta {

class ListThumb {
public:
    static constexpr int Y0 = 76;
    static constexpr int Y1 = Y0 + 200;

    // `book` 3 is the set without a letter index: two entries per pixel
    // whatever its length. The others take N div 200, which is 0 below 200
    // entries; such a list counts one entry per pixel, so that the thumb
    // simply follows the top instead of dividing by zero.
    ListThumb(int count, int book);

    int entriesPerPixel() const { return perPixel_; }

    // The thumb's top for window top `top` of a list whose last top is `last`.
    int thumbTop(int top, int last) const;

    // Dragging the thumb to `y` (its top plus the pointer's offset in it):
    // where the thumb goes (when the drag sets it), the window top to show,
    // and the line step that follows (+1 down, -1 up).
    struct Drag {
        int thumbTop; // -1 when the drag leaves the thumb to the next show
        int top;
        int step;
    };
    Drag drag(int y, int last) const;

private:
    int book_;
    int perPixel_;
};

} // namespace ovta
