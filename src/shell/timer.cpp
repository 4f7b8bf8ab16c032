#include "shell/timer.h"

#include "shell/error_report.h"

namespace ovta {

Timer::Timer(QObject* parent, int intervalMs, bool enabled, std::function<void()> onTimer)
    : QObject(parent), onTimer_(std::move(onTimer))
{
    // Coarse: within 5 % of the interval, so that the many animation timers
    // of a screen wake the program together and their changes are drawn in
    // one pass, instead of each waking it on its own.
    timer_.setTimerType(Qt::CoarseTimer);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &Timer::fire);
    setEnabled(enabled);
}

void Timer::setInterval(int ms)
{
    if (ms == timer_.interval())
        return;
    timer_.setInterval(ms);  // a running timer restarts with the new interval
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on && timer_.interval() > 0)
        timer_.start();
    else
        timer_.stop();
}

void Timer::fire()
{
    if (ticking_ || !onTimer_)
        return;
    ticking_ = true;
    guard(onTimer_);
    ticking_ = false;
}

}  // namespace ovta
