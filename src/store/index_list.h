// An index list: a small text file of content, loaded whole. It is read
// either as lines (a line list) or as fixed 8-character decimal fields at
// 1-based positions of the list text, where every line is followed by CR LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/content_dir.h"

namespace ovta {

class IndexList {
public:
    // An empty list: no lines, empty text. Screens keep one when loading failed.
    IndexList() = default;

    // Loads the named content file whole. Throws FileError naming the file
    // when it cannot be found, opened or read.
    static IndexList load(const ContentDir& dir, std::string_view contentName);

    // A list over bytes already in memory; `name` is what error texts call it.
    static IndexList fromBytes(std::string name, std::string_view bytes);

    // The content name the list was loaded from (empty for an empty list).
    const std::string& name() const { return name_; }

    // The lines, split at CR, LF or CR LF; a break at the very end adds no line.
    const std::vector<std::string>& lines() const { return lines_; }
    std::size_t lineCount() const { return lines_.size(); }

    // Line `index` (0-based). Throws RangeError for an index outside the lines.
    const std::string& line(std::int64_t index) const;

    // Every line followed by CR LF, the last one too; empty for an empty file.
    const std::string& text() const { return text_; }

    // The 8-character field at 1-based `position` of the list text. Blanks or
    // zeros may pad it on the left; an optional '-' or '+' may stand right
    // before the digits ("   -1234", "-0001234"). Throws ConversionError,
    // quoting the field, for anything else: a field short of 8 characters
    // because it runs past either end of the text, no digits, a character
    // after the digits (a trailing blank too), a blank or zero before the sign.
    std::int32_t field(std::int64_t position) const;

    // Field `fieldNumber` (1-based) of record `record` (0-based) in records of
    // `recordSize` characters: the field at recordSize * record + 8 * (fieldNumber - 1) + 1.
    std::int32_t field(std::int64_t record, std::int64_t recordSize,
                       std::int64_t fieldNumber) const;

    // Whole records of `recordSize` characters in the list text; 0 when recordSize <= 0.
    std::int64_t recordCount(std::int64_t recordSize) const;

private:
    std::string name_;
    std::vector<std::string> lines_;
    std::string text_;
};

}  // namespace ovta
