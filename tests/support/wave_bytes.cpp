#include "support/wave_bytes.h"

#include <cmath>
#include <cstdint>

namespace ovta::test {
namespace {

// The 44-byte header of a mono PCM wave file.
std::string monoHeader(std::uint32_t rate, std::uint16_t bits, std::uint32_t dataBytes)
{
    std::string out;
    const auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const auto u16 = [&](std::uint16_t v) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>(v >> 8);
    };
    const std::uint16_t block = bits / 8;
    out += "RIFF";
    u32(36 + dataBytes);
    out += "WAVEfmt ";
    u32(16);
    u16(1);             // PCM
    u16(1);             // mono
    u32(rate);          // sample rate
    u32(rate * block);  // bytes per second
    u16(block);         // block align
    u16(bits);          // bits per sample
    out += "data";
    u32(dataBytes);
    return out;
}

}  // namespace

std::string waveBytes(int ms)
{
    const std::uint32_t rate = 8000;
    const std::uint32_t samples = rate * static_cast<std::uint32_t>(ms) / 1000;
    std::string out = monoHeader(rate, 8, samples);
    for (std::uint32_t i = 0; i < samples; ++i)
        out += static_cast<char>(128 + std::lround(90 * std::sin(2 * M_PI * 440 * i / rate)));
    return out;
}

std::string musicWaveBytes(int ms)
{
    const std::uint32_t rate = 22050;
    const std::uint32_t bytes = rate * 2 * static_cast<std::uint32_t>(ms) / 1000;
    std::string out = monoHeader(rate, 16, bytes);
    out.append(bytes, '\0');
    return out;
}

}  // namespace ovta::test
