// A named pipe standing where a content file should be. Nothing ever writes
// to it, so a reader that opens it and reads would wait for ever; a helper
// thread keeps opening its other end and closing it again at once, so such a
// reader gets the end of the file instead and its test fails rather than
// hangs. opens() counts the readers that opened the pipe at all.
#pragma once

#include <atomic>
#include <filesystem>
#include <thread>

namespace ovta::test {

class FifoStandIn {
public:
    explicit FifoStandIn(std::filesystem::path path);
    ~FifoStandIn();
    FifoStandIn(const FifoStandIn&) = delete;
    FifoStandIn& operator=(const FifoStandIn&) = delete;

    int opens() const { return opens_.load(); }

private:
    std::filesystem::path path_;
    std::atomic<bool> stopping_{false};
    std::atomic<int> opens_{0};
    std::thread releaser_;
};

}  // namespace ovta::test
