#include "search/glyph_edit_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <vector>

#include "shell/error_report.h"
#include "shell/screen.h"

namespace ovta {
namespace {

// The character codes a key would insert, as the box receives them: the
// editing keys' own codes, otherwise the key's text.
std::vector<int> charactersOf(int virtualKey, const QString& text)
{
    switch (virtualKey) {
    case 8: return {8};
    case 13: return {13};
    case 9: return {}; // Tab never reaches a one-line box
    default: break;
    }
    std::vector<int> codes;
    for (char32_t c : text.toUcs4())
        codes.push_back(static_cast<int>(c));
    return codes;
}

} // namespace

GlyphEditBox::GlyphEditBox(QWidget* parent, const QString& name, const QRect& geometry,
                           GlyphFace face, int pointSize)
    : QWidget(parent), face_(face), pointSize_(pointSize)
{
    setObjectName(name);
    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void GlyphEditBox::setTables(LetterTables tables)
{
    const std::string text = engine_.text();
    const std::size_t caret = engine_.caret();
    engine_ = ShapingEngine(std::move(tables));
    engine_.setText(text, caret);
}

void GlyphEditBox::setShowsCaret(bool shows)
{
    showsCaret_ = shows;
    update();
}

void GlyphEditBox::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    const int key = virtualKey(event->key());
    const QString text = event->text();
    guard([this, key, &text] { handle(key, text); });
    if (showsCaret_)
        update();
}

void GlyphEditBox::handle(int key, const QString& text)
{
    // The text is stored (and the display follows) whenever the character
    // handler edits it; moving the caret alone stores nothing.
    const KeyDownResult down = engine_.keyDown(key);
    if (key == 46 && onChange)
        onChange();
    report(down.outcome);
    if (down.swallowed)
        return;
    for (int code : charactersOf(key, text)) {
        const EditOutcome outcome = engine_.character(code);
        if (outcome != EditOutcome::Search && onChange)
            onChange();
        report(outcome);
    }
}

void GlyphEditBox::report(EditOutcome outcome)
{
    if (outcome != EditOutcome::None && onOutcome)
        onOutcome(outcome);
}

bool GlyphEditBox::focusNextPrevChild(bool)
{
    return false;
}

void GlyphEditBox::paintEvent(QPaintEvent*)
{
    // A sunken white field; the dialog's panel covers all but its rim.
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(QColor(64, 64, 64));
    p.drawLine(1, 1, width() - 2, 1);
    p.drawLine(1, 1, 1, height() - 2);
    p.setPen(QColor(212, 208, 200));
    p.drawLine(1, height() - 2, width() - 2, height() - 2);
    p.drawLine(width() - 2, 1, width() - 2, height() - 2);
    p.setPen(Qt::white);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.setPen(Qt::black);
    const GlyphFont& font = GlyphFont::get(face_, pointSize_);
    const QRectF area(rect().adjusted(3, 3, -3, -3));
    font.drawAligned(p, area, engine_.text(), Qt::AlignRight);
    if (!showsCaret_ || !hasFocus())
        return;
    // Glyph text runs in visual order: the caret stands left of the bytes after it.
    const std::string_view text = engine_.text();
    const qreal after = font.width(text.substr(std::min(engine_.caret(), text.size())));
    const int x = qRound(area.right() - after);
    p.fillRect(QRect(x - 1, 5, 2, height() - 10), QColor(255, 0, 255));
}

void GlyphEditBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void GlyphEditBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace ovta
