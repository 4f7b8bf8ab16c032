// A RIFF/WAVE file of 16-bit PCM: the 44-byte canonical header (a "fmt "
// chunk of 16 bytes, then the "data" chunk) and the samples, little-endian.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace ovta::demo {

// Samples interleaved by channel. Throws RangeError for a channel count
// other than 1 or 2, a rate that is not positive, or a sample count that
// is not a whole number of frames or does not fit a RIFF size field.
std::string pcm16Wav(std::span<const std::int16_t> samples, int sampleRate, int channels);

} // namespace ovta::demo
