// Contact sheets for looking at the art as the screens will show it: the main
// menu with its animated windows and highlights in place, the intro with a
// video frame in its panel, the strips with their wrap, the pointers and the
// hot-spot tiles enlarged. Not shipped; written by `ovta-art preview`.
#pragma once

#include <QString>

namespace ovta::art {

// Writes the sheets into `dir`; throws std::runtime_error when one cannot be
// written.
void writePreviews(const QString& dir);

} // namespace ovta::art
