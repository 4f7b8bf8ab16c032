// Scripts of media player calls, run the same way against the scripted fake
// and the real player. A step is a call ("open data1\a.wav", "play",
// "playRange 100 300", "pause", "resume", "setPosition 0", "close",
// "advance 250", "wait 250", or a query "position", "length", "playing"
// made only for its exception), "loopOnFinish" (from then on the finished
// handler sets the position to 0 and plays again, as the music loop does), or
// a check ("at 400 playing", "at 1000 stopped", "length 2000", "closed",
// "finished 2": the finished handler has run twice so far, "throws <call>").
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "shell/media_player.h"

namespace ovta {
class FakeMediaPlayer;
}

namespace ovta::test {

// How time passes for a player under a script. Script times are
// multiplied by `scale`; a position may differ from the script's by
// `tolerance` ms (the real player's clock runs on its own).
struct MediaClock {
    std::function<void(std::int64_t ms)> advance;
    // Lets ms pass whatever the player does (played time for the fake, real
    // time for a real player).
    std::function<void(std::int64_t ms)> wait;
    // Delivers what the player has queued for the event loop, waiting a
    // little (a real player) for `until` to hold.
    std::function<void(const std::function<bool()>& until)> settle;
    std::int64_t scale = 1;
    std::int64_t tolerance = 0;
};

// Time moves exactly as the script says.
MediaClock fakeClock(FakeMediaPlayer& player);
// Time is real: "advance N" waits until N ms more of the piece have played
// or playback has stopped.
MediaClock realClock(MediaPlayer& player, std::int64_t scale, std::int64_t tolerance);

std::vector<std::string> scriptWords(const std::string& step);
void actScript(MediaPlayer& player, const MediaClock& clock, const std::vector<std::string>& words);
void runScript(MediaPlayer& player, const MediaClock& clock, const std::vector<std::string>& steps);

}  // namespace ovta::test
