// Screens open each other by kind name ("frm02"): each screen's module
// registers how it is opened, and a kind that this version does not have
// yet opens the stand-in screen that names it. The registry lets a section
// home list its targets as data.
#pragma once

#include <functional>
#include <string>

namespace ovta {

// Call from a namespace-scope initialiser in the screen's own file:
//   static const bool registered = registerScreen("frm02", [] { openScreen<Tfrm02>(); });
bool registerScreen(const std::string& kind, std::function<void()> open);
bool hasScreen(const std::string& kind);

// Opens the kind by the usual opening steps (the opener has set the globals).
void openKind(const std::string& kind);

}  // namespace ovta
