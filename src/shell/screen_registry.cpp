#include "shell/screen_registry.h"

#include <map>

namespace ovta {
namespace {

std::map<std::string, std::function<void()>>& registry()
{
    static std::map<std::string, std::function<void()>> kinds;
    return kinds;
}

std::function<void(const std::string&)>& unregistered()
{
    static std::function<void(const std::string&)> open;
    return open;
}

}  // namespace

bool registerScreen(const std::string& kind, std::function<void()> open)
{
    registry()[kind] = std::move(open);
    return true;
}

bool hasScreen(const std::string& kind) { return registry().count(kind) != 0; }

std::function<void()> registeredOpener(const std::string& kind)
{
    auto it = registry().find(kind);
    return it == registry().end() ? std::function<void()>() : it->second;
}

void unregisterScreen(const std::string& kind) { registry().erase(kind); }

std::vector<std::string> registeredKinds()
{
    std::vector<std::string> kinds;
    for (const auto& entry : registry())
        kinds.push_back(entry.first);
    return kinds;
}

void setUnregisteredKindOpener(std::function<void(const std::string&)> open)
{
    unregistered() = std::move(open);
}

void openKind(const std::string& kind)
{
    auto it = registry().find(kind);
    if (it != registry().end()) {
        it->second();
        return;
    }
    if (unregistered())
        unregistered()(kind);
}

}  // namespace ovta
