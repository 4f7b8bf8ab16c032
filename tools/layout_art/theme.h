// The one look of every layout picture: deep blue grounds, gold metal, star
// ornament and Arabic captions. Every painter of the tool builds from these
// pieces, so a new screen family looks like it belongs to the old ones.
#pragma once

#include <QColor>
#include <QFont>
#include <QGradient>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace ovta::art {

namespace palette {
inline const QColor night{5, 12, 36};         // deepest ground, corners and shadows
inline const QColor deepBlue{12, 29, 72};     // main ground
inline const QColor lapis{26, 58, 130};       // lit ground, centres of gradients
inline const QColor azure{70, 120, 200};      // sparing highlight in the blue
inline const QColor goldDark{120, 86, 22};    // shaded metal
inline const QColor gold{212, 170, 62};       // body of the metal
inline const QColor goldLight{250, 226, 140}; // highlights on the metal
inline const QColor goldGlow{255, 214, 110};  // halo of a lit part
inline const QColor ink{3, 7, 20};            // outlines on dark grounds
} // namespace palette

// A metallic gold ramp from a to b; `lift` above 1 brightens it for lit parts.
QLinearGradient goldGradient(QPointF a, QPointF b, qreal lift = 1.0);

// Deep blue ground, lighter towards `focus`.
void paintBlueGround(QPainter& p, const QRectF& area, QPointF focus, qreal radius);

// The lattice of eight-pointed stars that textures large grounds; `cell` is the
// distance between star centres, the origin of the lattice is (0, 0).
void paintStarLattice(QPainter& p, const QRectF& area, qreal cell, const QColor& line);

// A star polygon of `points` tips alternating between the two radii.
QPainterPath starPath(QPointF centre, int points, qreal outer, qreal inner, qreal turnDegrees = 0);

// The eight-pointed star of two overlapping squares (the khatam).
QPainterPath khatamPath(QPointF centre, qreal radius, qreal turnDegrees = 0);

// A rosette: a khatam inside a ring of petals, drawn in gold.
void paintRosette(QPainter& p, QPointF centre, qreal radius, qreal lift = 1.0);

// A bevelled gold frame drawn between `outer` and `outer` shrunk by `width`.
void paintGoldFrame(QPainter& p, const QRectF& outer, qreal width, qreal lift = 1.0);

// A rounded cartouche with gold rim and blue enamel, for captions.
void paintPlaque(QPainter& p, const QRectF& box, qreal lift = 1.0);

// A soft halo following `shape`, for lit parts.
void paintGlow(QPainter& p, const QPainterPath& shape, const QColor& colour, qreal reach);

// The Arabic face of every caption.
QFont arabicFont(qreal pixelSize, bool bold = true);

// Shaped Arabic text as a path whose ink is centred in `box`.
QPainterPath captionPath(const QString& text, const QFont& font, const QRectF& box);

// A caption in gold with a dark drop shadow; `lift` above 1 lights it up.
void paintCaption(QPainter& p, const QString& text, const QRectF& box, qreal pixelSize,
                  qreal lift = 1.0);

// Shadows and halos of the bigger pictures: a box blur of an ARGB picture.
QImage blurred(const QImage& image, int radius);

// Scales every channel of an opaque colour; factors above 1 brighten it.
QColor shade(const QColor& c, qreal factor);

} // namespace ovta::art
