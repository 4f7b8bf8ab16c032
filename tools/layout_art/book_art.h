// Pictures of the six tree-book screens: one background design (book title
// over a plaque, the path caption's parchment, the frame around the column
// strip with its two side arrows, the content pane with its arrows, the exit
// door), the strip's scroll track, the pressed arrows, the exit's lit door,
// and the three tree icons the content directory holds.
#pragma once

#include <QImage>

namespace ovta::art {

class ArtWriter;

QImage paintBookBackground(const char* kind);
// Icon 1 closed heading with children, 2 open heading, 3 heading without children.
QImage paintTreeIcon(int icon);
void writeBookResources(ArtWriter& out);
void writeBookContentPictures(ArtWriter& out);

} // namespace ovta::art
