#include "shell/backdrop.h"

#include <QCloseEvent>
#include <QTimer>

#include "shell/screen.h"
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
    // A close from the window system goes to the top screen, which refuses
    // (full screens) or closes itself (dialogs); the program goes on.
    event->ignore();
    if (Screen* top = ScreenStack::instance().top())
        top->systemClose();
}

}  // namespace ovta
