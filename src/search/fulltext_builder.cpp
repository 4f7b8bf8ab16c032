#include "search/fulltext_builder.h"

#include <exception>

namespace ovta {

FullTextBuilder::~FullTextBuilder()
{
    stop();
}

void FullTextBuilder::start(Collect collect)
{
    if (started_)
        return;
    started_ = true;
    cancel_ = false;
    ready_ = false;
    count_ = 0;
    index_ = std::make_unique<FullTextIndex>();
    thread_ = std::thread([this, collect = std::move(collect)] {
        try {
            collect([this](Document document) {
                if (cancel_.load(std::memory_order_relaxed))
                    return false;
                index_->add(std::move(document));
                count_.fetch_add(1, std::memory_order_relaxed);
                return true;
            });
        } catch (const std::exception& e) {
            const std::lock_guard lock(failureLock_);
            failure_ = e.what();
        }
        ready_.store(true, std::memory_order_release);
    });
}

std::string FullTextBuilder::failure() const
{
    const std::lock_guard lock(failureLock_);
    return failure_;
}

void FullTextBuilder::stop()
{
    cancel_ = true;
    if (thread_.joinable())
        thread_.join();
    started_ = false;
    ready_ = false;
    index_.reset();
}

FullTextBuilder& fullTextBuilder()
{
    static FullTextBuilder builder;
    return builder;
}

} // namespace ovta
