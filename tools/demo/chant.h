// A chanting voice for the recitation sound: a sung vowel line made of the
// harmonics of a gliding, gently vibrating pitch, shaped by the formants of
// the vowels a, i and u, with a short dip at each new syllable and a little
// room echo. Phrases follow maqam Bayati on D: they start near the tonic,
// climb to the third or fourth, turn, and settle on the tonic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "demo/demo_random.h"
#include "demo/synth.h"

namespace ovta::demo {

enum class Vowel { A, I, U };

struct ChantNote {
    double semitones; // above the tonic (three-quarter tones allowed)
    double seconds;
    Vowel vowel;
};

// One phrase of `notes` notes (at least 3), ending long on the tonic.
std::vector<ChantNote> chantPhrase(DemoRandom& random, int notes);

// Adds the phrase into the mix from sample `start`; returns its length in
// samples (the sung part, without the echo's tail).
std::size_t addChantPhrase(Mix& mix, std::size_t start, const std::vector<ChantNote>& phrase,
                           double tonicHz, int rate, DemoRandom& random);

// A small room: a few feedback echoes, added in place.
void addRoom(Mix& mix, int rate);

} // namespace ovta::demo
