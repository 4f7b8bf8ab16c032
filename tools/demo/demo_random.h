// The generator's one source of chance. Its own small generator rather than
// <random>'s distributions, whose results differ between standard libraries:
// the demo content must come out byte for byte the same on every machine.
#pragma once

#include <cstdint>

namespace ovta::demo {

class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

    // SplitMix64.
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Evenly in [-1, 1), from the top 53 bits.
    double signedUnit()
    {
        return static_cast<double>(next() >> 11) * (2.0 / 9007199254740992.0) - 1.0;
    }

private:
    std::uint64_t state_;
};

} // namespace ovta::demo
