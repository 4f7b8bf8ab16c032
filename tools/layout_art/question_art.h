// Pictures of the question screen frm42 and its summary page frm48: the
// backgrounds (panels round the lists, the three category buttons, the
// question arrows, the summary and close buttons), the lit category
// buttons, the reference arrows, the pressed question arrows, the lit
// close buttons, and the content picture "data1\ram052.bmp" that the
// pressed up arrow shows under the pointer.
#pragma once

#include <QImage>

namespace ovta::art {

class ArtWriter;

QImage paintQuestionBackground();
QImage paintSummaryBackground();

void writeQuestionResources(ArtWriter& out);
void writeQuestionContentPictures(ArtWriter& out);

} // namespace ovta::art
