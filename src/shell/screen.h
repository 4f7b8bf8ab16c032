// The frame every screen shares: a child of the backdrop, frameless,
// 640x480 from its show handler on, centred, caption "ovta" on activation,
// refuses a close from the window system, and leaves through release(),
// which destroys it after the running handler has returned.
// Handlers keep the names of the screen's design (FormCreate, FormShow...),
// and every one of them runs inside the central error guard.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

class QEventLoop;

namespace ovta {

class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(const std::string& kind);
    ~Screen() override;

    const char* kind() const { return kind_.c_str(); }

    // The caption the native window shows while this screen is on top.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Opening steps after creation: shown non-modally on top and repainted.
    void showScreen();
    // Shown on top; returns when closeModal() ends it.
    void showModal();
    void closeModal();
    bool isModal() const { return modalLoop_ != nullptr; }

    // Hidden and off the stack; the screen below becomes active.
    void hideScreen();
    // Hidden and off the stack at once; destroyed once control is back in
    // the event loop and no handler is running (see ReleaseQueue).
    void release();
    bool released() const { return released_; }

    // The window system asks to close the window while this screen is on
    // top. Full screens refuse; dialogs may close themselves.
    virtual void systemClose();

    // Called by the stack.
    void runActivate();
    void runDeactivate();

    // Handlers every screen may define.
    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormDeactivate() {}
    virtual void FormHide() {}
    virtual void FormKeyDown(int /*key*/) {}
    virtual void FormClick() {}
    virtual void FormMouseMove() {}

    // What Ctrl+C copies: the glyph text the screen shows (its article, the
    // title chosen in its list), empty for nothing.
    virtual std::string copyGlyphs() const { return {}; }

protected:
    // Full screens are sized 640x480 when shown; dialogs keep their own size.
    virtual bool keepsOwnSize() const { return false; }
    // Most screens set the caption "ovta" when activated.
    virtual bool setsCaption() const { return true; }

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void prepareShow();

    std::string kind_;
    QString caption_;
    QEventLoop* modalLoop_ = nullptr;
    bool released_ = false;
    // Set by each show, cleared by the paint that follows: the trace says
    // when a screen is first on the display.
    bool paintPending_ = false;
};

// Windows virtual-key code of a Qt key event (Esc 27, Enter 13, Tab 9,
// arrows 37..40, Home 36, End 35, Delete 46, Backspace 8, Shift 16,
// Ctrl 17, Alt 18, letters and
// digits as their upper-case character); 0 for keys with none.
int virtualKey(int qtKey);

}  // namespace ovta
