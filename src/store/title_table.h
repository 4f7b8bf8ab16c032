// The 120 fixed headings, one glyph text per line of "data\kenor002".
// Entry k is line k; entries past the last line stay empty.
#pragma once

#include <array>
#include <string>

namespace ovta {

class ContentDir;

class TitleTable {
public:
    static constexpr int Size = 120;

    // Entry k (1..120); out of range gives the empty text.
    const std::string& entry(int k) const;

    // Reads the file line by line (breaks at CR, LF or CR LF). A file that is
    // missing, not a regular file or unreadable throws FileError and leaves
    // the table empty; a 121st line throws RangeError with entries 1..120 kept.
    void load(const ContentDir& dir);

    void clear();
    int filled() const { return filled_; }

private:
    std::array<std::string, Size> entries_{};
    int filled_ = 0;
};

}  // namespace ovta
