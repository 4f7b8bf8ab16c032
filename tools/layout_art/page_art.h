// Pictures of the page viewer frm62: the index picture m2 with one zone
// per chapter, the button bar mg1 and the pressed buttons mg2..mg5 (all
// compiled in), and the page pictures of the demo content
// ("data1\page001.bmp" ... "data1\page603.bmp", odd pages only), written as
// 8-bit run-length bitmaps so the three hundred of them stay small.
#pragma once

#include <QImage>
#include <QString>

namespace ovta::art {

class ArtWriter;

QImage paintPageIndex();
QImage paintPageBar();
// A page of the demo work, before it is reduced to its few colours.
QImage paintPage(int page);

void writePageResources(ArtWriter& out);
// Throws std::runtime_error when a page cannot be written or does not read
// back as it was painted.
void writePagePictures(const QString& contentDir);

} // namespace ovta::art
