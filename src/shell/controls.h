// The controls screens are laid out with. Each keeps the layout's name as
// its object name and a free `Tag`; its events call handlers that the
// screen binds, and every handler runs inside the central error guard.
// Z-order is among siblings only (bringToFront / sendToBack).
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>

#include "shell/glyph_text.h"
#include "shell/sprite_painter.h"

namespace ovta {

class Control;
using Handler = std::function<void(Control* sender)>;

// Behaviour shared by every control: Tag, pointer shape, mouse handlers.
class Control : public QWidget {
    Q_OBJECT

public:
    Control(QWidget* parent, const QString& name, const QRect& geometry);

    int Tag = 0;
    Handler onClick;
    Handler onDoubleClick;
    Handler onMouseMove;
    Handler onMouseDown;
    Handler onMouseUp;

    // Pointer-table entry (1..5); 0 for the standard arrow, -1 for the
    // standard pointing hand.
    void setPointer(int entry);

    void bringToFront() { raise(); }
    void sendToBack() { lower(); }

    // Runs the click handler as a mouse click on this control would.
    void click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A picture drawn at its top-left corner, unscaled and clipped.
class ImageControl : public Control {
    Q_OBJECT

public:
    using Control::Control;

    void setPicture(const QPixmap& picture);
    // The picture in a file (a compiled-in resource), read when it is first
    // drawn or asked for: a screen's hidden and later pictures cost nothing
    // until then.
    void setPictureFile(const QString& file);
    const QPixmap& picture() const;
    // Shows the part of `lit` (a hidden picture beside this one, lit as a
    // whole) that lies under this control, so the control looks lit in place.
    void showPartOf(const ImageControl& lit);
    // Loads a picture file of the content ("data1\\kenor001.bmp"); throws
    // FileError naming it when it cannot be opened or read, or is not a
    // picture. The picture shown stays as it was then.
    void loadPicture(const std::string& contentName);
    // Stretched to the control's size instead of drawn at its corner.
    void setStretch(bool stretch) { stretch_ = stretch; update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable QPixmap picture_;
    mutable QString pictureFile_;
    bool stretch_ = false;
};

// A label: transparent and caption-less it is an invisible click area;
// opaque, it fills itself with its colour; with glyph text it draws that
// in a glyph face. An animation shows its cells on it, over its colour.
class LabelControl : public Control {
    Q_OBJECT

public:
    using Control::Control;

    void setTransparent(bool transparent);
    void setColor(const QColor& color);
    void setGlyphText(const std::string& glyphs, GlyphFace face, int pointSize,
                      const QColor& color, Qt::Alignment alignment = Qt::AlignRight);
    const std::string& glyphText() const { return glyphs_; }
    GlyphFace glyphFace() const { return face_; }
    int glyphSize() const { return pointSize_; }
    const QColor& textColor() const { return textColor_; }

    // One tick of `animation` from `strip`, shown from now on over the
    // label's colour (black without one) until the next tick.
    void showSpriteTick(SpriteAnimation& animation, const QPixmap& strip);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor spriteGround() const;

    bool transparent_ = false;
    QColor color_;
    std::string glyphs_;
    GlyphFace face_ = GlyphFace::Glyf01;
    int pointSize_ = 12;
    QColor textColor_ = Qt::black;
    Qt::Alignment alignment_ = Qt::AlignRight;
    SpriteCells sprite_;
};

// A plain container (hot-spot panels, the video window).
class PanelControl : public Control {
    Q_OBJECT

public:
    PanelControl(QWidget* parent, const QString& name, const QRect& geometry,
                 const QColor& color = Qt::black);
};

// Hands key `key` (a virtual-key code) of `event` to a control's own key
// handler, guarded; without a handler (or a code) the key goes on to the
// screen.
void forwardKey(QKeyEvent* event, int key, const std::function<void(int)>& onKeyDown);

// A transparent, caption-less label: an invisible click area with the
// given pointer (see Control::setPointer).
LabelControl* hotSpot(QWidget* parent, const char* name, QRect geometry, int pointer);

// A hidden label whose click handler is one of the screen's operations
// (redraw the list, show the whole text...): the screen and others run the
// operation by firing its click.
LabelControl* operationLabel(QWidget* parent, const char* name);

}  // namespace ovta
