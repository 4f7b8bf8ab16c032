#include "demo/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ovta::demo {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The string's excitation: one period of noise, low-passed by brightness,
// with its mean removed (a DC offset would ring on as a thump) and a comb
// that mimics plucking a fifth of the way along the string.
std::vector<double> pluckExcitation(std::size_t length, double brightness, DemoRandom& random)
{
    // Two one-pole passes, a finger or a soft plectrum rather than a click.
    // They run twice round the period, keeping the second round, so the
    // filtered noise joins up where the delay line wraps and no click
    // recurs on every pass of the string.
    std::vector<double> raw(length);
    for (auto& s : raw)
        s = random.signedUnit();
    std::vector<double> noise(length);
    double smooth = 0.0, smoother = 0.0;
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < length; ++i) {
            smooth += brightness * (raw[i] - smooth);
            smoother += brightness * (smooth - smoother);
            noise[i] = smoother;
        }
    }
    double mean = 0.0;
    for (const double s : noise)
        mean += s;
    mean /= static_cast<double>(length);
    const std::size_t offset = std::max<std::size_t>(1, length / 5);
    std::vector<double> line(length);
    double peak = 1e-9;
    for (std::size_t i = 0; i < length; ++i) {
        line[i] = (noise[i] - mean) - 0.6 * (noise[(i + offset) % length] - mean);
        peak = std::max(peak, std::abs(line[i]));
    }
    for (auto& s : line)
        s /= peak;
    return line;
}

} // namespace

void addPluck(Mix& mix, std::size_t start, const Pluck& pluck, int rate, DemoRandom& random)
{
    // Loop delay = line + half a sample (the averaging filter) + the all-pass,
    // which supplies the fraction so that high notes stay in tune.
    const double period = rate / pluck.frequency;
    const auto length = static_cast<std::size_t>(std::max(2.0, std::floor(period - 0.6)));
    const double fraction = period - 0.5 - static_cast<double>(length);
    const double allpass = (1.0 - fraction) / (1.0 + fraction);

    std::vector<double> line = pluckExcitation(length, pluck.brightness, random);
    // Lower strings ring longer, as on the instrument.
    const double ringSeconds = std::clamp(600.0 / pluck.frequency, 1.2, 3.0);
    const double loss = std::pow(10.0, -3.0 / (ringSeconds * pluck.frequency));

    const double dampSeconds = 0.12;
    const auto total = static_cast<std::size_t>((pluck.holdSeconds + dampSeconds) * rate);
    const auto attack = static_cast<std::size_t>(0.002 * rate);
    const auto holdEnd = static_cast<std::size_t>(pluck.holdSeconds * rate);
    const auto damp = static_cast<double>(total - holdEnd);

    // The filters start as if the string had already been circulating, so the
    // first wrap of the line does not jump.
    double previous = line.back(), apIn = line.back(), apOut = line.back();
    std::size_t at = 0;
    for (std::size_t n = 0; n < total && start + n < mix.size(); ++n) {
        const double out = line[at];
        const double averaged = 0.5 * (out + previous) * loss;
        previous = out;
        const double shifted = allpass * averaged + apIn - allpass * apOut;
        apIn = averaged;
        apOut = shifted;
        line[at] = shifted;
        at = (at + 1) % length;

        double envelope = 1.0;
        if (n < attack)
            envelope = static_cast<double>(n) / static_cast<double>(attack);
        else if (n >= holdEnd)
            envelope =
                0.5 + 0.5 * std::cos(std::numbers::pi * static_cast<double>(n - holdEnd) / damp);
        mix[start + n] += pluck.level * envelope * out;
    }
}

void addDrumStroke(Mix& mix, std::size_t start, DrumStroke stroke, double level, int rate,
                   DemoRandom& random)
{
    const bool dum = stroke == DrumStroke::Dum;
    const auto total = static_cast<std::size_t>((dum ? 0.9 : 0.25) * rate);
    const double attack = dum ? 0.004 : 0.001;
    double phase = 0.0, low = 0.0, lower = 0.0;
    for (std::size_t n = 0; n < total && start + n < mix.size(); ++n) {
        const double t = static_cast<double>(n) / rate;
        const double onset = std::min(1.0, t / attack);
        // A drum skin drops in pitch as the stroke's tension relaxes.
        const double pitch = dum ? 58.0 + 42.0 * std::exp(-t / 0.04) : 330.0;
        phase += kTwoPi * pitch / rate;
        const double tone = std::sin(phase) * std::exp(-t / (dum ? 0.22 : 0.05));
        // Band-passed noise: the slap of the hand on the skin.
        const double noise = random.signedUnit();
        low += (dum ? 0.08 : 0.35) * (noise - low);
        lower += (dum ? 0.02 : 0.12) * (low - lower);
        const double slap = (low - lower) * std::exp(-t / (dum ? 0.012 : 0.02));
        const double sample = dum ? tone + 0.3 * slap : 0.5 * tone + 0.9 * slap;
        mix[start + n] += level * onset * sample;
    }
}

void addDrone(Mix& mix, std::span<const DroneTone> tones)
{
    const auto length = static_cast<long>(mix.size());
    if (length == 0)
        return;
    // Reed-like partials, fading with their number.
    constexpr double kPartials[] = {1.0, 0.45, 0.28, 0.12, 0.07};
    for (const auto& tone : tones) {
        for (long n = 0; n < length; ++n) {
            const double swell =
                0.75 + 0.25 * std::cos(kTwoPi * static_cast<double>(tone.swellsPerLoop) *
                                           static_cast<double>(n) / static_cast<double>(length) +
                                       tone.swellPhase);
            double sum = 0.0;
            for (std::size_t h = 0; h < std::size(kPartials); ++h) {
                // Whole-number phase steps, so the tone repeats exactly.
                const long step = (static_cast<long>(h + 1) * tone.cyclesPerLoop * n) % length;
                sum += kPartials[h] *
                       std::sin(kTwoPi * static_cast<double>(step) / static_cast<double>(length));
            }
            mix[static_cast<std::size_t>(n)] += tone.level * swell * sum;
        }
    }
}

} // namespace ovta::demo
