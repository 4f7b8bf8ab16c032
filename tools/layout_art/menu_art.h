// The main menu: its background, the three highlight pictures cut from a lit
// copy of that background, and the music on/off icons. The places below are
// the menu's layout; the screen draws the animated section labels and the
// icons over them.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

namespace ovta::art {

struct MenuSection {
    int tag;      // 1..9, as the screen numbers its section labels
    QPoint label; // top-left of the 131x100 animated label
    QString caption;
};

const std::array<MenuSection, 9>& menuSections();

inline constexpr QSize kMenuLabelSize{131, 100};
inline constexpr QRect kMenuTitleRect{162, 0, 322, 77}; // Image1
inline constexpr QRect kMenuAboutRect{500, 0, 121, 78}; // Image2
inline constexpr QRect kMenuExitRect{23, 4, 65, 64};    // Image5
inline constexpr QRect kMenuMusicRect{112, 8, 32, 32};  // ms1 / ms2

enum MenuLight { LightNone = 0, LightTitle = 1, LightAbout = 2, LightExit = 4 };

// The 640x480 background with the parts named in `lit` lit up.
QImage paintMenuBackground(int lit = LightNone);

// The highlight of one part: exactly the lit background inside its rectangle,
// so swapping it in changes nothing but the light.
QImage paintMenuHighlight(MenuLight part);

// 32x32 transparent icons: a note with sound waves, or the note struck out.
QImage paintMusicIcon(bool on);

} // namespace ovta::art
