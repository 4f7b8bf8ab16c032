#include "shell/layout_picture.h"

#include "shell/controls.h"

namespace ovta {

QString layoutPictureFile(const QString& screen, const QString& control, const char* type)
{
    return QStringLiteral(":/art/%1/%2.%3").arg(screen, control, QLatin1String(type));
}

QPixmap layoutPicture(const QString& screen, const QString& control)
{
    return QPixmap(layoutPictureFile(screen, control));
}

ImageControl* layoutImage(QWidget* parent, const char* screen, const char* name, QRect geometry)
{
    auto* image = new ImageControl(parent, QString::fromLatin1(name), geometry);
    if (screen)
        image->setPictureFile(layoutPictureFile(QLatin1String(screen), QLatin1String(name)));
    return image;
}

} // namespace ovta
