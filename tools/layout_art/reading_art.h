// Pieces shared by the pictures of the reading screens (topic lists,
// article readers, topic index): the screen ground, panels for rows and
// text, the pager's arrow buttons on their rail, the back and close tiles,
// caption cartouches and a framed scene window.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

#include "reading/reading_layout.h"

class QPainter;

namespace ovta::art {

inline QRectF rectOf(const layout::Box& b)
{
    return QRectF(b.x, b.y, b.w, b.h);
}

// The 640x480 ground of a reading screen: deep blue, star lattice, a gold
// rule along the top and bottom.
void paintReadingGround(QPainter& p);

// A panel of cream paper in a gold frame, for dark text.
void paintParchmentPanel(QPainter& p, const QRectF& outer);

// A panel of enamel in `base` colour in a gold frame, for light text.
void paintEnamelPanel(QPainter& p, const QRectF& outer, const QColor& base);

// Faint rules between rows of a list panel.
void paintRowRules(QPainter& p, const layout::Box& firstRow, int step, int rows,
                   const QColor& colour);

enum class Arrow { LineUp, PageUp, PageDown, LineDown };

// One arrow button filling `box`; pressed, it is sunk and lit.
void paintArrowButton(QPainter& p, const QRectF& box, Arrow arrow, bool pressed);

// A button's gold rim (ramped along `goldRamp`, lit by `lift`) and blue
// enamel well, rounded by `radius`; pressed, the well is lit and the painter
// moved so that what is drawn on it sinks a little. Returns the well.
QRectF paintEnamelButton(QPainter& p, const QRectF& box, qreal radius, bool pressed, qreal lift,
                         Qt::Orientation goldRamp);
// The pressed picture of a line arrow, the size of its box.
QImage paintPressedArrow(QSize size, Arrow arrow);
// The rail behind a column of arrows, from the top of `first` to the
// bottom of `last`, and the four buttons on it.
void paintArrowColumn(QPainter& p, const layout::Box& lineUp, const layout::Box& pageUp,
                      const layout::Box& pageDown, const layout::Box& lineDown);

// The back or close tile (an arched door over its caption), plain or lit.
QImage paintDoorTile(QSize size, const QString& caption, bool lit);
// The same drawn into a screen picture at `box`.
void paintDoorTileAt(QPainter& p, const layout::Box& box, const QString& caption);

// A cartouche holding an Arabic caption in gold.
void paintCaptionCartouche(QPainter& p, const QRectF& box, const QString& caption, qreal pixelSize);

// A plaque without caption: the place where a screen writes a heading.
void paintHeadingPlaque(QPainter& p, const QRectF& box);

// A pointed-arch window onto a night scene of domes and minarets.
void paintArchWindow(QPainter& p, const QRectF& box, int seed);
// The same arch in gold around a scene of the caller's (drawn clipped to
// the window, `inside` being the window's bounds).
void paintArchFrame(QPainter& p, const QRectF& box,
                    const std::function<void(QPainter&, const QRectF& inside)>& scene);

// A horizontal band of ornament (rosettes on a gold-edged strip).
void paintOrnamentBand(QPainter& p, const QRectF& box);

} // namespace ovta::art
