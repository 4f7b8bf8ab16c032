// The player screens get before the media module is loaded: nothing is
// asked of the module until the first open(), and a module that cannot be
// loaded fails open() like a file that does not play.
#include "shell/lazy_media_player.h"
#include "support/fake_media_player.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace ovta {
namespace {

TEST(LazyMediaPlayer, MakesTheRealPlayerAtTheFirstOpenAndHandsItWhatWasSetBefore)
{
    int made = 0;
    FakeMediaPlayer* fake = nullptr;
    LazyMediaPlayer player([&] {
        ++made;
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

    player.open();
    ASSERT_EQ(made, 1);
    EXPECT_TRUE(player.isOpen());
    EXPECT_EQ(fake->display(), &panel);
    player.play();
    fake->advance(1000);
    EXPECT_EQ(player.position(), 1000);
    EXPECT_EQ(player.length(), 1000);

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

TEST(LazyMediaPlayer, WithoutTheModuleOpenFailsNamingTheFileAndTheReason)
{
    LazyMediaPlayer player([]() -> std::unique_ptr<MediaPlayer> {
        throw MediaError("media support is not installed");
    });
    player.setFileName(QStringLiteral("data1\\kenor.avi"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            player.open();
            FAIL() << "open() succeeded without a player";
        } catch (const MediaError& e) {
            EXPECT_STREQ(e.what(),
                         "cannot open media file data1\\kenor.avi: media support is not installed");
        }
        EXPECT_FALSE(player.isOpen());
        EXPECT_THROW(player.position(), MediaError);
        player.close();
    }
}

}  // namespace
}  // namespace ovta
