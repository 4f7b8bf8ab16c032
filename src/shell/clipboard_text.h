// Ctrl+C: what a screen shows, put on the clipboard as Unicode text. Screens
// hold their text as glyph text (shapes in visual order); the decoder that
// turns it into logical-order Unicode lives with the glyph chart, above the
// kit, and is handed in once at start.
#pragma once

#include <QString>
#include <functional>
#include <span>
#include <string>
#include <string_view>

class QKeyEvent;
class QWidget;

namespace ovta {

class LabelControl;

class ClipboardText {
public:
    // One line of glyph text (no line break in it) to UTF-8 Unicode text.
    using Decoder = std::function<std::string(std::string_view glyphs)>;

    static void setDecoder(Decoder decoder);
    static bool hasDecoder();

    // The Unicode text of glyph text of any number of lines (CR LF or LF
    // between them): each line decoded on its own, joined by LF, the blank
    // ends of lines kept as the screen shows them. A break at the very end
    // ends the last line and starts no empty one.
    static QString decode(std::string_view glyphs);

    // The title of a list row the pointer rests on (the keys put it there
    // too), or nothing when it rests on none of the rows shown.
    static std::string pointedRow(const QWidget* screen, std::span<LabelControl* const> rows);

    // A title line over its text, either left out when empty.
    static std::string titled(std::string_view title, std::string_view text);

    // Puts `glyphs`, decoded, on the clipboard as plain text and returns
    // how many characters it put there; nothing happens for empty text, so
    // Ctrl+C where nothing is shown keeps what the clipboard held.
    static int copyGlyphs(std::string_view glyphs);
    static void copy(const QString& text);

    // Whether a key event is the platform's copy key (Ctrl+C, Ctrl+Insert).
    static bool isCopyKey(const QKeyEvent* event);
};

} // namespace ovta
