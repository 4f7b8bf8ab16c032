// The pictures stored with a screen's layout. They are resources
// ":/art/<screen>/<control>.png" (the first picture of a run ".ppm"),
// painted at build time; a missing one is a null picture, which draws
// nothing.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

#include "shell/layout_box.h"

class QWidget;

namespace ovta {

class ImageControl;

QPixmap layoutPicture(const QString& screen, const QString& control);
QString layoutPictureFile(const QString& screen, const QString& control,
                          const char* type = "png");

inline QRect toRect(const layout::Box& b)
{
    return QRect(b.x, b.y, b.w, b.h);
}

// A picture control showing its layout picture (none when `screen` is null),
// read when first drawn.
ImageControl* layoutImage(QWidget* parent, const char* screen, const char* name, QRect geometry);

} // namespace ovta
