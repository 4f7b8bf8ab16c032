// Pictures of the topic index frm04: its background (two heading columns,
// the frame of the title list, captions), the back button's lit picture,
// the pressed line arrows, and the nine title icons "BITMAP_1".."BITMAP_9"
// (pure red stands for the list's background).
#pragma once

#include <QImage>

namespace ovta::art {

class ArtWriter;

inline constexpr int kIndexIconSize = 24;

QImage paintTopicIndexBackground();
QImage paintIndexIcon(int bitmap);
void writeTopicIndexResources(ArtWriter& out);

} // namespace ovta::art
