// Sprite strips: a panorama that wraps seamlessly, laid out the way the
// screens cut it into slices. Of S slices of width w, slices 1..S-1 are shown
// in a cycle (slice S-1 is followed by slice 1); slice 0 and the columns right
// of S*w never show. So the panorama is (S-1)*w wide and starts at x = w.
#pragma once

#include <QImage>

#include <functional>

class QPainter;

namespace ovta::art {

// Paints `scene` into a panorama of the given size so that whatever crosses
// its right edge comes back in at the left: the scene is drawn three times,
// shifted by one panorama width either way.
QImage paintWrapped(int width, int height, const std::function<void(QPainter&)>& scene);

// Lays a wrapping panorama of (slices-1)*sliceWidth columns out as a strip of
// stripWidth columns. The columns that never show repeat the wrap, so the
// strip looks whole in an image viewer too.
QImage stripFromPanorama(const QImage& panorama, int sliceWidth, int slices, int stripWidth);

// The window a screen shows: `cells` adjacent slices, the leftmost being
// `firstSlice` (counted cyclically over 1..slices-1).
QImage stripWindow(const QImage& strip, int sliceWidth, int slices, int cells, int firstSlice);

// A small deterministic pseudo-random sequence, so the pictures come out the
// same on every build.
class Dice {
public:
    explicit Dice(unsigned seed) : state_(seed * 2654435761u + 1) {}
    unsigned next();
    double uniform(double lo, double hi);

private:
    unsigned state_;
};

} // namespace ovta::art
