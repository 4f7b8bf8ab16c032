// A data file of content: raw bytes from which texts are cut by offset and
// length. Opened once, read-only and without any locking, and kept for the
// life of the screen that reads it; every read uses the same handle.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/content_dir.h"
#include "store/content_file.h"

namespace ovta {

class DataFile {
public:
    // An invalid handle: every read gives the empty text.
    DataFile() = default;

    // Opens the named content file. Never throws: a file that is missing, not
    // a regular file or cannot be opened gives an invalid handle.
    static DataFile open(const ContentDir& dir, std::string_view contentName);

    bool valid() const { return file_.isOpen(); }

    // The content name it was opened with (kept for invalid handles too).
    const std::string& name() const { return name_; }

    // The text of `length` bytes at byte `offset`, cut before the first zero
    // byte. Past the end it is the bytes there are (possibly none); a negative
    // offset, like an invalid handle, gives the empty text. Throws RangeError
    // naming the file for a negative length, before anything is read. The
    // text holds no more memory than its own bytes, whatever length was asked.
    std::string read(std::int64_t offset, std::int64_t length) const;

private:
    ContentFile file_;
    std::string name_;
};

}  // namespace ovta
