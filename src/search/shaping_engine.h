// The search box's editing: a one-line glyph text typed on a Latin keyboard
// layout and shaped as it is typed. Keys arrive as Windows virtual-key codes
// (key-down) and character codes (the character the box would insert); each
// new letter takes the shape its neighbours call for, and re-shapes them, a
// deletion re-shapes the two glyphs it brings together, and alef after lam
// becomes one ligature.
//
// The text is in visual order, and the caret is an index from the left: the
// glyphs left of it come after it in reading order. A selection runs from
// the caret to the right.
//
// A plain state machine: what the dialog must do (search, close, show the
// keyboard-layout message) comes back as an outcome.
#pragma once

#include <cstddef>
#include <string>

#include "search/letter_tables.h"

namespace ovta {

enum class EditOutcome {
    None,
    Search,      // Enter: run the dialog's search
    Close,       // Esc: close the dialog
    WrongLayout, // a non-Latin character: the box is emptied, show the message
};

struct KeyDownResult {
    bool swallowed = false; // false: the key's character goes to character()
    EditOutcome outcome = EditOutcome::None;
};

class ShapingEngine {
public:
    static constexpr const char* WrongLayoutText = "change the keyboard language to english";
    static constexpr const char* WrongLayoutCaption = "change keyboard";

    explicit ShapingEngine(LetterTables tables = {});

    const LetterTables& tables() const { return tables_; }

    const std::string& text() const { return text_; }
    std::size_t caret() const { return caret_; }
    std::size_t selection() const { return selection_; }
    int pendingEditKey() const { return pendingEditKey_; }
    // The forms of the letter typed last.
    const LetterForms& forms() const { return forms_; }
    // The row of the deletion table the last deletion applied (1..25), 0 for
    // none: for tracing and tests.
    int lastDeletionRow() const { return lastDeletionRow_; }

    // Replaces the text; the caret is kept within it and the selection dropped.
    void setText(std::string text, std::size_t caret);
    // Selects `length` glyphs from `start`, both kept within the text; the
    // caret goes to `start`.
    void select(std::size_t start, std::size_t length);

    // Key-down handler. Errors of the letter tables propagate (Delete runs
    // the character handler).
    KeyDownResult keyDown(int virtualKey);

    // Character handler. Throws ConversionError or RangeError from the letter
    // tables while typing; the text is then unchanged.
    EditOutcome character(int code);

private:
    void moveCaret(std::size_t caret);
    void edit(int code);
    void type(int code, std::string& left, std::string& right);

    LetterTables tables_;
    std::string text_;
    std::size_t caret_ = 0;
    std::size_t selection_ = 0;
    int pendingEditKey_ = 0;
    LetterForms forms_;
    int lastDeletionRow_ = 0;
};

} // namespace ovta
