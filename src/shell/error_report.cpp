#include "shell/error_report.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>

#include "store/errors.h"
#include "shell/screen_stack.h"
#include "shell/trace.h"

namespace ovta {
namespace {

std::unique_ptr<ErrorReporter>& reporter()
{
    static std::unique_ptr<ErrorReporter> r = std::make_unique<MessageBoxReporter>();
    return r;
}

int& depth()
{
    static int d = 0;
    return d;
}

std::function<void()>& idleHook()
{
    static std::function<void()> hook;
    return hook;
}

bool printable(std::string_view text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c >= 0x7F)
            return false;
    return true;
}

}  // namespace

std::string withFullStop(std::string_view text)
{
    std::string out(text);
    if (!out.empty() && static_cast<unsigned char>(out.back()) > static_cast<unsigned char>('.'))
        out += '.';
    return out;
}

void MessageBoxReporter::show(const std::string& text)
{
    QWidget* parent = ScreenStack::instance().backdrop();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ovtaav1"), QString::fromLatin1(text),
                    QMessageBox::Ok, parent);
    // A box raised during start-up, before the window is on the display,
    // would be placed over the hidden window's corner: centre it on the
    // screen instead.
    if (!parent || !parent->isVisible()) {
        box.adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            box.move(screen->geometry().center() - box.rect().center());
    }
    box.exec();
}

void setErrorReporter(std::unique_ptr<ErrorReporter> r)
{
    reporter() = r ? std::move(r) : std::make_unique<MessageBoxReporter>();
}

void reportError(std::string_view text)
{
    const std::string shown = withFullStop(text);
    if (trace::enabled())
        trace::line("error text=" + (printable(shown) ? shown : "hex:" + trace::hex(shown)));
    reporter()->show(shown);
}

void guard(const std::function<void()>& handler)
{
    // Counted until the report is gone too: the error box is part of the
    // handler as far as the screen's life is concerned.
    struct Counted {
        Counted() { ++depth(); }
        ~Counted()
        {
            if (--depth() == 0 && idleHook())
                idleHook()();
        }
    } counted;
    try {
        handler();
    } catch (const MediaUnavailable& e) {
        if (trace::enabled())
            trace::line(std::string("error repeated text=") + e.what());
    } catch (const std::exception& e) {
        reportError(e.what());
    } catch (...) {
        reportError("Unknown error");
    }
}

int runningHandlers() { return depth(); }

void setHandlersIdleHook(std::function<void()> idle) { idleHook() = std::move(idle); }

}  // namespace ovta
