// The instruments of the music loop, each adding one sound into a mono mix
// buffer (samples near full scale at 1.0). Sounds that run past the end of the
// buffer are cut there; the loop folds its own tail back (music.cpp).
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "demo/demo_random.h"

namespace ovta::demo {

using Mix = std::vector<double>;

// A plucked string (Karplus-Strong): a burst of softened noise circulating in
// a delay line one period long, losing its upper partials a little on every
// pass, which gives the warm, quickly mellowing tone of a fretless lute.
struct Pluck {
    double frequency;   // Hz
    double level;       // peak of the excitation
    double holdSeconds; // how long the string rings before the hand damps it
    double brightness;  // 0..1: share of high partials in the excitation
};
void addPluck(Mix& mix, std::size_t start, const Pluck& pluck, int rate, DemoRandom& random);

// Frame-drum strokes: the deep centre stroke and the dry stroke at the rim.
enum class DrumStroke { Dum, Tek };
void addDrumStroke(Mix& mix, std::size_t start, DrumStroke stroke, double level, int rate,
                   DemoRandom& random);

// A soft sustained tone under the melody. Its pitch is given in whole cycles
// per mix length and its swell in whole periods per mix length, so the tone
// is exactly periodic over the buffer and the loop has no seam in it.
struct DroneTone {
    long cyclesPerLoop;
    double level;
    int swellsPerLoop;
    double swellPhase; // radians
};
void addDrone(Mix& mix, std::span<const DroneTone> tones);

} // namespace ovta::demo
