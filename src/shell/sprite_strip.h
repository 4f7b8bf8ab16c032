// A panorama that pans sideways without end: a window of C cells shows C
// adjacent slices of a wider strip picture, and every tick the window steps
// one slice, wrapping so that slice S-1 follows slice 1. Slice 0 and the
// columns right of S*w are never shown.
#pragma once

#include <vector>

namespace ovta {

class SpriteAnimation {
public:
    // One cell copy: slice rectangle of the strip onto cell rectangle of the target.
    struct Copy {
        int srcX, srcY, width, height;
        int dstX, dstY;
    };

    SpriteAnimation(int slices, int cells) : slices_(slices), cells_(cells), k_(slices) {}

    // On activation: the first tick shows slices S-C .. S-1.
    void restart() { k_ = slices_; }

    // One tick for a strip of the given size: the copies in drawing order
    // (rightmost cell first). An empty strip gives no copies but still steps.
    std::vector<Copy> tick(int stripWidth, int stripHeight);

    int frame() const { return k_; }
    void setFrame(int k) { k_ = k; }
    int slices() const { return slices_; }
    int cells() const { return cells_; }

private:
    int slices_;
    int cells_;
    int k_;
};

}  // namespace ovta
