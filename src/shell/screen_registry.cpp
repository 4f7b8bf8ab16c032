#include "shell/screen_registry.h"

#include <map>

#include "sections/stand_in.h"

namespace ovta {
namespace {

std::map<std::string, std::function<void()>>& registry()
{
    static std::map<std::string, std::function<void()>> kinds;
    return kinds;
}

}  // namespace

bool registerScreen(const std::string& kind, std::function<void()> open)
{
    registry()[kind] = std::move(open);
    return true;
}

bool hasScreen(const std::string& kind) { return registry().count(kind) != 0; }

void openKind(const std::string& kind)
{
    auto it = registry().find(kind);
    if (it != registry().end()) {
        it->second();
        return;
    }
    openStandIn(kind);
}

}  // namespace ovta
