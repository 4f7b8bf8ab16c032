#include "store/content_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <utility>

#include "store/errors.h"

namespace ovta {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

bool isRegular(const std::filesystem::path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// One pread, retried when a signal interrupts it: the bytes read, 0 at the
// end of the file, -1 when reading fails.
ssize_t readOnce(int fd, std::int64_t offset, char* out, std::size_t count)
{
    ssize_t n = -1;
    do {
        n = ::pread(fd, out, count, static_cast<off_t>(offset));
    } while (n < 0 && errno == EINTR);
    return n;
}

}  // namespace

std::optional<std::filesystem::path> ContentFile::regularFile(const ContentDir& dir,
                                                              std::string_view contentName)
{
    auto path = dir.resolve(contentName);
    if (!path || !isRegular(*path))
        return std::nullopt;
    return path;
}

ContentFile ContentFile::open(const ContentDir& dir, std::string_view contentName)
{
    const auto path = regularFile(dir, contentName);
    if (!path)
        failContent<FileError>(contentName, "cannot be opened");
    // The name was a regular file a moment ago; should it be swapped for a
    // pipe since, the non-blocking open still returns at once and the check
    // on the open handle refuses it.
    int fd = -1;
    do {
        fd = ::open(path->c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        failContent<FileError>(contentName, "cannot be opened");
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        failContent<FileError>(contentName, "cannot be opened");
    }
    ContentFile file;
    file.fd_ = fd;
    return file;
}

std::string ContentFile::readAll(const ContentDir& dir, std::string_view contentName)
{
    const ContentFile file = open(dir, contentName);
    const std::int64_t expected = file.size();
    std::string bytes(static_cast<std::size_t>(expected > 0 ? expected : 0), '\0');
    std::size_t have = 0;
    // The size is only a first guess: the file is shared and may grow or
    // shrink while it is read, so reading goes on to the end of the file.
    std::array<char, kChunk> more{};
    for (;;) {
        const bool intoBytes = have < bytes.size();
        char* out = intoBytes ? bytes.data() + have : more.data();
        const std::size_t room = intoBytes ? bytes.size() - have : more.size();
        const ssize_t n = readOnce(file.fd_, static_cast<std::int64_t>(have), out, room);
        if (n < 0)
            failContent<FileError>(contentName, "cannot be read");
        if (n == 0)
            break;
        if (!intoBytes)
            bytes.append(more.data(), static_cast<std::size_t>(n));
        have += static_cast<std::size_t>(n);
    }
    bytes.resize(have);
    return bytes;
}

ContentFile::~ContentFile() { close(); }

ContentFile::ContentFile(ContentFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

ContentFile& ContentFile::operator=(ContentFile&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void ContentFile::close() noexcept
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::int64_t ContentFile::size() const
{
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0)
        return 0;
    return static_cast<std::int64_t>(st.st_size);
}

std::size_t ContentFile::readAt(std::int64_t offset, char* out, std::size_t count) const
{
    if (fd_ < 0 || offset < 0)
        return 0;
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n =
            readOnce(fd_, offset + static_cast<std::int64_t>(got), out + got, count - got);
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

}  // namespace ovta
