// Pictures of the four topic lists: their backgrounds (rows panel, arrows,
// back button, the section's own picture and caption), the pressed arrows,
// the back button's lit picture, the search button as the layout stores
// it, and frm12's letter board, its pressed copy and the thumb.
#pragma once

#include <QImage>

namespace ovta::art {

class ArtWriter;

QImage paintTopicListBackground(const char* kind);
// frm12's letter board; pressed, every letter shows sunk.
QImage paintLetterBoard(bool pressed);
QImage paintThumb();

void writeTopicListResources(ArtWriter& out);

} // namespace ovta::art
