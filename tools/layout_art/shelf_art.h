// Pictures of the book shelf frm49: the cabinet with its twelve spines on
// the reading ground, the same shelf lit (the spine under the pointer
// shows its part of it), and the lit close button.
#pragma once

#include <QImage>

namespace ovta::art {

class ArtWriter;

// The whole 640x480 screen; lit, every spine glows.
QImage paintShelfScreen(bool lit);

void writeShelfResources(ArtWriter& out);

} // namespace ovta::art
