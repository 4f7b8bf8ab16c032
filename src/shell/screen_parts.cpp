#include "shell/screen_parts.h"

namespace ovta {

QPixmap layoutPicture(const char* screen, const char* control)
{
    return QPixmap(
        QStringLiteral(":/art/%1/%2.png").arg(QLatin1String(screen), QLatin1String(control)));
}

ImageControl* layoutImage(QWidget* parent, const char* screen, const char* name, QRect geometry)
{
    auto* image = new ImageControl(parent, QString::fromLatin1(name), geometry);
    if (screen)
        image->setPicture(layoutPicture(screen, name));
    return image;
}

LabelControl* hotSpot(QWidget* parent, const char* name, QRect geometry, int pointer)
{
    auto* label = new LabelControl(parent, QString::fromLatin1(name), geometry);
    label->setTransparent(true);
    label->setPointer(pointer);
    return label;
}

MouseLabel* mouseHotSpot(QWidget* parent, const char* name, QRect geometry, int pointer)
{
    auto* label = new MouseLabel(parent, QString::fromLatin1(name), geometry);
    label->setTransparent(true);
    label->setPointer(pointer);
    return label;
}

LabelControl* operationLabel(QWidget* parent, const char* name)
{
    auto* label = new LabelControl(parent, QString::fromLatin1(name), QRect(0, 0, 1, 1));
    label->setTransparent(true);
    label->hide();
    return label;
}

} // namespace ovta
