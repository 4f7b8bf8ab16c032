// The values screens pass to each other. An opener sets them just before it
// opens a screen; the opened screen reads them while it is created or shown.
// One set for the whole run, on the one user-interface thread.
#pragma once

#include <string>

#include "store/title_table.h"

namespace ovta {

struct Globals {
    int CurrentItem = 0;
    int CurrentBook = 0;
    std::string CurrentTitle;  // glyph text
    TitleTable titleTable;     // loaded by the main menu at creation
    int ListTop = 0;
    int SearchSource = 0;
};

Globals& globals();

// Tests start each case from a clean set.
void resetGlobals();

}  // namespace ovta
