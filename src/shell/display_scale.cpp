#include "shell/display_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "shell/trace.h"

namespace ovta {
namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

int& factorInForce()
{
    static int factor = 1;
    return factor;
}

}  // namespace

int fittingScale(const QSize& pixels)
{
    return std::max(1, std::min(pixels.width() / kScreenWidth, pixels.height() / kScreenHeight));
}

std::optional<int> parseScale(const char* text)
{
    if (!text || *text < '0' || *text > '9')
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || value < 1 || value > kMaxScale)
        return std::nullopt;
    return static_cast<int>(value);
}

void prepareDisplayScale()
{
    // One factor of our own replaces them all: left on, the desktop's
    // factor would multiply ours, or stretch the screens by a fraction.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                             "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_USE_PHYSICAL_DPI"})
        qunsetenv(name);
    // Text in points keeps the size the screens were laid out for; a
    // larger X font resolution would overflow their boxes.
    qputenv("QT_FONT_DPI", "96");
}

int applyDisplayScale(int requested)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    // With the platform's own scaling off, the screen's size is in pixels
    // (or, under a scaling Wayland compositor, in its logical units, which
    // the compositor enlarges itself).
    const QSize pixels = screen ? screen->geometry().size() : QSize(kScreenWidth, kScreenHeight);
    const int factor = requested > 0 ? requested : fittingScale(pixels);
    QHighDpiScaling::setGlobalFactor(factor);
    factorInForce() = factor;
    if (trace::enabled())
        trace::line("display scale=" + std::to_string(factor) + " screen=" +
                    std::to_string(pixels.width()) + "x" + std::to_string(pixels.height()));
    return factor;
}

int displayScale() { return factorInForce(); }

}  // namespace ovta
