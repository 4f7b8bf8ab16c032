// The media player contract: one table of scripts run against the scripted
// fake the screen tests use and against each real player (the one over Qt
// Multimedia that shows pictures, the one for sound alone straight on
// GStreamer), so that none can drift apart. The real players run the same
// scripts on pieces three times as long, with their positions allowed a
// margin for their own clocks.
#include <QString>
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "shell/gst_sound_player.h"
#include "shell/qt_media_player.h"
#include "store/content_dir.h"
#include "support/fake_media_player.h"
#include "support/fixture_dir.h"
#include "support/media_script.h"
#include "support/wave_bytes.h"

namespace ovta {
namespace {

struct ScriptCase {
    const char* name;
    std::vector<std::string> steps;
};

const ScriptCase scriptCases[] = {
    {"opens stopped at the start",
     {"open data1\\a.wav", "at 0 stopped", "length 1000", "advance 500", "at 0 stopped"}},
    {"plays to the end and stays there without rewinding",
     {"open data1\\a.wav", "play", "at 0 playing", "advance 400", "at 400 playing", "advance 1000",
      "at 1000 stopped", "advance 100", "at 1000 stopped", "play", "advance 100",
      "at 1000 stopped"}},
    {"replays after the end once the position is set back",
     {"open data1\\a.wav", "play", "advance 2000", "setPosition 0", "at 0 stopped", "play",
      "at 0 playing", "advance 300", "at 300 playing", "advance 2000", "at 1000 stopped",
      "setPosition 0", "play", "advance 300", "at 300 playing"}},
    {"setting the position to the length ends the piece at once",
     {"open data1\\a.wav", "play", "advance 100", "setPosition 1000", "at 1000 stopped", "resume",
      "at 1000 stopped"}},
    {"positions are clamped to the piece",
     {"open data1\\a.wav", "setPosition 5000", "at 1000 stopped", "setPosition -5", "at 0 stopped",
      "playRange -100 200", "at 0 playing", "advance 500", "at 200 stopped"}},
    {"a range stops at its end, and play goes on to the end of the piece",
     {"open data1\\a.wav", "playRange 200 500", "at 200 playing", "advance 200", "at 400 playing",
      "advance 200", "at 500 stopped", "play", "at 500 playing", "advance 1000",
      "at 1000 stopped"}},
    {"a range that reaches the length ends the piece",
     {"open data1\\a.wav", "playRange 800 5000", "advance 500", "at 1000 stopped", "play",
      "at 1000 stopped"}},
    {"an empty range plays nothing",
     {"open data1\\a.wav", "playRange 300 300", "at 300 stopped", "advance 100", "at 300 stopped"}},
    {"a backwards range throws and leaves the player as it was",
     {"open data1\\a.wav", "play", "advance 100", "throws playRange 500 200", "at 100 playing"}},
    {"pause holds the position and resume keeps the range",
     {"open data1\\a.wav", "playRange 0 600", "advance 100", "pause", "at 100 stopped",
      "advance 500", "at 100 stopped", "pause", "at 100 stopped", "resume", "at 100 playing",
      "advance 1000", "at 600 stopped"}},
    {"play after a pause drops the range",
     {"open data1\\a.wav", "playRange 0 600", "advance 100", "pause", "play", "advance 2000",
      "at 1000 stopped"}},
    {"resume starts a piece that was opened without playing",
     {"open data1\\a.wav", "resume", "at 0 playing", "advance 100", "at 100 playing"}},
    {"resume at the end does nothing",
     {"open data1\\a.wav", "play", "advance 2000", "resume", "at 1000 stopped"}},
    {"seeking past a range end while playing drops the range",
     {"open data1\\a.wav", "playRange 100 300", "setPosition 500", "at 500 playing", "advance 200",
      "at 700 playing"}},
    {"seeking while stopped moves the start of the next play",
     {"open data1\\a.wav", "setPosition 250", "at 250 stopped", "play", "advance 50",
      "at 300 playing"}},
    {"every call but close throws before open",
     {"closed", "throws play", "throws playRange 0 10", "throws pause", "throws resume",
      "throws position", "throws length", "throws setPosition 0", "throws playing", "close",
      "closed"}},
    {"calls throw after close",
     {"open data1\\a.wav", "play", "close", "closed", "throws position", "throws play"}},
    {"a missing or unplayable file leaves the player closed",
     {"open data1\\a.wav", "throws open data1\\nothing.wav", "closed", "throws position",
      "throws open data1\\broken.avi", "closed"}},
    {"the end of the piece is told once, when it comes",
     {"open data1\\a.wav", "setPosition 600", "play", "advance 100", "finished 0", "advance 1000",
      "at 1000 stopped", "finished 1", "wait 100", "play", "resume", "wait 100", "finished 1"}},
    {"the end of a range is told, and so is the end a range reaches",
     {"open data1\\a.wav", "playRange 600 800", "advance 500", "at 800 stopped", "finished 1",
      "play", "advance 1000", "at 1000 stopped", "finished 2", "setPosition 0",
      "playRange 800 5000", "advance 500", "at 1000 stopped", "finished 3"}},
    {"a pause, a seek to the end or an empty range tells nothing",
     {"open data1\\a.wav", "play", "advance 900", "pause", "wait 200", "finished 0", "resume",
      "setPosition 1000", "at 1000 stopped", "finished 0", "setPosition 0", "playRange 1000 1000",
      "at 1000 stopped", "wait 100", "finished 0"}},
    {"nothing is told after close or of a piece left for another",
     {"open data1\\a.wav", "setPosition 800", "play", "advance 100", "close", "wait 200",
      "finished 0", "open data1\\a.wav", "setPosition 800", "play", "advance 100",
      "open data1\\b.wav", "wait 200", "finished 0", "at 0 stopped"}},
    {"the finished handler can play the piece again at once",
     {"open data1\\a.wav", "loopOnFinish", "setPosition 800", "play", "advance 100", "wait 100",
      "finished 1", "at 0 playing", "advance 300", "at 300 playing", "finished 1"}},
    {"opening another file starts it afresh",
     {"open data1\\a.wav", "play", "advance 300", "open data1\\b.wav", "at 0 stopped",
      "length 2000"}},
};

enum class Player { Fake, Qt, Sound };

// The real player plays each piece at three times the script's length.
constexpr std::int64_t kRealScale = 3;
// How far a real position may be from the script's: the time between two
// looks at the clock while waiting, and the backend's reporting steps.
constexpr std::int64_t kRealTolerance = 200;

class MediaPlayerContract : public ::testing::TestWithParam<std::tuple<ScriptCase, Player>> {
protected:
    void SetUp() override
    {
        previousRoot_ = ContentDir::current().root();
        ContentDir::setCurrent(content.path());
    }
    void TearDown() override { ContentDir::setCurrent(previousRoot_); }

    test::FixtureDir content;

private:
    std::filesystem::path previousRoot_;
};

TEST_P(MediaPlayerContract, Runs)
{
    const auto& [script, kind] = GetParam();
    if (kind == Player::Fake) {
        FakeMediaPlayer player;
        player.addFile("data1\\a.wav", 1000);
        player.addFile("data1\\b.wav", 2000);
        player.addUnplayable("data1\\broken.avi");
        test::runScript(player, test::fakeClock(player), script.steps);
        return;
    }
    content.write("data1\\a.wav", test::waveBytes(1000 * kRealScale));
    content.write("data1\\b.wav", test::waveBytes(2000 * kRealScale));
    content.write("data1\\broken.avi", "this is not a video\r\n");
    std::unique_ptr<MediaPlayer> player;
    if (kind == Player::Qt)
        player = std::make_unique<QtMediaPlayer>();
    else
        player = std::make_unique<GstSoundPlayer>();
    test::runScript(*player, test::realClock(*player, kRealScale, kRealTolerance), script.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, MediaPlayerContract,
    ::testing::Combine(::testing::ValuesIn(scriptCases), ::testing::Values(Player::Fake, Player::Qt, Player::Sound)),
    [](const auto& info) {
        const Player kind = std::get<1>(info.param);
        std::string name = kind == Player::Fake ? "Fake_" : kind == Player::Qt ? "Qt_" : "Sound_";
        for (char c : std::string(std::get<0>(info.param).name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

} // namespace
} // namespace ovta
