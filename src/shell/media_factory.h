// Screens make their players here, so tests can hand out scripted fakes.
#pragma once

#include <functional>
#include <memory>

#include "shell/media_player.h"

namespace ovta {

std::unique_ptr<MediaPlayer> createMediaPlayer();

using MediaPlayerFactory = std::function<std::unique_ptr<MediaPlayer>()>;
// nullptr restores the real player.
void setMediaPlayerFactory(MediaPlayerFactory factory);

}  // namespace ovta
