#include "store/data_file.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <vector>

#include "store/errors.h"

namespace ovta {
namespace {

// Texts are read through a scratch buffer of at most this many bytes, so
// that a damaged length asks for no more memory than the text really takes.
constexpr std::int64_t kScratch = 64 * 1024;

}  // namespace

DataFile DataFile::open(const ContentDir& dir, std::string_view contentName)
{
    DataFile file;
    try {
        file.name_ = std::string(contentName);
        file.file_ = ContentFile::open(dir, contentName);
    } catch (const std::exception&) {
        // A file that cannot be opened (or memory running out while resolving
        // its name) leaves the handle invalid: reads through it give nothing.
    }
    return file;
}

std::string DataFile::read(std::int64_t offset, std::int64_t length) const
{
    if (length < 0)
        failContent<RangeError>(name_, "negative text length " + std::to_string(length));
    if (!valid() || offset < 0 || length == 0)
        return {};
    // The size is taken per read because the file is shared and may change
    // under us; damaged content may ask for gigabytes past its end.
    const std::int64_t size = file_.size();
    if (size <= offset)
        return {};
    std::int64_t left = std::min(length, size - offset);
    std::vector<char> scratch(static_cast<std::size_t>(std::min(left, kScratch)));
    std::string text;
    for (std::int64_t at = offset; left > 0;) {
        const auto want = static_cast<std::size_t>(std::min<std::int64_t>(left, kScratch));
        const std::size_t got = file_.readAt(at, scratch.data(), want);
        const void* zero = std::memchr(scratch.data(), '\0', got);
        const std::size_t keep =
            zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - scratch.data()) : got;
        text.append(scratch.data(), keep);
        if (zero || got < want)
            break;
        at += static_cast<std::int64_t>(got);
        left -= static_cast<std::int64_t>(got);
    }
    // Appending chunk by chunk grows the capacity ahead of the text.
    text.shrink_to_fit();
    return text;
}

}  // namespace ovta
