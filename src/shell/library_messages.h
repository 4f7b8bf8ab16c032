// What Qt and the media libraries print (a missing sound server, the video
// path's choice of renderer...) goes into the trace as
// "library warning text=..." when it is on and is dropped otherwise, so a
// normal run keeps the terminal quiet. A fatal message still reaches stderr.
#pragma once

namespace ovta {

void captureLibraryMessages();

}  // namespace ovta
