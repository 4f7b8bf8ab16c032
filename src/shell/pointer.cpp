#include "shell/pointer.h"

#include "shell/display_scale.h"
#include "shell/pointer_mark.h"

#include <QGuiApplication>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <vector>

namespace ovta {
namespace {

std::vector<QCursor>& shapes()
{
    static std::vector<QCursor> table;
    return table;
}

std::unique_ptr<Pointer>& current()
{
    static std::unique_ptr<Pointer> p = std::make_unique<SystemPointer>();
    return p;
}

}  // namespace

int loadPointerShapes()
{
    auto& table = shapes();
    table.clear();
    for (int n = 1;; ++n) {
        // Read as what they are: asking every image plugin first would load
        // them all, before the first picture of the run.
        // The shapes are numbered from 1 up; the first number without a
        // file ends the table (asked of the resources first, so that the end
        // does not read as a failed read in the log).
        const QString file = QStringLiteral(":/art/cursors/%1.png").arg(n);
        if (!QFile::exists(file))
            break;
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        QPixmap picture = QPixmap::fromImage(reader.read());
        if (picture.isNull())
            break;
        // Enlarged with the screens, pixel for pixel. Marked as drawn for
        // that factor, so a platform that enlarges cursors by itself does
        // not do it twice.
        const int f = displayScale();
        if (f > 1) {
            picture = picture.scaled(picture.size() * f, Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation);
            picture.setDevicePixelRatio(f);
        }
        table.emplace_back(picture, 0, 0);
    }
    return static_cast<int>(table.size());
}

const QCursor* pointerShape(int n)
{
    const auto& table = shapes();
    if (n < 1 || n > static_cast<int>(table.size()))
        return nullptr;
    return &table[static_cast<std::size_t>(n - 1)];
}

int pointerShapeCount() { return static_cast<int>(shapes().size()); }

bool platformMovesPointer()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

SystemPointer::SystemPointer() : SystemPointer(platformMovesPointer()) {}

SystemPointer::SystemPointer(bool platformMovesPointer) : platformMoves_(platformMovesPointer) {}

QPoint SystemPointer::pos() const
{
    const QPoint now = QCursor::pos();
    // Our kept position stands until the user really moves the mouse.
    if (keptValid_ && now == systemAtKeep_)
        return kept_;
    return now;
}

void SystemPointer::setPos(const QPoint& desktop)
{
    if (platformMoves_)
        QCursor::setPos(desktop);
    const QPoint now = QCursor::pos();
    keptValid_ = (now != desktop);
    kept_ = desktop;
    systemAtKeep_ = now;
    if (!platformMoves_)
        PointerMark::showAt(desktop);
}

Pointer& pointer() { return *current(); }

void setPointer(std::unique_ptr<Pointer> p)
{
    // A position drawn for the pointer that goes is no longer kept.
    PointerMark::hideMark();
    current() = p ? std::move(p) : std::make_unique<SystemPointer>();
}

}  // namespace ovta
