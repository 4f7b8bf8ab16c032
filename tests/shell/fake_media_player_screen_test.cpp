#include "support/fake_media_player.h"

#include <QWidget>
#include <gtest/gtest.h>

#include "support/media_script.h"
#include "support/trace_capture.h"
#include <string>
#include <string_view>
#include <vector>

namespace ovta {
namespace {

void addTestFiles(FakeMediaPlayer& player)
{
    player.addFile("data1\\a.wav", 1000);
    player.addFile("data1\\b.wav", 2000);
    player.addUnplayable("data1\\broken.avi");
    player.addFailing("data1\\bad.avi", 1000, 300, "decoding error");
}

void run(FakeMediaPlayer& player, const std::vector<std::string>& steps)
{
    test::runScript(player, test::fakeClock(player), steps);
}

std::string errorOf(FakeMediaPlayer& player, const std::vector<std::string>& steps)
{
    try {
        for (const auto& step : steps)
            test::actScript(player, test::fakeClock(player), test::scriptWords(step));
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
    test::TraceCapture trace;
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
    test::TraceCapture trace;
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
