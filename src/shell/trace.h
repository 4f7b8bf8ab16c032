// OVTA_TRACE=1 prints one line per notable event on stderr:
//   ovta: EVENT key=value key=value ...
// It is how users report problems and how end-to-end tests follow a run.
// When off, a traced event costs one branch: build the line only inside
// `if (trace::enabled())`.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ovta::trace {

bool enabled();

// Writes "ovta: " + line + "\n" to the sink (stderr unless a test set one).
void line(std::string_view text);

// Glyph text and other content bytes as uppercase hex pairs, so a trace line
// stays one line of ASCII whatever the content holds.
std::string hex(std::string_view bytes);

// Tests capture the lines; pass nullptr to return to stderr. Turning the
// sink on also switches tracing on.
void setSink(std::function<void(std::string_view)> sink);
void setEnabled(bool on);

}  // namespace ovta::trace
