#include "demo/wav_file.h"

#include <limits>

#include "store/errors.h"

namespace ovta::demo {

namespace {

void put16(std::string& out, std::uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

} // namespace

std::string pcm16Wav(std::span<const std::int16_t> samples, int sampleRate, int channels)
{
    if (channels != 1 && channels != 2)
        throw RangeError("WAVE file with " + std::to_string(channels) + " channels");
    if (sampleRate <= 0)
        throw RangeError("WAVE file with sample rate " + std::to_string(sampleRate));
    if (samples.size() % static_cast<std::size_t>(channels) != 0)
        throw RangeError("WAVE samples are not a whole number of frames");
    constexpr std::size_t kHeader = 44;
    const std::size_t dataBytes = samples.size() * 2;
    if (dataBytes > std::numeric_limits<std::uint32_t>::max() - kHeader)
        throw RangeError("WAVE data too long for a RIFF file");

    const auto blockAlign = static_cast<std::uint16_t>(channels * 2);
    std::string out;
    out.reserve(kHeader + dataBytes);
    out += "RIFF";
    put32(out, static_cast<std::uint32_t>(kHeader - 8 + dataBytes));
    out += "WAVE";
    out += "fmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, static_cast<std::uint16_t>(channels));
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, 16);
    out += "data";
    put32(out, static_cast<std::uint32_t>(dataBytes));
    for (const std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out;
}

} // namespace ovta::demo
