#include "store/index_list.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "store/content_file.h"
#include "store/errors.h"

namespace ovta {
namespace {

constexpr std::int64_t kFieldWidth = 8;

// Strict decimal: blanks, an optional sign, at least one digit, nothing else.
std::optional<std::int32_t> parseField(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        return std::nullopt;
    // Accumulate the magnitude negatively so that the most negative value fits.
    std::int64_t value = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 - (c - '0');
        if (value < std::numeric_limits<std::int32_t>::min())
            return std::nullopt;
    }
    if (!negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

}  // namespace

IndexList IndexList::load(const ContentDir& dir, std::string_view contentName)
{
    std::string name(contentName);
    const std::string bytes = ContentFile::readAll(dir, name);
    return fromBytes(std::move(name), bytes);
}

IndexList IndexList::fromBytes(std::string name, std::string_view bytes)
{
    IndexList list;
    list.name_ = std::move(name);
    list.lines_ = splitLines(bytes);
    std::size_t size = 0;
    for (const auto& line : list.lines_)
        size += line.size() + 2;
    list.text_.reserve(size);
    for (const auto& line : list.lines_) {
        list.text_ += line;
        list.text_ += "\r\n";
    }
    return list;
}

const std::string& IndexList::line(std::int64_t index) const
{
    if (index < 0 || static_cast<std::uint64_t>(index) >= lines_.size())
        failContent<RangeError>(name_, "line index " + std::to_string(index) + " is outside its " +
                                           std::to_string(lines_.size()) + " lines");
    return lines_[static_cast<std::size_t>(index)];
}

std::int32_t IndexList::field(std::int64_t position) const
{
    // Only the part of the 8 characters that lies inside the text is taken;
    // a field that runs past either end is short and so not a number.
    const auto length = static_cast<std::int64_t>(text_.size());
    const std::int64_t first = std::max<std::int64_t>(position, 1);
    constexpr auto kLastStart = std::numeric_limits<std::int64_t>::max() - (kFieldWidth - 1);
    const std::int64_t last =
        position > kLastStart ? length : std::min(position + kFieldWidth - 1, length);
    std::string_view fieldText;
    if (first <= last)
        fieldText = std::string_view(text_).substr(static_cast<std::size_t>(first - 1),
                                                   static_cast<std::size_t>(last - first + 1));
    const auto value = static_cast<std::int64_t>(fieldText.size()) == kFieldWidth
                           ? parseField(fieldText)
                           : std::nullopt;
    if (!value)
        failContent<ConversionError>(name_, "field " + quoteBytes(fieldText) + " at character " +
                                                std::to_string(position) + " is not a number");
    return *value;
}

std::int32_t IndexList::field(std::int64_t record, std::int64_t recordSize,
                              std::int64_t fieldNumber) const
{
    std::int64_t recordStart = 0;
    std::int64_t fieldIndex = 0;
    std::int64_t fieldOffset = 0;
    std::int64_t position = 0;
    if (__builtin_mul_overflow(recordSize, record, &recordStart) ||
        __builtin_sub_overflow(fieldNumber, 1, &fieldIndex) ||
        __builtin_mul_overflow(kFieldWidth, fieldIndex, &fieldOffset) ||
        __builtin_add_overflow(recordStart, fieldOffset, &position) ||
        __builtin_add_overflow(position, 1, &position))
        failContent<ConversionError>(name_, "field " + std::to_string(fieldNumber) + " of record " +
                                                std::to_string(record) +
                                                " lies outside the list text");
    return field(position);
}

std::int64_t IndexList::recordCount(std::int64_t recordSize) const
{
    if (recordSize <= 0)
        return 0;
    return static_cast<std::int64_t>(text_.size()) / recordSize;
}

}  // namespace ovta
