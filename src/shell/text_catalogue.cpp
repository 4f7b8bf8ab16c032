#include "shell/text_catalogue.h"

#include <exception>
#include <map>

namespace ovta {
namespace {

std::map<std::string, TextSource>& sources()
{
    static std::map<std::string, TextSource> all;
    return all;
}

std::map<std::string, HeadingOpener>& headingOpeners()
{
    static std::map<std::string, HeadingOpener> all;
    return all;
}

} // namespace

bool registerTextSource(const std::string& name, TextSource source)
{
    sources()[name] = std::move(source);
    return true;
}

bool forEachText(const ContentDir& dir, const std::function<bool(TextEntry)>& visit,
                 const std::function<void(const std::string&)>& fault)
{
    bool stopped = false;
    const auto guarded = [&](TextEntry entry) {
        if (stopped)
            return false;
        stopped = !visit(std::move(entry));
        return !stopped;
    };
    for (const auto& [name, source] : sources()) {
        try {
            source(dir, guarded, fault);
        } catch (const std::exception& e) {
            fault(e.what());
        }
        if (stopped)
            return false;
    }
    return true;
}

bool registerHeadingOpener(const std::string& kind, HeadingOpener go)
{
    headingOpeners()[kind] = std::move(go);
    return true;
}

bool openHeading(const TextPlace& place)
{
    if (place.node == 0)
        return false;
    const auto opener = headingOpeners().find(place.kind);
    if (opener == headingOpeners().end())
        return false;
    opener->second(place.node);
    return true;
}

} // namespace ovta
