// Screens open each other by kind name ("frm02"): each screen's module
// registers how it is opened, so a screen family never includes another
// family's screens, and a section home can list its targets as data. A
// kind nobody registered opens whatever the program set for that (a
// stand-in screen that names it); without one it opens nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ovta {

// Call from a namespace-scope initialiser in the screen's own file (see
// registerKinds in shell/screen_kind.h).
bool registerScreen(const std::string& kind, std::function<void()> open);
bool hasScreen(const std::string& kind);
// Every registered kind, in name order.
std::vector<std::string> registeredKinds();

// The opener registered for a kind (empty when none), and taking a kind
// off the registry: a test stands a kind of its own in for a screen it
// opens, and puts the registered one back after.
std::function<void()> registeredOpener(const std::string& kind);
void unregisterScreen(const std::string& kind);

// What opens a kind that is not registered.
void setUnregisteredKindOpener(std::function<void(const std::string& kind)> open);

// Opens the kind by the usual opening steps (the opener has set the globals).
void openKind(const std::string& kind);

}  // namespace ovta
