// Screens make their players here, so tests can hand out scripted fakes.
//
// The real player lives in the media module ("ovta-media.so"), loaded at the
// first open() of a player, not when the player is made: the reader starts
// without the media back-end. The module is looked for in the directory
// named by OVTA_MEDIA_DIR when that is set, else beside the executable (a
// build tree), else in ../lib/ovta from it (an installed tree).
#pragma once

#include <functional>
#include <memory>

#include "shell/media_player.h"

namespace ovta {

std::unique_ptr<MediaPlayer> createMediaPlayer();

using MediaPlayerFactory = std::function<std::unique_ptr<MediaPlayer>()>;
// nullptr restores the real player.
void setMediaPlayerFactory(MediaPlayerFactory factory);

// Loads the media module (once) and makes a real player from it: one that
// shows a picture in its display, or one for sound alone. Throws MediaError
// saying why when the module cannot be loaded.
std::unique_ptr<MediaPlayer> makeModulePlayer(bool withDisplay);

}  // namespace ovta
