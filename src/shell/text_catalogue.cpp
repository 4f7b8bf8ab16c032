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

bool TextEntry::hasText() const
{
    for (const TextSection& section : sections)
        if (!section.text.empty() || !section.further.empty())
            return true;
    return false;
}

std::string TextEntry::firstLine() const
{
    for (const TextSection& section : sections) {
        const std::string& text = section.text;
        const auto start = text.find_first_not_of("\r\n ");
        if (start == std::string::npos)
            continue;
        const auto end = text.find_first_of("\r\n", start);
        return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    }
    return {};
}

std::string zeroPadded(long long n, int width)
{
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return n < 0 ? "-" + digits : digits;
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
