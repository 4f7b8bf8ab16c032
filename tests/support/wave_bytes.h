// A wave file written byte by byte: 8 kHz mono 8-bit PCM, a 440 Hz tone of
// the given length, as the content's own sounds are stored.
#pragma once

#include <string>

namespace ovta::test {

std::string waveBytes(int ms);

}  // namespace ovta::test
