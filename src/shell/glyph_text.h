// Glyph text on screen: bytes of the Glyf01 encoding, already shaped and in
// visual order, drawn left to right one glyph per byte, with no shaping and
// no reordering by the text engine. Each byte goes through a 256-entry table
// to a glyph index of the face, so no code point ever reaches the shaper.
#pragma once

#include <QColor>
#include <QRawFont>
#include <array>
#include <string>
#include <string_view>

class QPainter;
class QPointF;
class QRectF;

namespace ovta {

enum class GlyphFace { Glyf01, Glyf02 };

class GlyphFont {
public:
    // The face at a size in points (96 dpi, as the layouts were made).
    GlyphFont(GlyphFace face, int pointSize);
    // One shared font per face and size for the whole run.
    static const GlyphFont& get(GlyphFace face, int pointSize);

    bool valid() const { return raw_.isValid(); }
    qreal width(std::string_view glyphs) const;
    qreal ascent() const;
    qreal height() const;

    // Draws with the baseline's left end at `origin`.
    void draw(QPainter& painter, const QPointF& origin, std::string_view glyphs) const;
    // Draws in a box: vertically at the top, horizontally as `alignment`
    // (Qt::AlignLeft, AlignRight or AlignHCenter) says.
    void drawAligned(QPainter& painter, const QRectF& box, std::string_view glyphs,
                     Qt::Alignment alignment) const;

private:
    QRawFont raw_;
    std::array<quint32, 256> index_{};
    std::array<qreal, 256> advance_{};
};

// Installs "glyf01.ttf" and "glyf01b.ttf" from the content directory for
// this run; a missing file is passed over silently. The same as
// readGlyphFonts() followed by registerGlyphFonts().
void installGlyphFonts();
// Reads the two font files: from then on the glyph faces draw.
void readGlyphFonts();
// Adds the faces read to the system's font list for the run. The first use
// of the font list loads the whole font configuration (several ms), which
// the screens' own drawing never needs; so start-up does this once the
// first picture is on the display. Adding twice adds once.
void registerGlyphFonts();
// Removes them again; call only after every screen is gone.
void removeGlyphFonts();

}  // namespace ovta
