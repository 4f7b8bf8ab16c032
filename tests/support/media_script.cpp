#include "support/media_script.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

#include "support/fake_media_player.h"

namespace ovta::test {

MediaClock fakeClock(FakeMediaPlayer& player)
{
    const auto advance = [&player](std::int64_t ms) { player.advance(ms); };
    return {advance, advance, [](const std::function<bool()>&) {}, 1, 0};
}

MediaClock realClock(MediaPlayer& player, std::int64_t scale, std::int64_t tolerance)
{
    const auto advance = [&player](std::int64_t ms) {
        if (!player.isOpen() || !player.playing())
            return;
        const std::int64_t until = player.position() + ms;
        const bool done = QTest::qWaitFor(
            [&] { return !player.playing() || player.position() >= until; },
            static_cast<int>(ms) + 5000);
        EXPECT_TRUE(done) << "the player did not move";
    };
    const auto wait = [](std::int64_t ms) { QTest::qWait(static_cast<int>(ms)); };
    // The end comes on the backend's own clock; then queued calls, and
    // anything they queue in turn.
    const auto settle = [](const std::function<bool()>& until) {
        QTest::qWaitFor(until, 1000);
        QTest::qWait(20);
    };
    return {advance, wait, settle, scale, tolerance};
}

std::vector<std::string> scriptWords(const std::string& step)
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

void actScript(MediaPlayer& player, const MediaClock& clock, const std::vector<std::string>& w)
{
    const auto arg = [&](std::size_t i) { return std::stoll(w.at(i)) * clock.scale; };
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
        clock.advance(arg(1));
    } else if (verb == "wait") {
        clock.wait(arg(1));
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

void runScript(MediaPlayer& player, const MediaClock& clock, const std::vector<std::string>& steps)
{
    int finished = 0;
    bool loop = false;
    player.onFinished([&] {
        ++finished;
        if (!loop)
            return;
        player.setPosition(0);
        player.play();
    });
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1) + ": " + steps[i]);
        const auto w = scriptWords(steps[i]);
        if (w.at(0) == "at") {
            ASSERT_TRUE(player.isOpen());
            EXPECT_NEAR(player.position(), std::stoll(w.at(1)) * clock.scale, clock.tolerance);
            EXPECT_EQ(player.playing(), w.at(2) == "playing");
        } else if (w.at(0) == "length") {
            ASSERT_TRUE(player.isOpen());
            EXPECT_NEAR(player.length(), std::stoll(w.at(1)) * clock.scale, clock.tolerance);
        } else if (w.at(0) == "finished") {
            const int expected = std::stoi(w.at(1));
            clock.settle([&] { return finished >= expected; });
            EXPECT_EQ(finished, expected);
        } else if (w.at(0) == "loopOnFinish") {
            loop = true;
        } else if (w.at(0) == "closed") {
            EXPECT_FALSE(player.isOpen());
        } else if (w.at(0) == "throws") {
            EXPECT_THROW(actScript(player, clock, {w.begin() + 1, w.end()}), MediaError);
        } else {
            EXPECT_NO_THROW(actScript(player, clock, w));
        }
    }
    player.onFinished(nullptr);
}

}  // namespace ovta::test
