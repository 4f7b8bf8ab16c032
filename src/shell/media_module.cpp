// The entry point of the media module: the reader loads this module at the
// first media file it opens and asks it for a player here.
#include "shell/qt_media_player.h"

extern "C" __attribute__((visibility("default"))) ovta::MediaPlayer* ovta_create_media_player()
{
    return new ovta::QtMediaPlayer();
}
