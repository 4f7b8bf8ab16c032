#include "store/data_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "store/errors.h"

namespace ovta {

DataFile DataFile::open(const ContentDir& dir, std::string_view contentName)
{
    DataFile file;
    try {
        file.name_ = std::string(contentName);
        const auto path = dir.resolve(contentName);
        if (!path)
            return file;
        // Non-blocking, so that a FIFO named in damaged content cannot hang
        // the open; anything but a regular file is refused just after.
        int fd = -1;
        do {
            fd = ::open(path->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0)
            return file;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return file;
        }
        file.fd_ = fd;
    } catch (const std::exception&) {
        // Resolving can only fail by running out of memory; the handle stays invalid.
    }
    return file;
}

DataFile::~DataFile() { close(); }

DataFile::DataFile(DataFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), name_(std::move(other.name_))
{
}

DataFile& DataFile::operator=(DataFile&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        name_ = std::move(other.name_);
    }
    return *this;
}

void DataFile::close() noexcept
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::string DataFile::read(std::int64_t offset, std::int64_t length) const
{
    if (length < 0)
        throw RangeError("negative length " + std::to_string(length) + " reading data file " +
                         name_);
    if (fd_ < 0 || offset < 0 || length == 0)
        return {};
    // Damaged content may ask for gigabytes: never reserve more than the file
    // still holds after the offset. The size is taken per read because the
    // file is shared and may change under us.
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || st.st_size <= offset)
        return {};
    const auto wanted =
        static_cast<std::size_t>(std::min<std::int64_t>(length, st.st_size - offset));
    std::string text(wanted, '\0');
    std::size_t got = 0;
    while (got < wanted) {
        const ssize_t n = ::pread(fd_, text.data() + got, wanted - got,
                                  static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    const auto zero = text.find('\0');
    if (zero != std::string::npos)
        text.resize(zero);
    return text;
}

}  // namespace ovta
