// The program's icon: a gold rosette on a rounded deep-blue tile with the
// letter ain at its heart, at any size (the window's icon and the desktop
// theme's sizes).
#pragma once

#include <QImage>

namespace ovta::art {

QImage paintAppIcon(int size);

} // namespace ovta::art
