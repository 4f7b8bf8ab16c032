// The player screens get before the media module is loaded: nothing is
// asked of the module until the first open(), and a module that cannot be
// loaded fails open() like a file that does not play.
#include "shell/lazy_media_player.h"
#include "shell/error_report.h"
#include "store/errors.h"
#include "support/fake_media_player.h"
#include "support/recording_reporter.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace ovta {
namespace {

TEST(LazyMediaPlayer, MakesTheRealPlayerAtTheFirstOpenAndHandsItWhatWasSetBefore)
{
    int made = 0;
    FakeMediaPlayer* fake = nullptr;
    LazyMediaPlayer player([&](bool withDisplay) {
        ++made;
        EXPECT_TRUE(withDisplay) << "a display was set before the first open";
        auto f = std::make_unique<FakeMediaPlayer>();
        f->addFile(QStringLiteral("data1\\a.wav"), 1000);
        f->addFailing(QStringLiteral("data1\\b.wav"), 1000, 500);
        fake = f.get();
        return f;
    });
    QWidget panel;
    panel.setObjectName(QStringLiteral("p1"));
    player.setDisplay(&panel);
    player.setFileName(QStringLiteral("data1\\a.wav"));
    EXPECT_EQ(made, 0);
    EXPECT_FALSE(player.isOpen());
    player.close();
    EXPECT_THROW(player.play(), MediaError);
    EXPECT_EQ(made, 0);

    int finished = 0;
    player.onFinished([&] { ++finished; });
    player.open();
    ASSERT_EQ(made, 1);
    EXPECT_TRUE(player.isOpen());
    EXPECT_EQ(fake->display(), &panel);
    player.play();
    fake->advance(1000);
    EXPECT_EQ(player.position(), 1000);
    EXPECT_EQ(player.length(), 1000);
    EXPECT_EQ(finished, 1) << "the real player's end reaches our handler";

    // Later files go to the same real player; its errors reach our handler.
    QStringList errors;
    player.onError([&](const QString& text) { errors << text; });
    player.setFileName(QStringLiteral("data1\\b.wav"));
    player.open();
    player.play();
    fake->advance(600);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(fake->log(), QStringList({"setDisplay p1", "open data1\\a.wav", "play", "open data1\\b.wav",
                                        "play"}));
}

// Sound alone gets a player for sound; a display set later (rare) needs a
// player that shows pictures, which takes over the piece where it stands.
TEST(LazyMediaPlayer, MakesASoundPlayerWithoutADisplayAndReplacesItWhenOneIsSet)
{
    QWidget panel;
    panel.setObjectName(QStringLiteral("p1"));
    const struct {
        const char* name;
        bool opened;  // before the display is set
        bool closed;
        bool playing;
        std::int64_t at;
        QStringList replacementLog;  // what the player for pictures is asked at once
    } cases[] = {
        {"never opened", false, false, false, 0, {}},
        {"closed", true, true, false, 0, {}},
        {"stopped part way", true, false, false, 300,
         {"setDisplay p1", "open data1\\kenor.wav", "setPosition 300"}},
        {"playing", true, false, true, 400,
         {"setDisplay p1", "open data1\\kenor.wav", "setPosition 400", "play"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<bool, FakeMediaPlayer*>> made;  // withDisplay, player
        LazyMediaPlayer player([&](bool withDisplay) {
            auto f = std::make_unique<FakeMediaPlayer>();
            f->addFile(QStringLiteral("data1\\kenor.wav"), 1000);
            made.emplace_back(withDisplay, f.get());
            return f;
        });
        player.setFileName(QStringLiteral("data1\\kenor.wav"));
        int finished = 0;
        player.onFinished([&] { ++finished; });
        if (c.opened) {
            player.open();
            player.setPosition(c.at);
            if (c.playing)
                player.play();
            if (c.closed)
                player.close();
            ASSERT_EQ(made.size(), 1u);
            EXPECT_FALSE(made[0].first);
        }
        player.setDisplay(&panel);
        if (!c.opened || c.closed) {
            EXPECT_FALSE(player.isOpen());
            player.open();
        }
        ASSERT_EQ(made.size(), c.opened ? 2u : 1u);
        FakeMediaPlayer* now = made.back().second;
        EXPECT_TRUE(made.back().first);
        EXPECT_EQ(now->display(), &panel);
        EXPECT_TRUE(player.isOpen());
        EXPECT_EQ(player.position(), c.at);
        EXPECT_EQ(player.playing(), c.playing);
        if (c.opened && !c.closed) {
            EXPECT_EQ(now->log(), c.replacementLog);
        }
        // The player for pictures serves from now on, with or without a panel.
        player.setDisplay(nullptr);
        player.setDisplay(&panel);
        player.open();
        EXPECT_EQ(made.size(), c.opened ? 2u : 1u);
        player.play();
        made.back().second->advance(1000);
        EXPECT_EQ(finished, 1) << "the end is told through the player made last";
    }
}

TEST(LazyMediaPlayer, WithoutTheModuleEveryOpenFailsButOnlyTheFirstIsReported)
{
    LazyMediaPlayer::forgetReportedFailure();
    const auto noModule = [](bool) -> std::unique_ptr<MediaPlayer> {
        throw MediaError("media support is not installed");
    };
    LazyMediaPlayer intro(noModule);
    LazyMediaPlayer music(noModule);
    intro.setFileName(QStringLiteral("data1\\kenor.avi"));
    music.setFileName(QStringLiteral("data1\\kenor.wav"));
    test::RecordErrors errors;
    // Each open fails as a handler would see it: through the central guard.
    const struct {
        LazyMediaPlayer* player;
        const char* file;
    } opens[] = {{&intro, "kenor.avi"}, {&music, "kenor.wav"}, {&intro, "kenor.avi"}};
    for (const auto& o : opens) {
        bool failed = false;
        guard([&] {
            try {
                o.player->open();
            } catch (const MediaError& e) {
                failed = true;
                EXPECT_EQ(std::string(e.what()), std::string("cannot open media file data1\\") +
                                                     o.file + ": media support is not installed");
                throw;
            }
        });
        EXPECT_TRUE(failed) << o.file;
        EXPECT_FALSE(o.player->isOpen());
        EXPECT_THROW(o.player->position(), MediaError);
        o.player->close();
    }
    EXPECT_EQ(errors.shown(),
              std::vector<std::string>(
                  {"cannot open media file data1\\kenor.avi: media support is not installed."}));
}

}  // namespace
}  // namespace ovta
