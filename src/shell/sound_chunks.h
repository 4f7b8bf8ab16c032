// An element for the sound pipeline that passes decoded sound on in pieces
// of at least a given duration, joined from the small buffers a parser
// pushes (a wave file comes in 4096-byte buffers, about eleven a second).
//
// A sink that plays to the clock waits once per buffer it gets, and each wait
// wakes the streaming thread: in half-second pieces the thread wakes twice a
// second instead. Timestamps, the end of the stream and the end of a range
// stay exact: each piece carries the start and the summed duration of what
// it joins, what is held is passed on before any event that follows it in
// the stream (a new segment, the end), and a flush drops it.
#pragma once

#include <cstdint>

typedef struct _GstElement GstElement;

namespace ovta {

// A new element (floating reference, as from gst_element_factory_make).
// GStreamer must be started.
GstElement* makeSoundChunker(std::uint64_t atLeastNs);

}  // namespace ovta
