// The full-text index of the whole content, built once per run on a thread
// of its own at first use, so that the dialog stays responsive while the
// articles are read; the dialog asks how far it got and searches once it is
// ready.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "search/fulltext_index.h"

namespace ovta {

class FullTextBuilder {
public:
    // Hands each document to `add`; stops when `add` returns false (the
    // build was cancelled). Runs on the builder's thread.
    using Collect = std::function<void(const std::function<bool(Document)>& add)>;

    FullTextBuilder() = default;
    FullTextBuilder(const FullTextBuilder&) = delete;
    FullTextBuilder& operator=(const FullTextBuilder&) = delete;
    ~FullTextBuilder();

    // Starts the build unless it was started already.
    void start(Collect collect);
    bool started() const { return started_; }
    bool ready() const { return ready_.load(std::memory_order_acquire); }
    std::size_t documentsSoFar() const { return count_.load(std::memory_order_relaxed); }
    // What stopped the collection early, empty when nothing did.
    std::string failure() const;

    // Only once ready() is true.
    const FullTextIndex& index() const { return *index_; }

    // Cancels a running build and waits for its thread; the builder can be
    // started again afterwards.
    void stop();

private:
    std::thread thread_;
    std::unique_ptr<FullTextIndex> index_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> ready_{false};
    std::atomic<std::size_t> count_{0};
    bool started_ = false;
    mutable std::mutex failureLock_;
    std::string failure_;
};

// The one builder of the run.
FullTextBuilder& fullTextBuilder();

} // namespace ovta
