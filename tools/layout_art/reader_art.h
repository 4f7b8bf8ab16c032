// Pictures of the five article readers: one background design (title
// plaque, chooser bar, the page of text with its arrows, close button),
// each with its section's caption and colours, the close button's lit
// picture and the pressed line arrows.
#pragma once

#include <QImage>

namespace ovta::art {

class ArtWriter;

QImage paintReaderBackground(const char* kind);
void writeReaderResources(ArtWriter& out);

} // namespace ovta::art
