// A wave file written byte by byte: 8 kHz mono 8-bit PCM, a 440 Hz tone of
// the given length, as the content's own sounds are stored.
#pragma once

#include <string>

namespace ovta::test {

std::string waveBytes(int ms);

// A wave as the music is stored: 22050 Hz mono 16-bit, silent, of the given
// length (the parser pushes it in 4096-byte buffers, about 93 ms each).
std::string musicWaveBytes(int ms);

}  // namespace ovta::test
