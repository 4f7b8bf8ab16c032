// A content file opened for reading: the one way every reader of content
// (lists, data files, the title table, pictures, fonts) gets at a file's
// bytes. The name is resolved under the content directory and must stand for
// a regular file: a directory, a pipe or a device named in damaged content is
// refused like a missing file, before anything could block on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "store/content_dir.h"

namespace ovta {

class ContentFile {
public:
    // Not open: its size is 0 and every read gives nothing.
    ContentFile() = default;

    // Opens the named content file read-only, shared, without locking.
    // Throws FileError naming it when it is missing, would leave the content
    // directory, is not a regular file, or cannot be opened.
    static ContentFile open(const ContentDir& dir, std::string_view contentName);

    // The whole named file. Throws FileError naming it when it cannot be
    // opened (as above) or read.
    static std::string readAll(const ContentDir& dir, std::string_view contentName);

    // The path of the named file when it is one that open() would take; for
    // a reader that must hand a path to a library that opens it by itself.
    static std::optional<std::filesystem::path> regularFile(const ContentDir& dir,
                                                            std::string_view contentName);

    ~ContentFile();
    ContentFile(ContentFile&& other) noexcept;
    ContentFile& operator=(ContentFile&& other) noexcept;
    ContentFile(const ContentFile&) = delete;
    ContentFile& operator=(const ContentFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // The size now: the file is shared, so it may change between two calls.
    std::int64_t size() const;

    // Up to `count` bytes at byte `offset` into `out`; fewer at the end of
    // the file or when reading fails. Returns how many were read.
    std::size_t readAt(std::int64_t offset, char* out, std::size_t count) const;

private:
    void close() noexcept;

    int fd_ = -1;
};

}  // namespace ovta
