#include "store/content_dir.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace ovta {
namespace fs = std::filesystem;

namespace {

// ASCII folding only: content names are ASCII, and glyph bytes above 0x7F
// must not fold differently under whatever locale the process runs in.
char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldAscii(x) == foldAscii(y);
           });
}

// "C:\x" and the drive-relative "C:x" both name another drive.
bool startsWithDrive(std::string_view part)
{
    return part.size() >= 2 && part[1] == ':' &&
           ((part[0] >= 'A' && part[0] <= 'Z') || (part[0] >= 'a' && part[0] <= 'z'));
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
    if (startsWithDrive(parts.front()))
        return std::nullopt;
    for (const auto& p : parts)
        if (p.empty() || p == "." || p == "..")
            return std::nullopt;
    return parts;
}

bool existsFollowingLinks(const fs::path& p)
{
    std::error_code ec;
    return fs::exists(fs::status(p, ec));
}

// The exact name wins; otherwise the first case-insensitive match in byte
// order, so that a directory holding both "KENOR02" and "kenor02" always
// gives the same file whatever order the file system lists them in.
std::optional<fs::path> matchComponent(const fs::path& dir, const std::string& part)
{
    const fs::path exact = dir / part;
    if (existsFollowingLinks(exact))
        return exact;
    std::vector<std::string> matches;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (equalsIgnoreCase(name, part) && existsFollowingLinks(it->path()))
            matches.push_back(std::move(name));
    }
    if (matches.empty())
        return std::nullopt;
    return dir / *std::min_element(matches.begin(), matches.end());
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
    std::error_code rootError;
    std::error_code atError;
    const fs::path realRoot = fs::canonical(root_, rootError);
    const fs::path realAt = fs::canonical(at, atError);
    if (rootError || atError)
        return std::nullopt;
    const auto rel = realAt.lexically_relative(realRoot);
    if (rel.empty() || *rel.begin() == "..")
        return std::nullopt;
    return at;
}

std::vector<std::string> ContentDir::missingFolders() const
{
    std::vector<std::string> missing;
    for (const char* folder : {"data", "data1"}) {
        const auto at = resolve(folder);
        std::error_code ec;
        if (!at || !fs::is_directory(*at, ec))
            missing.emplace_back(folder);
    }
    return missing;
}

const ContentDir& ContentDir::current() { return currentDir(); }

void ContentDir::setCurrent(fs::path root) { currentDir() = ContentDir(std::move(root)); }

}  // namespace ovta
