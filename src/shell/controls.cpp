#include "shell/controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "store/content_dir.h"
#include "store/content_file.h"
#include "store/errors.h"
#include "shell/clipboard_text.h"
#include "shell/content_pictures.h"
#include "shell/error_report.h"
#include "shell/pointer.h"

namespace ovta {
namespace {

// A label that fills itself hides what lies under it: nothing there needs
// drawing again when only the label changes (an animation tick).
void markOpaque(QWidget* label, bool transparent, const QColor& color)
{
    label->setAttribute(Qt::WA_OpaquePaintEvent,
                        !transparent && color.isValid() && color.alpha() == 255);
}

}  // namespace

Control::Control(QWidget* parent, const QString& name, const QRect& geometry) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setMouseTracking(true);
}

void Control::setPointer(int entry)
{
    if (entry == 0) {
        unsetCursor();
    } else if (entry < 0) {
        setCursor(Qt::PointingHandCursor);
    } else if (const QCursor* shape = pointerShape(entry)) {
        setCursor(*shape);
    } else {
        setCursor(Qt::PointingHandCursor);
    }
}

void Control::click()
{
    if (onClick)
        guard([this] { onClick(this); });
}

void Control::mousePressEvent(QMouseEvent* event)
{
    pressed_ = (event->button() == Qt::LeftButton);
    if (onMouseDown)
        guard([this] { onMouseDown(this); });
    if (!onClick && !onMouseDown && parentWidget())
        event->ignore();
}

void Control::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (onMouseUp)
        guard([this] { onMouseUp(this); });
    // A click is a left press and release over the same control.
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void Control::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (onDoubleClick)
        guard([this] { onDoubleClick(this); });
    else
        mousePressEvent(event);
}

void Control::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        guard([this] { onMouseMove(this); });
    else
        event->ignore();  // the screen below sees a move over the background
}

void ImageControl::setPicture(const QPixmap& picture)
{
    pictureFile_.clear();
    picture_ = picture;
    update();
}

void ImageControl::setPictureFile(const QString& file)
{
    pictureFile_ = file;
    picture_ = QPixmap();
    update();
}

const QPixmap& ImageControl::picture() const
{
    if (!pictureFile_.isEmpty()) {
        picture_ = QPixmap(pictureFile_);
        pictureFile_.clear();
    }
    return picture_;
}

void ImageControl::showPartOf(const ImageControl& lit)
{
    setPicture(lit.picture().copy(geometry().translated(-lit.pos())));
}

void ImageControl::loadPicture(const std::string& contentName)
{
    setPicture(readContentPicture(contentName));
}

void ImageControl::paintEvent(QPaintEvent*)
{
    const QPixmap& shown = picture();
    if (shown.isNull())
        return;
    QPainter painter(this);
    if (stretch_)
        painter.drawPixmap(rect(), shown);
    else
        painter.drawPixmap(0, 0, shown);
}

void LabelControl::setTransparent(bool transparent)
{
    transparent_ = transparent;
    markOpaque(this, transparent_, color_);
    update();
}

void LabelControl::setColor(const QColor& color)
{
    color_ = color;
    markOpaque(this, transparent_, color_);
    update();
}

void LabelControl::setGlyphText(const std::string& glyphs, GlyphFace face, int pointSize,
                                const QColor& color, Qt::Alignment alignment)
{
    // A handler that sets again what the label shows draws nothing.
    if (glyphs == glyphs_ && face == face_ && pointSize == pointSize_ && color == textColor_ &&
        alignment == alignment_)
        return;
    glyphs_ = glyphs;
    face_ = face;
    pointSize_ = pointSize;
    textColor_ = color;
    alignment_ = alignment;
    update();
}

void LabelControl::showSpriteTick(SpriteAnimation& animation, const QPixmap& strip)
{
    if (sprite_.tick(animation, strip))
        update(sprite_.area().boundingRect());
}

QColor LabelControl::spriteGround() const { return color_.isValid() ? color_ : QColor(Qt::black); }

void LabelControl::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!sprite_.empty())
        sprite_.paint(painter, rect(), spriteGround(), event->region());
    else if (!transparent_ && color_.isValid())
        painter.fillRect(rect(), color_);
    if (!glyphs_.empty()) {
        painter.setPen(textColor_);
        GlyphFont::get(face_, pointSize_).drawAligned(painter, rect(), glyphs_, alignment_);
    }
}

PanelControl::PanelControl(QWidget* parent, const QString& name, const QRect& geometry,
                           const QColor& color)
    : Control(parent, name, geometry)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void forwardKey(QKeyEvent* event, int key, const std::function<void(int)>& onKeyDown)
{
    // Copying is the screen's: it knows what it shows.
    if (ClipboardText::isCopyKey(event)) {
        event->ignore();
        return;
    }
    if (onKeyDown && key != 0) {
        guard([&onKeyDown, key] { onKeyDown(key); });
        return;
    }
    event->ignore();
}

LabelControl* hotSpot(QWidget* parent, const char* name, QRect geometry, int pointer)
{
    auto* label = new LabelControl(parent, QString::fromLatin1(name), geometry);
    label->setTransparent(true);
    label->setPointer(pointer);
    return label;
}

LabelControl* operationLabel(QWidget* parent, const char* name)
{
    auto* label = new LabelControl(parent, QString::fromLatin1(name), QRect(0, 0, 1, 1));
    label->setTransparent(true);
    label->hide();
    return label;
}

}  // namespace ovta
