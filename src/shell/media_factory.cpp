#include "shell/media_factory.h"

#include "shell/qt_media_player.h"

namespace ovta {
namespace {

MediaPlayerFactory& factory()
{
    static MediaPlayerFactory f;
    return f;
}

}  // namespace

std::unique_ptr<MediaPlayer> createMediaPlayer()
{
    if (factory())
        return factory()();
    return std::make_unique<QtMediaPlayer>();
}

void setMediaPlayerFactory(MediaPlayerFactory f) { factory() = std::move(f); }

}  // namespace ovta
