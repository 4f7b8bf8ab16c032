#include "shell/fake_media_player.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace ovta {
namespace {

// Captures trace lines for the life of the object.
class TraceCapture {
public:
    TraceCapture() : wasOn_(trace::enabled())
    {
        trace::setSink([this](std::string_view line) { lines.emplace_back(line); });
    }
    ~TraceCapture()
    {
        trace::setSink(nullptr);
        trace::setEnabled(wasOn_);
    }
    std::vector<std::string> lines;

private:
    bool wasOn_;
};

void addTestFiles(FakeMediaPlayer& player)
{
    player.addFile("data1\\a.wav", 1000);
    player.addFile("data1\\b.wav", 2000);
    player.addUnplayable("data1\\broken.avi");
    player.addFailing("data1\\bad.avi", 1000, 300, "decoding error");
}

std::vector<std::string> words(const std::string& step)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < step.size()) {
        const std::size_t end = std::min(step.find(' ', at), step.size());
        out.push_back(step.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

// One call of a script: "open data1\a.wav", "play", "playRange 100 300",
// "pause", "resume", "setPosition 0", "close", "advance 250", or a query
// ("position", "length", "playing") made only for its exception.
void act(FakeMediaPlayer& player, const std::vector<std::string>& w)
{
    const auto arg = [&](std::size_t i) { return std::stoll(w.at(i)); };
    const std::string& verb = w.at(0);
    if (verb == "open") {
        player.setFileName(QString::fromStdString(w.at(1)));
        player.open();
    } else if (verb == "close") {
        player.close();
    } else if (verb == "play") {
        player.play();
    } else if (verb == "playRange") {
        player.playRange(arg(1), arg(2));
    } else if (verb == "pause") {
        player.pause();
    } else if (verb == "resume") {
        player.resume();
    } else if (verb == "setPosition") {
        player.setPosition(arg(1));
    } else if (verb == "advance") {
        player.advance(arg(1));
    } else if (verb == "position") {
        player.position();
    } else if (verb == "length") {
        player.length();
    } else if (verb == "playing") {
        player.playing();
    } else {
        FAIL() << "unknown step " << verb;
    }
}

// Runs a script of calls and checks: "at 400 playing" / "at 1000 stopped"
// (position and mode), "length 2000", "closed", "throws <call>".
void run(FakeMediaPlayer& player, const std::vector<std::string>& steps)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1) + ": " + steps[i]);
        const auto w = words(steps[i]);
        if (w.at(0) == "at") {
            ASSERT_TRUE(player.isOpen());
            EXPECT_EQ(player.position(), std::stoll(w.at(1)));
            EXPECT_EQ(player.playing(), w.at(2) == "playing");
        } else if (w.at(0) == "length") {
            ASSERT_TRUE(player.isOpen());
            EXPECT_EQ(player.length(), std::stoll(w.at(1)));
        } else if (w.at(0) == "closed") {
            EXPECT_FALSE(player.isOpen());
        } else if (w.at(0) == "throws") {
            EXPECT_THROW(act(player, {w.begin() + 1, w.end()}), MediaError);
        } else {
            EXPECT_NO_THROW(act(player, w));
        }
    }
}

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
      "at 0 playing", "advance 300", "at 300 playing"}},
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
    {"opening another file starts it afresh",
     {"open data1\\a.wav", "play", "advance 300", "open data1\\b.wav", "at 0 stopped",
      "length 2000"}},
};

class FakeMediaPlayerScript : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(FakeMediaPlayerScript, Runs)
{
    FakeMediaPlayer player;
    addTestFiles(player);
    run(player, GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Cases, FakeMediaPlayerScript, ::testing::ValuesIn(scriptCases),
                         [](const auto& info) {
                             std::string name;
                             for (char c : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

std::string errorOf(FakeMediaPlayer& player, const std::vector<std::string>& steps)
{
    try {
        for (const auto& step : steps)
            act(player, words(step));
    } catch (const MediaError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(FakeMediaPlayer, ErrorTextsNameTheFile)
{
    struct Case {
        std::vector<std::string> steps;
        std::string text;
    };
    const Case cases[] = {
        {{"open data1\\nothing.wav"}, "cannot open media file data1\\nothing.wav"},
        {{"open data1\\broken.avi"}, "cannot open media file data1\\broken.avi: not a media file"},
        {{"open data1\\a.wav", "close", "position"}, "media player is not open: data1\\a.wav"},
        {{"open data1\\a.wav", "playRange 500 200"},
         "cannot play media file data1\\a.wav from 500 to 200: the range ends before it starts"},
    };
    for (const auto& c : cases) {
        FakeMediaPlayer player;
        addTestFiles(player);
        EXPECT_EQ(errorOf(player, c.steps), c.text);
    }
    FakeMediaPlayer unnamed;
    EXPECT_EQ(errorOf(unnamed, {"play"}), "media player is not open: (no file name)");
}

TEST(FakeMediaPlayer, LogsEveryCallInOrderButNoQueries)
{
    FakeMediaPlayer player;
    addTestFiles(player);
    QWidget panel;
    panel.setObjectName("p1");
    player.setDisplay(&panel);
    run(player, {"open data1\\a.wav", "play", "at 0 playing", "length 1000", "advance 1000",
                 "setPosition 0", "playRange 100 200", "pause", "resume", "close", "throws play"});
    player.setDisplay(nullptr);
    const QStringList expected{"setDisplay p1",
                               "open data1\\a.wav",
                               "play",
                               "setPosition 0",
                               "playRange 100 200",
                               "pause",
                               "resume",
                               "close",
                               "play",
                               "setDisplay none"};
    EXPECT_EQ(player.log(), expected);
    EXPECT_EQ(player.display(), nullptr);
    player.clearLog();
    EXPECT_TRUE(player.log().isEmpty());
}

TEST(FakeMediaPlayer, FailurePartWayClosesAndReportsOnce)
{
    FakeMediaPlayer player;
    addTestFiles(player);
    std::vector<QString> reported;
    player.onError([&](const QString& text) { reported.push_back(text); });
    TraceCapture trace;
    run(player, {"open data1\\bad.avi", "play", "advance 200", "at 200 playing", "advance 200",
                 "closed", "throws position", "advance 500"});
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], "cannot play media file data1\\bad.avi: decoding error");
    EXPECT_NE(std::find(trace.lines.begin(), trace.lines.end(),
                        "ovta: media error data1\\bad.avi text=cannot play media file "
                        "data1\\bad.avi: decoding error"),
              trace.lines.end());
}

TEST(FakeMediaPlayer, FailurePointOutsideTheRangeNeverFires)
{
    FakeMediaPlayer player;
    addTestFiles(player);
    int reports = 0;
    player.onError([&](const QString&) { ++reports; });
    run(player, {"open data1\\bad.avi", "playRange 0 200", "advance 500", "at 200 stopped",
                 "playRange 400 1000", "advance 1000", "at 1000 stopped"});
    EXPECT_EQ(reports, 0);
}

TEST(FakeMediaPlayer, TracesOpenPlayAndErrors)
{
    FakeMediaPlayer player;
    addTestFiles(player);
    TraceCapture trace;
    run(player, {"open data1\\a.wav", "play", "advance 2000", "play", "setPosition 0",
                 "playRange 100 900", "throws open data1\\nothing.wav"});
    const std::vector<std::string> expected{
        "ovta: media open data1\\a.wav",
        "ovta: media play data1\\a.wav from=0 to=-1",
        "ovta: media play data1\\a.wav from=100 to=900",
        "ovta: media error data1\\nothing.wav text=cannot open media file data1\\nothing.wav",
    };
    EXPECT_EQ(trace.lines, expected);
}

} // namespace
} // namespace ovta
