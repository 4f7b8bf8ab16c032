#include "shell/backdrop.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QTimer>

#include "shell/screen.h"
#include "shell/application.h"
#include "shell/screen_registry.h"
#include "shell/screen_stack.h"
#include "shell/trace.h"

namespace ovta {

TForm6::TForm6()
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Form6"));
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    ScreenStack::instance().setBackdrop(this);
    // F11 switches between full screen and a maximised window, whatever
    // control has the keys.
    auto* fullScreenKey = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreenKey->setContext(Qt::ApplicationShortcut);
    connect(fullScreenKey, &QShortcut::activated, this, &TForm6::toggleFullScreen);
    // Ctrl+F opens the search inside the texts over whatever screen is on
    // top, once the intro has given way to the menu.
    auto* findKey = new QShortcut(QKeySequence::Find, this);
    findKey->setContext(Qt::ApplicationShortcut);
    connect(findKey, &QShortcut::activated, this, [] {
        const Screen* top = ScreenStack::instance().top();
        if (top && std::string_view(top->kind()) != "firstflc" && hasScreen("find"))
            openKind("find");
    });
}

void TForm6::toggleFullScreen()
{
    const bool toFull = !isFullScreen();
    if (trace::enabled())
        trace::line(std::string("window fullscreen=") + (toFull ? "1" : "0"));
    if (toFull)
        showFullScreen();
    else
        showMaximized();
}

void TForm6::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (activatedOnce_)
        return;
    activatedOnce_ = true;
    QTimer::singleShot(0, this, [this] {
        if (onFirstActivate)
            onFirstActivate();
        setWindowTitle(QStringLiteral("ovta"));
        ScreenStack::instance().captionChanged(ScreenStack::instance().top());
    });
}

void TForm6::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (trace::enabled())
        trace::line("backdrop size=" + std::to_string(width()) + "x" + std::to_string(height()));
    // Every screen is a child, on the stack or not (a hidden home included).
    for (QObject* child : children())
        if (auto* screen = qobject_cast<Screen*>(child))
            ScreenStack::instance().centre(screen);
}

void TForm6::closeEvent(QCloseEvent* event)
{
    // The screens refuse a close from the window system, but this is the
    // program's one window: closing it (Alt+F4, the title bar, wmctrl) ends
    // the run the orderly way, as the main menu's exit does.
    event->ignore();
    if (trace::enabled())
        trace::line("system close");
    requestTerminate();
}

}  // namespace ovta
