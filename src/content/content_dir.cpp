#include "content/content_dir.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>
#include <vector>

namespace ovta {
namespace fs = std::filesystem;

namespace {

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// Splits a content name at backslashes and slashes; refuses names that could
// step outside the content directory.
std::optional<std::vector<std::string>> components(std::string_view name)
{
    std::vector<std::string> parts;
    std::string current;
    if (name.empty() || name.front() == '\\' || name.front() == '/')
        return std::nullopt;
    for (char c : name) {
        if (c == '\\' || c == '/') {
            parts.push_back(std::move(current));
            current.clear();
        } else if (c == '\0') {
            return std::nullopt;
        } else {
            current += c;
        }
    }
    parts.push_back(std::move(current));
    for (const auto& p : parts)
        if (p.empty() || p == "." || p == "..")
            return std::nullopt;
    return parts;
}

std::optional<fs::path> matchComponent(const fs::path& dir, const std::string& part)
{
    std::error_code ec;
    const fs::path exact = dir / part;
    if (fs::exists(fs::symlink_status(exact, ec)))
        return exact;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalsIgnoreCase(it->path().filename().string(), part))
            return it->path();
    }
    return std::nullopt;
}

ContentDir& currentDir()
{
    static ContentDir dir{fs::path(".")};
    return dir;
}

}  // namespace

ContentDir::ContentDir(fs::path root) : root_(std::move(root)) {}

std::optional<fs::path> ContentDir::resolve(std::string_view contentName) const
{
    const auto parts = components(contentName);
    if (!parts)
        return std::nullopt;
    fs::path at = root_;
    for (const auto& part : *parts) {
        auto next = matchComponent(at, part);
        if (!next)
            return std::nullopt;
        at = std::move(*next);
    }
    // A link inside the content may still point anywhere; keep the result
    // within the directory's real location.
    std::error_code ec;
    const fs::path realRoot = fs::weakly_canonical(root_, ec);
    const fs::path realAt = fs::weakly_canonical(at, ec);
    if (ec)
        return std::nullopt;
    auto rel = realAt.lexically_relative(realRoot);
    if (rel.empty() || *rel.begin() == "..")
        return std::nullopt;
    return at;
}

const ContentDir& ContentDir::current() { return currentDir(); }

void ContentDir::setCurrent(fs::path root) { currentDir() = ContentDir(std::move(root)); }

}  // namespace ovta
