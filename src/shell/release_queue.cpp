#include "shell/release_queue.h"

#include <QPointer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "shell/error_report.h"
#include "shell/screen.h"

namespace ovta {
namespace {

struct Waiting {
    QPointer<Screen> screen;
    int loopLevel; // the deepest event loop it may be destroyed in
};

std::vector<Waiting>& queue()
{
    static std::vector<Waiting> q;
    return q;
}

int loopLevel()
{
    return static_cast<int>(QThread::currentThread()->loopLevel());
}

// A retry while a nested loop is still up; ticks only then.
constexpr int kRetryMs = 50;

void schedule(int delayMs)
{
    QTimer::singleShot(delayMs, [] { ReleaseQueue::collect(); });
}

} // namespace

void ReleaseQueue::add(Screen* screen)
{
    static const bool hooked = [] {
        setHandlersIdleHook([] {
            if (!queue().empty())
                schedule(0);
        });
        return true;
    }();
    (void)hooked;
    // The main loop is level 1; a screen released before it runs (or in a
    // test that only processes events) waits for level 0.
    queue().push_back({screen, std::min(loopLevel(), 1)});
    schedule(0);
}

int ReleaseQueue::collect()
{
    // A handler still running may belong to a waiting screen; the last one
    // to return schedules the next collection.
    if (runningHandlers() > 0)
        return waiting();
    const int level = loopLevel();
    std::vector<Screen*> doomed;
    auto& q = queue();
    bool deeper = false;
    for (auto it = q.begin(); it != q.end();) {
        if (!it->screen) {
            it = q.erase(it);
        } else if (level <= it->loopLevel) {
            doomed.push_back(it->screen);
            it = q.erase(it);
        } else {
            deeper = true;
            ++it;
        }
    }
    for (Screen* screen : doomed)
        delete screen;
    if (deeper)
        schedule(kRetryMs);
    return waiting();
}

int ReleaseQueue::waiting()
{
    return static_cast<int>(std::count_if(queue().begin(), queue().end(),
                                          [](const Waiting& w) { return !w.screen.isNull(); }));
}

} // namespace ovta
