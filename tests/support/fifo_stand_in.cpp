#include "support/fifo_stand_in.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace ovta::test {

FifoStandIn::FifoStandIn(std::filesystem::path path) : path_(std::move(path))
{
    std::filesystem::create_directories(path_.parent_path());
    if (::mkfifo(path_.c_str(), 0600) != 0)
        throw std::runtime_error("cannot make fifo " + path_.string());
    releaser_ = std::thread([this] {
        for (;;) {
            // Blocks until a reader opens the pipe; closing gives it the end of the file.
            const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
            if (fd < 0)
                return;
            // Counted before the close, so that the reader sees the count by
            // the time it has read the end of the file.
            if (!stopping_)
                ++opens_;
            ::close(fd);
            if (stopping_)
                return;
        }
    });
}

FifoStandIn::~FifoStandIn()
{
    stopping_ = true;
    // Our own reader lets the helper's pending open return.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    releaser_.join();
    if (fd >= 0)
        ::close(fd);
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

}  // namespace ovta::test
