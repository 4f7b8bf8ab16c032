// Building the controls of the reading screens from their layouts: the
// pictures stored with a layout are resources ":/art/<screen>/<control>.png".
#pragma once

#include <QPixmap>
#include <QRect>

#include "shell/mouse_aware.h"
#include "reading/reading_layout.h"
#include "shell/controls.h"

namespace ovta {

QPixmap layoutPicture(const char* screen, const char* control);

inline QRect toRect(const layout::Box& b)
{
    return QRect(b.x, b.y, b.w, b.h);
}

// A picture control showing its layout picture (none when `screen` is null).
ImageControl* layoutImage(QWidget* parent, const char* screen, const char* name, QRect geometry);

// A transparent, caption-less label: an invisible click area.
LabelControl* hotSpot(QWidget* parent, const char* name, QRect geometry, int pointer);
MouseLabel* mouseHotSpot(QWidget* parent, const char* name, QRect geometry, int pointer);

// A hidden label whose click handler is one of the screen's operations.
LabelControl* operationLabel(QWidget* parent, const char* name);

} // namespace ovta
