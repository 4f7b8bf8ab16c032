// The nine section homes are one screen design; what tells them apart is
// this table (its settings, HomeSettings): where each hot spot stands, which picture it holds, its Tag,
// the global it sets and the screen it opens, the rectangle of the hidden
// panorama image, and the order the keyboard walks the hot spots in.
#pragma once

#include <string_view>
#include <vector>

#include "shell/layout_box.h"

namespace ovta {

enum class HomeGlobal { None, CurrentItem, CurrentBook };

// A value that copies the clicked picture's Tag rather than a constant.
inline constexpr int FromTag = -1;

struct HomeHotSpot {
    const char* panel; // layout name of the panel (keyboard target)
    const char* image; // layout name of the picture inside it (clicked)
    layout::Box place; // the panel's rectangle on the screen
    int tag;           // the picture's Tag; 0 where the layout sets none
    HomeGlobal sets;
    int value;          // what `sets` receives: a constant or FromTag
    const char* opens;  // screen kind
    bool bevel = false; // a 1-pixel raised bevel round the picture
};

struct HomeSettings {
    const char* kind;
    int menuTag;                       // the main-menu label that opens it
    std::vector<HomeHotSpot> hotSpots; // the help hot spot first; the exit is common to all
    layout::Box panorama;              // the hidden panorama image m1
    std::vector<const char*> order;    // keyboard positions 1..N: panel names, the exit last
};

// The exit every home shares: Image5 in Panel3 at the bottom-left corner.
extern const HomeHotSpot HomeExit;

const std::vector<HomeSettings>& homeSettings();
// The row of one kind ("frm41"); nullptr for a kind that is no home.
const HomeSettings* homeSettings(std::string_view kind);

// The value a hot spot gives its global when clicked.
inline int homeValue(const HomeHotSpot& spot)
{
    return spot.value == FromTag ? spot.tag : spot.value;
}

}  // namespace ovta
