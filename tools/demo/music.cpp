#include "demo/music.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "demo/demo_random.h"
#include "demo/synth.h"
#include "demo/wav_file.h"

namespace ovta::demo {

namespace {

// Four bars of 4/4 at 120 beats a minute, counted in eighths.
constexpr std::size_t kEighth = kMusicRate / 4;
constexpr int kEighths = 32;
constexpr std::size_t kLoop = kEighth * kEighths;
// Room for the last notes to ring out before they are folded back.
constexpr std::size_t kTail = 3 * kMusicRate;

struct Note {
    int at;     // eighth it starts on
    int length; // in eighths
    int midi;   // 62 is D4
    double level;
};

// Hijaz on D: D Eb F# G A Bb C. The first phrase rises from D to the fifth
// and turns round G and F#, leaning on the augmented second Eb-F#; the
// answer falls from A to D and climbs back through C to Eb, which resolves
// to the opening D when the loop starts again.
constexpr std::array<Note, 25> kMelody{{
    // Bar 1: from D up to A and Bb.
    {0, 2, 62, 0.55},
    {2, 1, 66, 0.40},
    {3, 1, 67, 0.42},
    {4, 2, 69, 0.50},
    {6, 1, 70, 0.42},
    {7, 1, 69, 0.40},
    // Bar 2: round G and F#, touching Eb.
    {8, 1, 67, 0.45},
    {9, 1, 66, 0.40},
    {10, 2, 67, 0.48},
    {12, 1, 66, 0.42},
    {13, 1, 63, 0.40},
    {14, 2, 66, 0.45},
    // Bar 3: the answer, from A down to Eb.
    {16, 2, 69, 0.52},
    {18, 1, 67, 0.42},
    {19, 1, 66, 0.40},
    {20, 2, 63, 0.48},
    {22, 1, 66, 0.40},
    {23, 1, 63, 0.40},
    // Bar 4: rest on D, then lead back into it.
    {24, 4, 62, 0.52},
    {28, 2, 57, 0.42},
    {30, 1, 60, 0.40},
    {31, 1, 63, 0.42},
    // Low strings under the downbeats.
    {0, 8, 50, 0.32},
    {8, 8, 55, 0.28},
    {16, 16, 50, 0.32},
}};

// Maqsum, played softly: dum tek . tek dum . tek . in every bar.
struct Stroke {
    int at; // eighth within the bar
    DrumStroke stroke;
    double level;
};
constexpr std::array<Stroke, 5> kBar{{
    {0, DrumStroke::Dum, 0.20},
    {1, DrumStroke::Tek, 0.06},
    {3, DrumStroke::Tek, 0.08},
    {4, DrumStroke::Dum, 0.15},
    {6, DrumStroke::Tek, 0.07},
}};

double midiFrequency(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Whole cycles per loop nearest the pitch: the drone must repeat exactly.
long droneCycles(int midi)
{
    return std::lround(midiFrequency(midi) * static_cast<double>(kLoop) / kMusicRate);
}

// A few milliseconds of late playing, so the lute does not sound quantised.
std::size_t humanise(std::size_t at, DemoRandom& random)
{
    const double late = (random.signedUnit() + 1.0) * 0.5 * 0.006 * kMusicRate;
    return at + static_cast<std::size_t>(late);
}

Mix playScore()
{
    DemoRandom random(0x6F7674614D757369ULL);
    Mix mix(kLoop + kTail, 0.0);
    for (const auto& note : kMelody) {
        const double seconds = static_cast<double>(note.length * kEighth) / kMusicRate;
        const Pluck pluck{midiFrequency(note.midi), note.level, seconds + 0.25,
                          note.midi < 55 ? 0.25 : 0.4};
        addPluck(mix, humanise(static_cast<std::size_t>(note.at) * kEighth, random), pluck,
                 kMusicRate, random);
    }
    for (int bar = 0; bar < kEighths / 8; ++bar)
        for (const auto& s : kBar)
            addDrumStroke(mix, static_cast<std::size_t>(bar * 8 + s.at) * kEighth, s.stroke,
                          s.level, kMusicRate, random);
    return mix;
}

// Whatever rings past the loop's end sounds again over its start, as it
// will when the program replays the file.
Mix foldTail(const Mix& long_mix)
{
    Mix loop(kLoop, 0.0);
    for (std::size_t i = 0; i < long_mix.size(); ++i)
        loop[i % kLoop] += long_mix[i];
    return loop;
}

// A little space: two echoes a dotted eighth apart, wrapping round the loop.
Mix addEcho(const Mix& dry)
{
    const std::size_t delay = kEighth * 3 / 2;
    Mix wet(dry);
    for (std::size_t i = 0; i < kLoop; ++i)
        wet[i] +=
            0.22 * dry[(i + kLoop - delay) % kLoop] + 0.08 * dry[(i + 2 * (kLoop - delay)) % kLoop];
    return wet;
}

std::vector<std::int16_t> toPcm(const Mix& mix)
{
    double peak = 1e-9;
    for (const double s : mix)
        peak = std::max(peak, std::abs(s));
    // About -3 dBFS at the loudest sample: full, never clipped.
    const double gain = 0.7 * 32767.0 / peak;
    const auto fade = static_cast<std::size_t>(0.008 * kMusicRate);
    std::vector<std::int16_t> pcm(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const std::size_t edge = std::min(i, mix.size() - 1 - i);
        double s = mix[i] * gain;
        if (edge < fade)
            s *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(edge) / fade);
        pcm[i] = static_cast<std::int16_t>(std::clamp(std::lround(s), -32767L, 32767L));
    }
    return pcm;
}

} // namespace

std::vector<std::int16_t> renderMusicLoop()
{
    Mix loop = foldTail(playScore());
    const std::array<DroneTone, 2> drone{{
        {droneCycles(38), 0.050, 1, 0.0}, // D2
        {droneCycles(45), 0.030, 2, 1.3}, // A2
    }};
    addDrone(loop, drone);
    return toPcm(addEcho(loop));
}

std::string musicLoopWav()
{
    const auto pcm = renderMusicLoop();
    return pcm16Wav(pcm, kMusicRate, kMusicChannels);
}

} // namespace ovta::demo
