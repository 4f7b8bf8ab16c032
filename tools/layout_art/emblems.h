// Small pictorial emblems shared by several screens' pictures: the door of
// every exit, the magnifier of every search.
#pragma once

#include <QPointF>
#include <QRectF>

class QPainter;

namespace ovta::art {

// A door under a pointed arch with an arrow going out, filling `box`. Lit, the
// doorway opens onto warm light.
void paintDoorEmblem(QPainter& p, const QRectF& box, bool lit);

// A gold-rimmed magnifying glass filling `box`.
void paintSearchEmblem(QPainter& p, const QRectF& box, bool lit);

} // namespace ovta::art
