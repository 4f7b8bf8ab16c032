// The player for sound alone, on GStreamer, with waves written in the test
// (what it shares with the other players is checked by the contract table).
// The machines that run this may have no sound at all: the player then
// plays into a clocked fake sink, and every piece still takes its time.
#include "shell/gst_sound_player.h"

#include "store/content_dir.h"
#include "support/fifo_stand_in.h"
#include "support/fixture_dir.h"
#include "support/trace_capture.h"
#include "support/wave_bytes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace ovta {
namespace {

namespace fs = std::filesystem;
using test::musicWaveBytes;
using test::waveBytes;

// Generous: nothing here should come near it unless the player hangs.
constexpr int kWaitMs = 5000;

class GstSoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousRoot_ = ContentDir::current().root();
        ContentDir::setCurrent(content.path());
        content.write("data1\\tone.wav", waveBytes(500));
        content.write("data1\\long.wav", waveBytes(2000));
    }
    void TearDown() override { ContentDir::setCurrent(previousRoot_); }

    static void openTimed(GstSoundPlayer& player, const QString& name)
    {
        player.setFileName(name);
        QElapsedTimer clock;
        clock.start();
        player.open();
        std::printf("[ measured ] open %s: %lld ms, length %lld ms, sink %s\n", qPrintable(name),
                    static_cast<long long>(clock.elapsed()),
                    static_cast<long long>(player.length()), qPrintable(player.sinkName()));
    }

    static bool waitFor(const std::function<bool()>& done)
    {
        return QTest::qWaitFor(done, kWaitMs);
    }

    static bool waitForStop(GstSoundPlayer& player)
    {
        return waitFor([&] { return !player.isOpen() || !player.playing(); });
    }

    test::FixtureDir content;

private:
    fs::path previousRoot_;
};

TEST_F(GstSoundPlayerTest, OpensAWaveStoppedAtTheStartAndKnowsItsLength)
{
    GstSoundPlayer player;
    // Names are resolved case-insensitively, as content copied from a CD is.
    openTimed(player, "DATA1\\Tone.WAV");
    EXPECT_TRUE(player.isOpen());
    EXPECT_EQ(player.length(), 500);
    EXPECT_EQ(player.position(), 0);
    EXPECT_FALSE(player.playing());
    EXPECT_FALSE(player.sinkName().isEmpty());
    EXPECT_EQ(player.fileName(), "DATA1\\Tone.WAV");
    QTest::qWait(200);
    EXPECT_EQ(player.position(), 0) << "an opened piece waits for play";
    player.close();
    EXPECT_TRUE(player.sinkName().isEmpty());
}

TEST_F(GstSoundPlayerTest, PlaysInRealTimeAndStopsAtTheEnd)
{
    GstSoundPlayer player;
    openTimed(player, "data1\\long.wav");
    QElapsedTimer clock;
    clock.start();
    player.play();
    ASSERT_TRUE(waitFor([&] { return player.position() >= 1000; }));
    const qint64 half = clock.elapsed();
    ASSERT_TRUE(waitForStop(player));
    const qint64 whole = clock.elapsed();
    std::printf("[ measured ] 2000 ms piece: 1000 ms reached after %lld ms, ended after %lld ms\n",
                static_cast<long long>(half), static_cast<long long>(whole));
    // Neither faster than the clock nor much slower.
    EXPECT_GE(half, 900);
    EXPECT_GE(whole, 1900);
    EXPECT_LE(whole, 3000);
    EXPECT_EQ(player.position(), 2000);
}

// A range is a seek with a stop: it must start at its start and stop at its
// end from whatever the player was doing.
TEST_F(GstSoundPlayerTest, PlayRangeStartsAtItsStartAndStopsAtItsEnd)
{
    GstSoundPlayer player;
    openTimed(player, "data1\\long.wav");
    const auto playRange = [&](std::int64_t from, std::int64_t to, bool toTheEnd) {
        SCOPED_TRACE(std::to_string(from) + ".." + std::to_string(to));
        QElapsedTimer clock;
        clock.start();
        player.playRange(from, to);
        EXPECT_TRUE(player.playing());
        EXPECT_EQ(player.position(), from);
        ASSERT_TRUE(waitFor([&] { return player.position() != from || !player.playing(); }));
        EXPECT_GE(player.position(), from);
        EXPECT_LE(player.position(), to);
        if (!toTheEnd)
            return;
        ASSERT_TRUE(waitForStop(player));
        const qint64 took = clock.elapsed();
        std::printf("[ measured ] range %lld..%lld stopped after %lld ms\n",
                    static_cast<long long>(from), static_cast<long long>(to),
                    static_cast<long long>(took));
        EXPECT_GE(took, to - from - 20);
        EXPECT_EQ(player.position(), to);
        QTest::qWait(300);
        EXPECT_EQ(player.position(), to);
        EXPECT_FALSE(player.playing());
    };
    // Fresh from open.
    playRange(1000, 1400, true);
    // Stopped at the end of a range, then interrupted while playing.
    playRange(300, 600, false);
    playRange(1200, 1500, true);
    // Right after play(), before the pipeline has started.
    openTimed(player, "data1\\long.wav");
    player.play();
    playRange(500, 800, true);
    // After a pause.
    player.play();
    ASSERT_TRUE(waitFor([&] { return player.position() > 900; }));
    player.pause();
    playRange(1600, 1900, true);
}

// A pause stops at once and resumes from the same place, keeping the range.
TEST_F(GstSoundPlayerTest, PauseHoldsThePlaceAndResumeGoesOnFromIt)
{
    GstSoundPlayer player;
    openTimed(player, "data1\\long.wav");
    player.playRange(200, 1200);
    ASSERT_TRUE(waitFor([&] { return player.position() >= 500; }));
    player.pause();
    const std::int64_t pausedAt = player.position();
    QTest::qWait(300);
    EXPECT_EQ(player.position(), pausedAt);
    EXPECT_FALSE(player.playing());
    player.resume();
    EXPECT_TRUE(player.playing());
    EXPECT_NEAR(player.position(), pausedAt, 30);
    ASSERT_TRUE(waitFor([&] { return player.position() >= pausedAt + 200 || !player.playing(); }));
    EXPECT_TRUE(player.playing());
    ASSERT_TRUE(waitForStop(player));
    EXPECT_EQ(player.position(), 1200);
}

TEST_F(GstSoundPlayerTest, FilesThatDoNotOpenThrowWithTheirNameAndLeaveItClosed)
{
    content.write("data1\\corrupt.wav", std::string("RIFF\x10\0\0\0WAVEjunkjunkjunkjunk", 28));
    content.write("data1\\text.wav", "this is not a sound\r\n");
    content.write("data1\\empty.wav", "");
    fs::create_directories(content.path() / "data1" / "folder.wav");
    const test::FifoStandIn pipe(content.path() / "data1" / "pipe.wav");

    const char* const names[] = {
        "data1\\gone.wav",  "data1\\pipe.wav",   "data1\\corrupt.wav", "data1\\text.wav",
        "data1\\empty.wav", "data1\\folder.wav", "..\\tone.wav",       ""};
    GstSoundPlayer reused;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        for (GstSoundPlayer* player : {static_cast<GstSoundPlayer*>(nullptr), &reused}) {
            GstSoundPlayer fresh;
            GstSoundPlayer& p = player ? *player : fresh;
            // The reused player had a piece open: a failed open closes it.
            if (player)
                openTimed(p, "data1\\tone.wav");
            p.setFileName(name);
            try {
                p.open();
                ADD_FAILURE() << "opened";
            } catch (const MediaError& e) {
                const std::string expected =
                    std::string("cannot open media file ") + (*name ? name : "(no file name)");
                EXPECT_EQ(std::string(e.what()).substr(0, expected.size()), expected) << e.what();
                std::printf("[ message ] %s\n", e.what());
            }
            EXPECT_FALSE(p.isOpen());
            EXPECT_THROW(p.position(), MediaError);
        }
    }
    EXPECT_EQ(pipe.opens(), 0) << "the pipeline must not be handed a pipe";
}

TEST_F(GstSoundPlayerTest, TracesOpenPlayTheSinkAndErrors)
{
    test::TraceCapture trace;
    GstSoundPlayer player;
    openTimed(player, "data1\\tone.wav");
    player.play();
    player.playRange(100, 300);
    player.setFileName("data1\\gone.wav");
    EXPECT_THROW(player.open(), MediaError);
    EXPECT_TRUE(trace.has("ovta: media open data1\\tone.wav"));
    EXPECT_TRUE(trace.has("ovta: media play data1\\tone.wav from=0 to=-1"));
    EXPECT_TRUE(trace.has("ovta: media play data1\\tone.wav from=100 to=300"));
    EXPECT_TRUE(
        trace.has("ovta: media error data1\\gone.wav text=cannot open media file data1\\gone.wav"));
    EXPECT_TRUE(trace.hasPrefix("ovta: media sink "));
}

// Each thread of this process but the calling one: its name and how often
// it has been switched out (each wake-up ends in one).
std::map<std::string, std::pair<std::string, long>> threadSwitches()
{
    std::map<std::string, std::pair<std::string, long>> threads;
    const std::string self = std::to_string(static_cast<long>(::gettid()));
    for (const auto& task : fs::directory_iterator("/proc/self/task")) {
        const std::string id = task.path().filename().string();
        if (id == self)
            continue;
        QFile comm(QString::fromStdString((task.path() / "comm").string()));
        QFile status(QString::fromStdString((task.path() / "status").string()));
        if (!comm.open(QIODevice::ReadOnly) || !status.open(QIODevice::ReadOnly))
            continue;
        long switches = 0;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:") ||
                line.startsWith("nonvoluntary_ctxt_switches:"))
                switches += line.mid(line.indexOf(':') + 1).trimmed().toLong();
        threads[id] = {comm.readAll().trimmed().toStdString(), switches};
    }
    return threads;
}

// What a playing piece costs: one streaming thread that reads, decodes and
// hands the sound over (no queue with a thread of its own), and nothing on
// the interface thread until the piece ends.
TEST_F(GstSoundPlayerTest, PlaysOnOneStreamingThreadAndLeavesTheInterfaceThreadAlone)
{
    struct EventCounter : QObject {
        QObject* watched = nullptr;
        int toPlayer = 0;
        int timers = 0;
        bool eventFilter(QObject* receiver, QEvent* event) override
        {
            toPlayer += receiver == watched;
            timers += event->type() == QEvent::Timer;
            return false;
        }
    } counter;

    content.write("data1\\kenor.wav", musicWaveBytes(2000));
    GstSoundPlayer player;
    openTimed(player, "data1\\kenor.wav");
    counter.watched = &player;
    QCoreApplication::instance()->installEventFilter(&counter);
    player.play();
    // Starting may bring a message or two (the latency to set).
    ASSERT_TRUE(waitFor([&] { return player.position() >= 300; }));
    const int eventsToStart = std::exchange(counter.toPlayer, 0);
    counter.timers = 0;
    const auto before = threadSwitches();
    ASSERT_TRUE(waitFor([&] { return player.position() >= 1300; }));
    const auto after = threadSwitches();
    const int eventsWhilePlaying = std::exchange(counter.toPlayer, 0);
    const int timersWhilePlaying = counter.timers;
    ASSERT_TRUE(waitForStop(player));
    QCoreApplication::instance()->removeEventFilter(&counter);

    // The threads that woke more than a few times in that second.
    std::vector<std::string> busy;
    std::string list;
    for (const auto& [id, thread] : after) {
        const auto was = before.find(id);
        const long woke = thread.second - (was == before.end() ? 0 : was->second.second);
        if (woke == 0)
            continue;
        list += " '" + thread.first + "' " + std::to_string(woke);
        if (woke > 3)
            busy.push_back(thread.first);
    }
    std::printf("[ measured ] sink %s; threads woken in 1 s of playing:%s; events to the player:"
                " %d to start, %d while playing, %d at the end\n",
                qPrintable(player.sinkName()), list.c_str(), eventsToStart, eventsWhilePlaying,
                counter.toPlayer);
    // The streaming thread and, with a sound server, its client's thread.
    EXPECT_LE(busy.size(), player.sinkName() == "fakesink" ? 1u : 2u) << list;
    for (const std::string& name : busy)
        EXPECT_EQ(name.find("ueue"), std::string::npos) << name;
    EXPECT_LE(eventsToStart, 2);
    EXPECT_EQ(eventsWhilePlaying, 0);
    EXPECT_EQ(timersWhilePlaying, 0);
    // The end arrives as one queued call.
    EXPECT_EQ(counter.toPlayer, 1);
    EXPECT_EQ(player.position(), 2000);
}

// Seeking just before a range ends must not let the old segment's end stop
// the new one.
TEST_F(GstSoundPlayerTest, ASeekNearARangeEndIsNotStoppedByTheOldEnd)
{
    GstSoundPlayer player;
    openTimed(player, "data1\\long.wav");
    for (int lead : {40, 20, 10, 5, 0}) {
        SCOPED_TRACE(lead);
        player.playRange(0, 300);
        ASSERT_TRUE(waitFor([&] { return player.position() >= 300 - lead || !player.playing(); }));
        player.setPosition(1000);
        // Either the range had already stopped (the seek then only moves the
        // start), or the seek took over and plays on without the range.
        if (!player.playing()) {
            EXPECT_EQ(player.position(), 1000);
            continue;
        }
        ASSERT_TRUE(waitFor([&] { return player.position() >= 1300 || !player.playing(); }));
        EXPECT_TRUE(player.playing()) << "stopped at " << player.position();
        player.pause();
    }
}

// Destroying or closing a playing player stops it at once, from any state.
TEST_F(GstSoundPlayerTest, ClosingOrDestroyingWhilePlayingIsQuickAndSafe)
{
    for (int when : {0, 50, 400}) {
        SCOPED_TRACE(when);
        auto player = std::make_unique<GstSoundPlayer>();
        openTimed(*player, "data1\\long.wav");
        player->playRange(100, 1500);
        QTest::qWait(when);
        QElapsedTimer clock;
        clock.start();
        player.reset();
        std::printf("[ measured ] destroyed %d ms into a range: %lld ms\n", when,
                    static_cast<long long>(clock.elapsed()));
        QTest::qWait(50);
    }
    GstSoundPlayer player;
    openTimed(player, "data1\\long.wav");
    player.play();
    QTest::qWait(100);
    player.close();
    player.close();
    EXPECT_FALSE(player.isOpen());
    QTest::qWait(100);
    openTimed(player, "data1\\tone.wav");
    EXPECT_EQ(player.position(), 0);
    EXPECT_FALSE(player.playing());
}

} // namespace
} // namespace ovta
