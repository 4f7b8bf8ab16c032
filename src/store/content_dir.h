// The content directory: every content name ("data\\kenor002") is resolved
// under it. Backslashes become slashes; the exact path is tried first, then
// each component is matched case-insensitively (content copied from a CD
// often changes case). A name never resolves outside the directory.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovta {

class ContentDir {
public:
    explicit ContentDir(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // The existing file or directory the name stands for, or nothing when it
    // does not exist or would leave the content directory (absolute names,
    // drive letters, "." or "..", empty components, links that point out).
    std::optional<std::filesystem::path> resolve(std::string_view contentName) const;

    // The folders every copy of the content holds ("data", "data1", in any
    // case) that are missing here or are no folders; empty when all are here.
    std::vector<std::string> missingFolders() const;

    // The program-wide content directory (the working directory unless the
    // command line names another). Set once at start-up.
    static const ContentDir& current();
    static void setCurrent(std::filesystem::path root);

private:
    std::filesystem::path root_;
};

}  // namespace ovta
