#include "demo/chant.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace ovta::demo {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Bayati on D: D, E half-flat, F, G, A, Bb, C, D.
constexpr std::array<double, 8> kBayati{0, 1.5, 3, 5, 7, 8, 10, 12};

struct Formants {
    std::array<double, 3> frequency, bandwidth, gain;
};

Formants formantsOf(Vowel v)
{
    switch (v) {
    case Vowel::I: return {{300, 2250, 3000}, {60, 120, 180}, {1.0, 0.30, 0.20}};
    case Vowel::U: return {{330, 850, 2300}, {60, 100, 160}, {1.0, 0.45, 0.12}};
    case Vowel::A: break;
    }
    return {{700, 1220, 2600}, {90, 110, 160}, {1.0, 0.50, 0.25}};
}

Formants blend(const Formants& a, const Formants& b, double t)
{
    Formants out;
    for (std::size_t i = 0; i < 3; ++i) {
        out.frequency[i] = a.frequency[i] + (b.frequency[i] - a.frequency[i]) * t;
        out.bandwidth[i] = a.bandwidth[i] + (b.bandwidth[i] - a.bandwidth[i]) * t;
        out.gain[i] = a.gain[i] + (b.gain[i] - a.gain[i]) * t;
    }
    return out;
}

// The vocal tract's response at a frequency: three resonances over a floor.
double response(const Formants& f, double hz)
{
    double g = 0.02;
    for (std::size_t i = 0; i < 3; ++i) {
        const double x = (hz - f.frequency[i]) / (0.5 * f.bandwidth[i]);
        g += f.gain[i] / (1.0 + x * x);
    }
    return g;
}

double smoothstep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

int below(DemoRandom& random, int n)
{
    return static_cast<int>(random.next() % static_cast<std::uint64_t>(n));
}

} // namespace

std::vector<ChantNote> chantPhrase(DemoRandom& random, int notes)
{
    notes = std::max(notes, 3);
    const int peak = 2 + below(random, 3); // the third, fourth or fifth
    std::vector<ChantNote> out;
    int degree = below(random, 2);
    for (int i = 0; i < notes; ++i) {
        if (i == notes - 1)
            degree = 0;
        else if (i == notes - 2)
            degree = 1; // the half-flat second leads home
        else if (i < notes / 2)
            degree = std::min(peak, degree + (below(random, 3) == 0 ? 0 : 1));
        else if (below(random, 4) == 0)
            degree = std::min(peak, degree + 1); // a turn above
        else
            degree = std::max(1, degree - 1);
        const double seconds =
            i == notes - 1 ? 0.65 + 0.1 * below(random, 3) : 0.15 + 0.06 * below(random, 4);
        const int v = below(random, 5);
        const Vowel vowel = v < 3 ? Vowel::A : (v == 3 ? Vowel::I : Vowel::U);
        out.push_back({kBayati[static_cast<std::size_t>(degree)], seconds, vowel});
    }
    return out;
}

std::size_t addChantPhrase(Mix& mix, std::size_t start, const std::vector<ChantNote>& phrase,
                           double tonicHz, int rate, DemoRandom& random)
{
    std::vector<std::size_t> noteStart;
    std::size_t total = 0;
    for (const auto& n : phrase) {
        noteStart.push_back(total);
        total += static_cast<std::size_t>(n.seconds * rate);
    }
    constexpr std::size_t kBlock = 32; // harmonic weights change this often
    constexpr int kMaxHarmonics = 48;
    std::array<double, kMaxHarmonics + 1> weight{};
    int harmonics = 1;
    double phase = 0.0, vibrato = 0.0;
    std::size_t note = 0;
    for (std::size_t n = 0; n < total && start + n < mix.size(); ++n) {
        while (note + 1 < phrase.size() && n >= noteStart[note + 1])
            ++note;
        const double into = static_cast<double>(n - noteStart[note]) / rate;
        const double previous = note == 0 ? phrase[0].semitones : phrase[note - 1].semitones;
        // A glide of 45 ms from the note before, then a vibrato that
        // grows in as the note is held.
        const double glide = smoothstep(into / 0.045);
        const double semitones = previous + (phrase[note].semitones - previous) * glide;
        vibrato += kTwoPi * 5.3 / rate;
        const double depth = 0.007 * smoothstep((into - 0.12) / 0.25);
        const double f0 =
            tonicHz * std::pow(2.0, semitones / 12.0) * (1.0 + depth * std::sin(vibrato));
        if (n % kBlock == 0) {
            const Vowel from = note == 0 ? phrase[0].vowel : phrase[note - 1].vowel;
            const Formants f =
                blend(formantsOf(from), formantsOf(phrase[note].vowel), smoothstep(into / 0.06));
            harmonics = std::clamp(static_cast<int>(4800.0 / f0), 1, kMaxHarmonics);
            for (int h = 1; h <= harmonics; ++h)
                weight[static_cast<std::size_t>(h)] = response(f, h * f0) / h;
        }
        phase += kTwoPi * f0 / rate;
        if (phase > kTwoPi)
            phase -= kTwoPi;
        // sin(h * phase) by the Chebyshev recurrence: one sine per sample.
        const double s1 = std::sin(phase);
        const double twoCos = 2.0 * std::cos(phase);
        double before = 0.0, current = s1, voice = weight[1] * s1;
        for (int h = 2; h <= harmonics; ++h) {
            const double next = twoCos * current - before;
            before = current;
            current = next;
            voice += weight[static_cast<std::size_t>(h)] * current;
        }
        // Breath under the tone; a dip where each new syllable starts; the
        // phrase swells in and dies away.
        voice += 0.004 * random.signedUnit();
        const double syllable = note == 0 ? 1.0 : 0.35 + 0.65 * smoothstep(into / 0.05);
        const double t = static_cast<double>(n) / rate;
        const double tail = static_cast<double>(total - n) / rate;
        const double swell = smoothstep(t / 0.06) * smoothstep(tail / 0.18);
        mix[start + n] += voice * syllable * swell;
    }
    return total;
}

void addRoom(Mix& mix, int rate)
{
    const struct {
        double seconds, gain;
    } echoes[] = {{0.037, 0.22}, {0.053, 0.17}, {0.071, 0.12}};
    for (const auto& e : echoes) {
        const auto delay = static_cast<std::size_t>(e.seconds * rate);
        for (std::size_t i = delay; i < mix.size(); ++i)
            mix[i] += e.gain * mix[i - delay];
    }
}

} // namespace ovta::demo
