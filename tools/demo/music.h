// The background music "data1\kenor.wav": a calm phrase in maqam Hijaz on D,
// played on a plucked lute over a soft drone and a gentle frame-drum pulse.
// The program replays the file from its start whenever it ends, so the
// phrase is written as a loop: the notes still ringing at the end are folded
// back onto the start, and both ends fade over a few milliseconds so the
// restart does not click.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ovta::demo {

inline constexpr int kMusicRate = 22050;
inline constexpr int kMusicChannels = 1;

// The loop's samples, mono, at kMusicRate.
std::vector<std::int16_t> renderMusicLoop();

// The file's bytes: renderMusicLoop as a 16-bit PCM WAVE file.
std::string musicLoopWav();

} // namespace ovta::demo
