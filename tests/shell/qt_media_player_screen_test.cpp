// The real player on the platform's backend, with media made in the test
// (what it shares with the fake is checked by the contract table):
// a wave written byte by byte, damaged files, and a video made by ffmpeg
// when it is installed. The machines that run this have no sound card.
#include "shell/qt_media_player.h"

#include "store/content_dir.h"
#include "support/fifo_stand_in.h"
#include "support/fixture_dir.h"
#include "support/trace_capture.h"
#include "support/wave_bytes.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <QVideoFrame>
#include <QVideoSink>
#include <QImage>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace ovta {
namespace {

namespace fs = std::filesystem;
using test::waveBytes;

// Generous: nothing here should come near it unless the player hangs.
constexpr int kWaitMs = 5000;

const char* const kFfmpeg = "/usr/bin/ffmpeg";

// A one-second AVI of the kind the intro uses: Microsoft Video 1 frames and
// 8-bit PCM sound.
bool makeVideo(const fs::path& file)
{
    fs::create_directories(file.parent_path());
    const QStringList args{"-loglevel",
                           "error",
                           "-y",
                           "-f",
                           "lavfi",
                           "-i",
                           "testsrc=size=160x120:rate=10",
                           "-f",
                           "lavfi",
                           "-i",
                           "sine=frequency=440:sample_rate=11025",
                           "-t",
                           "1",
                           "-c:v",
                           "msvideo1",
                           "-c:a",
                           "pcm_u8",
                           "-ac",
                           "1",
                           QString::fromStdString(file.string())};
    return QProcess::execute(kFfmpeg, args) == 0 && fs::exists(file);
}

class QtMediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousRoot_ = ContentDir::current().root();
        ContentDir::setCurrent(content.path());
        content.write("data1\\tone.wav", waveBytes(500));
        content.write("data1\\long.wav", waveBytes(2000));
    }
    void TearDown() override { ContentDir::setCurrent(previousRoot_); }

    // Opens and reports how long the open took, for the record.
    void openTimed(QtMediaPlayer& player, const QString& name)
    {
        player.setFileName(name);
        QElapsedTimer clock;
        clock.start();
        player.open();
        std::printf("[ measured ] open %s: %lld ms, length %lld ms\n", qPrintable(name),
                    static_cast<long long>(clock.elapsed()),
                    static_cast<long long>(player.length()));
    }

    static bool waitFor(const std::function<bool()>& done)
    {
        return QTest::qWaitFor(done, kWaitMs);
    }

    static bool waitForEnd(QtMediaPlayer& player)
    {
        return waitFor([&] { return !player.isOpen() || !player.playing(); });
    }

    test::FixtureDir content;

private:
    fs::path previousRoot_;
};

TEST_F(QtMediaPlayerTest, OpensAWaveStoppedAtTheStartAndKnowsItsLength)
{
    QtMediaPlayer player;
    // Names are resolved case-insensitively, as content copied from a CD is.
    openTimed(player, "DATA1\\Tone.WAV");
    EXPECT_TRUE(player.isOpen());
    EXPECT_NEAR(player.length(), 500, 20);
    EXPECT_EQ(player.position(), 0);
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(player.fileName(), "DATA1\\Tone.WAV");
}

// The backend ignores some seeks (before it has really started, after a
// pause): a range must start at its start whatever the player was doing.
TEST_F(QtMediaPlayerTest, PlayRangeStartsAtItsStartAndStopsAtItsEnd)
{
    QtMediaPlayer player;
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
        ASSERT_TRUE(waitForEnd(player));
        std::printf("[ measured ] range %lld..%lld stopped after %lld ms\n",
                    static_cast<long long>(from), static_cast<long long>(to),
                    static_cast<long long>(clock.elapsed()));
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
    // Right after play(), before the backend has started.
    openTimed(player, "data1\\long.wav");
    player.play();
    playRange(500, 800, true);
    // After a pause.
    player.play();
    ASSERT_TRUE(waitFor([&] { return player.position() > 900; }));
    player.pause();
    playRange(1600, 1900, true);
}

TEST_F(QtMediaPlayerTest, FilesThatDoNotOpenThrowWithTheirNameAndLeaveItClosed)
{
    content.write("data1\\corrupt.wav", std::string("RIFF\x10\0\0\0WAVEjunkjunkjunkjunk", 28));
    content.write("data1\\text.avi", "this is not a video\r\n");
    std::string noise(3000, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    content.write("data1\\noise.avi", noise);
    fs::create_directories(content.path() / "data1" / "folder.avi");
    const test::FifoStandIn pipe(content.path() / "data1" / "pipe.wav");

    const char* const names[] = {"data1\\gone.avi",
                                 "data1\\pipe.wav",
                                 "data1\\corrupt.wav",
                                 "data1\\text.avi",
                                 "data1\\noise.avi",
                                 "data1\\folder.avi",
                                 "..\\tone.wav",
                                 ""};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        QtMediaPlayer player;
        player.setFileName(name);
        try {
            player.open();
            ADD_FAILURE() << "opened";
        } catch (const MediaError& e) {
            const std::string expected =
                std::string("cannot open media file ") + (*name ? name : "(no file name)");
            EXPECT_EQ(std::string(e.what()).substr(0, expected.size()), expected) << e.what();
        }
        EXPECT_FALSE(player.isOpen());
        EXPECT_THROW(player.position(), MediaError);
    }
    EXPECT_EQ(pipe.opens(), 0) << "the backend must not be handed a pipe";
}

TEST_F(QtMediaPlayerTest, EveryCallButCloseThrowsWhenNotOpen)
{
    const std::vector<std::pair<const char*, std::function<void(QtMediaPlayer&)>>> calls{
        {"play", [](QtMediaPlayer& p) { p.play(); }},
        {"playRange", [](QtMediaPlayer& p) { p.playRange(0, 100); }},
        {"pause", [](QtMediaPlayer& p) { p.pause(); }},
        {"resume", [](QtMediaPlayer& p) { p.resume(); }},
        {"position", [](QtMediaPlayer& p) { p.position(); }},
        {"length", [](QtMediaPlayer& p) { p.length(); }},
        {"setPosition", [](QtMediaPlayer& p) { p.setPosition(0); }},
        {"playing", [](QtMediaPlayer& p) { p.playing(); }},
    };
    // Never opened, closed after playing, and after a failed open.
    const std::vector<std::pair<const char*, std::function<void(QtMediaPlayer&)>>> states{
        {"never opened", [](QtMediaPlayer&) {}},
        {"closed",
         [](QtMediaPlayer& p) {
             p.open();
             p.play();
             p.close();
             p.close();
         }},
        {"failed open",
         [](QtMediaPlayer& p) {
             p.open();
             p.setFileName("data1\\gone.wav");
             EXPECT_THROW(p.open(), MediaError);
         }},
    };
    for (const auto& [stateName, reach] : states) {
        QtMediaPlayer player;
        player.setFileName("data1\\tone.wav");
        reach(player);
        for (const auto& [callName, call] : calls) {
            SCOPED_TRACE(std::string(stateName) + ": " + callName);
            try {
                call(player);
                ADD_FAILURE() << "did not throw";
            } catch (const MediaError& e) {
                EXPECT_EQ(std::string(e.what()),
                          "media player is not open: " + player.fileName().toStdString());
            }
        }
    }
}

TEST_F(QtMediaPlayerTest, TracesOpenPlayAndErrors)
{
    test::TraceCapture trace;
    QtMediaPlayer player;
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
}

class QtMediaPlayerVideoTest : public QtMediaPlayerTest {
protected:
    void SetUp() override
    {
        if (!fs::exists(kFfmpeg))
            GTEST_SKIP() << kFfmpeg << " is not installed";
        QtMediaPlayerTest::SetUp();
        ASSERT_TRUE(makeVideo(content.path() / "data1" / "kenor.avi"));
        window.resize(640, 480);
        panel = new QWidget(&window);
        panel->setGeometry(161, 120, 320, 240);
        window.show();
    }

    QWidget window;
    QWidget* panel = nullptr;
};

TEST_F(QtMediaPlayerVideoTest, OpensWithItsLengthAndPlaysToTheEnd)
{
    QtMediaPlayer player;
    openTimed(player, "data1\\kenor.avi");
    EXPECT_NEAR(player.length(), 1000, 100);
    player.play();
    ASSERT_TRUE(waitForEnd(player));
    EXPECT_EQ(player.position(), player.length());
}

// Counts the pixels of `image` that are not black.
int litPixels(const QImage& image)
{
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit += (image.pixel(x, y) & 0xffffff) != 0;
    return lit;
}

TEST_F(QtMediaPlayerVideoTest, VideoFillsThePanelFollowsItsSizeAndShowsFrames)
{
    QtMediaPlayer player;
    player.setDisplay(panel);
    // Nothing of the media back-end is started before a piece opens.
    EXPECT_EQ(player.videoView(), nullptr);

    openTimed(player, "data1\\kenor.avi");
    VideoView* video = player.videoView();
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->parentWidget(), panel);
    EXPECT_TRUE(video->isVisible());
    EXPECT_EQ(video->geometry(), panel->rect());
    player.play();
    ASSERT_TRUE(waitFor([&] { return !video->frame().isNull(); }));
    const QImage frame = video->frame();
    EXPECT_EQ(frame.size(), QSize(160, 120));

    // What the panel shows is the frame itself, each pixel doubled to fill
    // the 320x240 panel: nothing black, nothing blended.
    const QImage shown = panel->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(320, 240));
    EXPECT_GT(litPixels(shown), 320 * 240 / 2);
    // Grab and frame are read in one turn of the event loop: the same frame.
    const QImage now = video->grab().toImage();
    const QImage source = video->frame().convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(10, 10), QPoint(80, 60), QPoint(150, 100)}) {
        SCOPED_TRACE(at.x());
        for (const QPoint corner : {QPoint(0, 0), QPoint(1, 1)})
            EXPECT_EQ(now.pixel(2 * at + corner) & 0xffffff, source.pixel(at) & 0xffffff);
    }

    panel->resize(200, 100);
    EXPECT_EQ(video->geometry(), QRect(0, 0, 200, 100));
    ASSERT_TRUE(waitForEnd(player));
    EXPECT_EQ(player.position(), player.length());

    player.close();
    EXPECT_FALSE(video->isVisible());
    EXPECT_TRUE(video->frame().isNull());
    player.setDisplay(nullptr);
    EXPECT_EQ(player.videoView(), nullptr);
    EXPECT_TRUE(panel->findChildren<VideoView*>().isEmpty());
}

// The intro skips on a click on its video panel: the video must not take it.
TEST_F(QtMediaPlayerVideoTest, ClicksOnTheVideoReachThePanel)
{
    struct ClickCounter : QObject {
        int presses = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            presses += event->type() == QEvent::MouseButtonPress;
            return false;
        }
    } counter;
    panel->installEventFilter(&counter);
    QtMediaPlayer player;
    player.setDisplay(panel);
    openTimed(player, "data1\\kenor.avi");
    player.play();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(300, 240));
    EXPECT_EQ(counter.presses, 1);
    panel->removeEventFilter(&counter);
}

TEST_F(QtMediaPlayerVideoTest, DestroyingThePlayerOrThePanelWhilePlayingIsSafe)
{
    {
        auto player = std::make_unique<QtMediaPlayer>();
        player->setDisplay(panel);
        openTimed(*player, "data1\\kenor.avi");
        player->play();
        ASSERT_TRUE(waitFor([&] { return player->position() > 100; }));
        player.reset();
        EXPECT_TRUE(panel->findChildren<VideoView*>().isEmpty());
        QTest::qWait(100);
    }
    QtMediaPlayer player;
    player.setDisplay(panel);
    openTimed(player, "data1\\kenor.avi");
    player.play();
    ASSERT_TRUE(waitFor([&] { return player.position() > 100; }));
    delete panel;
    panel = nullptr;
    EXPECT_EQ(player.videoView(), nullptr);
    ASSERT_TRUE(waitForEnd(player));
    EXPECT_EQ(player.position(), player.length());
}

} // namespace
} // namespace ovta
