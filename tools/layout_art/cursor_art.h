// The program's five pointer shapes, 32x32 with the hot spot at the top-left
// pixel: 1 pen, 2 pointing hand, 3 hand holding a page, 4 magnifier,
// 5 pointing hand in reversed colours.
#pragma once

#include <QImage>

namespace ovta::art {

inline constexpr int kCursorCount = 5;

QImage paintCursor(int number);

} // namespace ovta::art
