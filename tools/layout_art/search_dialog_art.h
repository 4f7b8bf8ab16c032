// The search dialog's pictures: its background, which carries the drawn
// captions of the two options and the two buttons, and the pressed looks of
// the search and close buttons, cut from a copy of the background with that
// button pressed so that swapping one in changes nothing but the button.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace ovta::art {

inline constexpr QSize kSearchDialogSize{269, 138};
inline constexpr QRect kSearchButtonRect{151, 94, 96, 31}; // Image2
inline constexpr QRect kCloseButtonRect{24, 94, 93, 29};   // Image3

enum SearchDialogPress { PressNone = 0, PressSearch = 1, PressClose = 2 };

QImage paintSearchDialog(SearchDialogPress pressed = PressNone);
QImage paintSearchDialogPressed(SearchDialogPress button);

} // namespace ovta::art
