#include "shell/timer.h"

#include "shell/error_report.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>

namespace ovta {

namespace {

std::int64_t steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The first tick due after `now` on a schedule through `due` with the
// given period (a wake that came late skips the ticks it missed and keeps
// the schedule's phase).
std::int64_t nextAfter(std::int64_t due, std::int64_t now, std::int64_t period)
{
    if (due > now)
        return due;
    return due + period * ((now - due) / period + 1);
}

// Ticks due this close after a wake run in it, a little early, rather than
// wake the program again a millisecond later (timers started together in
// one handler can straddle a millisecond).
constexpr std::int64_t kEarlyMs = 2;

}  // namespace

// ---- TimerClock

TimerClock* TimerClock::shared()
{
    static QPointer<TimerClock> clock;
    if (!clock)
        clock = new TimerClock({}, QCoreApplication::instance());
    return clock;
}

TimerClock::TimerClock(Now now, QObject* parent)
    : QObject(parent), now_(now ? std::move(now) : Now(steadyMs))
{
    alarm_.setSingleShot(true);
    alarm_.setTimerType(Qt::PreciseTimer);
    connect(&alarm_, &QTimer::timeout, this, &TimerClock::wake);
}

TimerClock::~TimerClock()
{
    for (Timer* timer : running_)
        timer->scheduled_ = false;
}

void TimerClock::add(Timer* timer)
{
    timer->order_ = nextOrder_++;
    if (std::find(running_.begin(), running_.end(), timer) == running_.end())
        running_.push_back(timer);
    rearm();
}

void TimerClock::remove(Timer* timer)
{
    const auto at = std::find(running_.begin(), running_.end(), timer);
    if (at == running_.end())
        return;
    running_.erase(at);
    rearm();
}

void TimerClock::rearm()
{
    std::int64_t first = -1;
    for (const Timer* timer : running_)
        if (first < 0 || timer->due_ < first)
            first = timer->due_;
    if (first == alarmAt_ && (first < 0 || alarm_.isActive()))
        return;
    alarmAt_ = first;
    if (first < 0) {
        alarm_.stop();
        return;
    }
    alarm_.start(static_cast<int>(std::clamp<std::int64_t>(first - now_(), 0, 1 << 30)));
}

void TimerClock::wake()
{
    const std::int64_t now = now_();
    // What is due now, in the order it fell due (timers due together in the
    // order they were started). A tick may stop, start or destroy any timer,
    // so each one is looked up again before it runs.
    struct Due {
        Timer* timer;
        std::uint64_t order;
        std::int64_t due;
    };
    std::vector<Due> due;
    for (Timer* timer : running_)
        if (timer->due_ <= now + kEarlyMs)
            due.push_back({timer, timer->order_, timer->due_});
    std::sort(due.begin(), due.end(), [](const Due& a, const Due& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    if (!due.empty())
        ++wakesWithTicks_;
    // While the ticks run the alarm stays set for what is already due, so
    // that a tick waiting in a local event loop does not hold up the others.
    alarmAt_ = -1;
    rearm();
    for (const Due& d : due) {
        const bool live = std::find(running_.begin(), running_.end(), d.timer) != running_.end();
        if (!live || d.timer->order_ != d.order || d.timer->due_ != d.due)
            continue;  // stopped, restarted or destroyed by an earlier tick
        d.timer->tick(d.due);
    }
    alarmAt_ = -1;  // the alarm has gone off: set it again
    rearm();
}

// ---- Timer

Timer::Timer(QObject* parent, int intervalMs, bool enabled, std::function<void()> onTimer,
             TimerClock* clock)
    : QObject(parent), clock_(clock ? clock : TimerClock::shared()), intervalMs_(intervalMs),
      onTimer_(std::move(onTimer))
{
    setEnabled(enabled);
}

Timer::~Timer()
{
    if (scheduled_ && clock_)
        clock_->remove(this);
}

void Timer::schedule(std::int64_t due)
{
    if (!clock_)
        return;
    if (!enabled_ || intervalMs_ <= 0) {
        scheduled_ = false;
        clock_->remove(this);
        return;
    }
    due_ = due;
    scheduled_ = true;
    clock_->add(this);
}

void Timer::setInterval(int ms)
{
    if (ms == intervalMs_)
        return;
    intervalMs_ = ms;
    if (!enabled_)
        return;
    if (ticking_) {
        // Applies to the next tick, an interval after this one was due.
        rescheduledInTick_ = true;
        schedule(clock_ ? nextAfter(tickDue_ + ms, clock_->now(), ms) : 0);
    } else if (clock_) {
        schedule(clock_->now() + ms);  // a running timer starts over
    }
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (ticking_)
        rescheduledInTick_ = true;
    schedule(clock_ ? clock_->now() + intervalMs_ : 0);
}

void Timer::fire()
{
    tick(clock_ ? clock_->now() : 0);
}

void Timer::tick(std::int64_t due)
{
    if (ticking_ || !onTimer_) {
        // A tick that falls due while the last one still runs is dropped.
        if (scheduled_ && clock_ && due == due_)
            schedule(nextAfter(due_ + intervalMs_, clock_->now(), intervalMs_));
        return;
    }
    ticking_ = true;
    rescheduledInTick_ = false;
    tickDue_ = due;
    const QPointer<Timer> alive(this);
    guard(onTimer_);
    if (!alive)
        return;
    ticking_ = false;
    if (!rescheduledInTick_ && scheduled_ && clock_)
        schedule(nextAfter(due + intervalMs_, clock_->now(), intervalMs_));
}

}  // namespace ovta
