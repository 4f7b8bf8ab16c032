// The entry point of the media module: the reader loads this module at the
// first media file it opens and asks it for a player here. A player that
// shows a picture plays through Qt Multimedia; sound alone goes straight to
// GStreamer, which costs next to nothing while the menu's music loops.
#include "shell/gst_sound_player.h"
#include "shell/qt_media_player.h"

extern "C" __attribute__((visibility("default"))) ovta::MediaPlayer*
ovta_make_media_player(int withDisplay)
{
    if (withDisplay)
        return new ovta::QtMediaPlayer();
    return new ovta::GstSoundPlayer();
}
