// A scratch content directory for one test: created empty, removed with the
// object. Tests write the few files they need into it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ovta::test {

class FixtureDir {
public:
    FixtureDir();
    ~FixtureDir();
    FixtureDir(const FixtureDir&) = delete;
    FixtureDir& operator=(const FixtureDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes bytes to a content name ("data\\kenor002" or "data/x"), making
    // the folders on the way. Returns the file's path.
    std::filesystem::path write(std::string_view contentName, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

}  // namespace ovta::test
