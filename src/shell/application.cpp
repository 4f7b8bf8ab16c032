#include "shell/application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QFont>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "shell/backdrop.h"
#include "shell/glyph_text.h"
#include "shell/intro.h"
#include "shell/main_menu.h"
#include "shell/pointer.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"

namespace ovta {
namespace {

std::function<void()>& terminateHandler()
{
    static std::function<void()> handler;
    return handler;
}

QPointer<TForm6>& backdrop()
{
    static QPointer<TForm6> form;
    return form;
}

// What the intro's picture does not need, done once it is on the display:
// the fonts' entry in the system's font list (which loads the whole font
// configuration) and the window icon (four pictures decoded).
void finishStartUp()
{
    registerGlyphFonts();
    QIcon icon;
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/art/app/ovta-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

// Runs `then` once, from the event loop, after the first paint of `screen`
// has been drawn and sent to the display; or as the screen goes, if it never
// was painted.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* screen, std::function<void()> then)
        : QObject(screen), then_(std::move(then))
    {
        screen->installEventFilter(this);
    }
    ~AfterFirstPaint() override { runLater(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Posted now, it runs when the paint in progress is done and
            // flushed to the window.
            runLater();
        }
        return false;
    }

private:
    void runLater()
    {
        if (!then_)
            return;
        QTimer::singleShot(0, qApp, std::exchange(then_, nullptr));
    }

    std::function<void()> then_;
};

void afterFirstPicture(QWidget* screen, std::function<void()> then)
{
    new AfterFirstPaint(screen, std::move(then));
}

}  // namespace

void requestTerminate()
{
    if (terminateHandler()) {
        terminateHandler()();
        return;
    }
    if (trace::enabled())
        trace::line("terminate");
    // exit() rather than quit(): quit() first asks every window to close,
    // and the backdrop refuses a close from the window system.
    QCoreApplication::exit(0);
}

void setTerminateHandler(std::function<void()> handler) { terminateHandler() = std::move(handler); }

void startUp()
{
    loadPointerShapes();
    readGlyphFonts();
    // Smooth glyph edges everywhere, for the run only.
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferAntialias);
    QApplication::setFont(font);
    QApplication::setApplicationName(QStringLiteral("ovtaav1"));
    // The desktop entry's name, by which Wayland compositors and docks find
    // the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ovta"));

    auto* form = new TForm6;
    backdrop() = form;
    createScreen<Tfirstflc>();
    createScreen<Tfalam1>();
    if (Tfirstflc::instance)
        afterFirstPicture(Tfirstflc::instance, finishStartUp);
    else
        finishStartUp();
    form->onFirstActivate = [] {
        if (Tfirstflc::instance)
            Tfirstflc::instance->showScreen();
    };
    // Cover the desktop even where no window manager honours the
    // full-screen request (a bare X server, a kiosk session).
    if (QScreen* screen = QGuiApplication::primaryScreen())
        form->setGeometry(screen->geometry());
    form->showFullScreen();
}

void shutDown()
{
    // The screens go first: the fonts may only go once nothing draws with them.
    delete backdrop().data();
    // What was left for the event loop to delete (a media back-end retired
    // from inside one of its own signals) goes now too, so every media
    // pipeline is torn down before the application object.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    removeGlyphFonts();
}

}  // namespace ovta
