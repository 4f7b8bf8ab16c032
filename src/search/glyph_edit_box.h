// me1 of the search dialog: a one-line box that holds glyph text and shapes
// what is typed into it. Every key goes first to the shaping engine's
// key-down handler, and the character of a key it passes on to its
// character handler; the box never inserts anything by itself.
#pragma once

#include <QWidget>
#include <functional>

#include "search/shaping_engine.h"
#include "shell/glyph_text.h"

namespace ovta {

class GlyphEditBox : public QWidget {
    Q_OBJECT

public:
    GlyphEditBox(QWidget* parent, const QString& name, const QRect& geometry, GlyphFace face,
                 int pointSize);

    ShapingEngine& engine() { return engine_; }
    const ShapingEngine& engine() const { return engine_; }
    const std::string& text() const { return engine_.text(); }
    std::size_t caret() const { return engine_.caret(); }

    void setTables(LetterTables tables);

    // A box that stands alone shows its text and a caret itself (the
    // title search shows them in a label of its own over the box).
    void setShowsCaret(bool shows);

    // After every edit of the text (the caret moving alone is no edit).
    std::function<void()> onChange;
    // Search, close or the keyboard-layout message, after onChange has run.
    std::function<void(EditOutcome)> onOutcome;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void handle(int virtualKey, const QString& text);
    void report(EditOutcome outcome);

    ShapingEngine engine_;
    GlyphFace face_;
    int pointSize_;
    bool showsCaret_ = false;
};

} // namespace ovta
