#include "shell/layout_picture.h"

#include "shell/controls.h"

namespace ovta {

QPixmap layoutPicture(const QString& screen, const QString& control)
{
    return QPixmap(QStringLiteral(":/art/%1/%2.png").arg(screen, control));
}

ImageControl* layoutImage(QWidget* parent, const char* screen, const char* name, QRect geometry)
{
    auto* image = new ImageControl(parent, QString::fromLatin1(name), geometry);
    if (screen)
        image->setPicture(layoutPicture(QLatin1String(screen), QLatin1String(name)));
    return image;
}

} // namespace ovta
