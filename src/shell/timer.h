// A screen timer with the semantics the screens were written for: an
// Interval in milliseconds and an Enabled switch; an interval set inside a
// tick applies to the next tick. A tick never starts while the previous
// tick of the same timer is still running (a handler that waits for media
// spins a local event loop), and every tick runs inside the error guard.
//
// Every timer runs on one TimerClock. A timer's ticks fall due on a fixed
// schedule counted from when it was started (or its interval changed from
// outside a tick), not from when the previous tick happened to run, so a
// late wake never shifts the ticks after it. The clock runs every tick due
// at the same moment in one wake: the menu's nine animations, started
// together, wake the program together at each common multiple of their
// intervals and their changes are painted in one pass.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

namespace ovta {

class Timer;

class TimerClock : public QObject {
    Q_OBJECT

public:
    // Milliseconds on a clock that never goes back.
    using Now = std::function<std::int64_t()>;

    // The clock of every screen timer, made at first use and owned by the
    // application.
    static TimerClock* shared();

    explicit TimerClock(Now now = {}, QObject* parent = nullptr);
    ~TimerClock() override;

    std::int64_t now() const { return now_(); }

    // Runs, in the order they fell due, every tick due by now, then sleeps
    // until the next one. The clock's own alarm calls this; tests with a
    // hand-driven time source call it themselves.
    void wake();

    // Wakes that ran at least one tick (a figure for tests).
    int wakesWithTicks() const { return wakesWithTicks_; }
    // When the alarm is set to go off next; -1 when no timer runs.
    std::int64_t alarmAt() const { return alarmAt_; }

private:
    friend class Timer;
    void add(Timer* timer);
    void remove(Timer* timer);
    void rearm();

    Now now_;
    QTimer alarm_;
    std::int64_t alarmAt_ = -1;
    std::vector<Timer*> running_;
    int wakesWithTicks_ = 0;
    std::uint64_t nextOrder_ = 0;
};

class Timer : public QObject {
    Q_OBJECT

public:
    // `clock` defaults to the shared clock.
    Timer(QObject* parent, int intervalMs, bool enabled, std::function<void()> onTimer,
          TimerClock* clock = nullptr);
    ~Timer() override;

    int interval() const { return intervalMs_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

    // Runs one tick now, as the clock would (tests drive timers this way).
    void fire();

    // When the next tick is due on the clock; -1 when the timer is stopped.
    std::int64_t dueAt() const { return scheduled_ ? due_ : -1; }

private:
    friend class TimerClock;
    // Runs the tick that fell due at `due`; afterwards the next one is due
    // an interval later, counted from `due`.
    void tick(std::int64_t due);
    // Puts the timer on the clock with its next tick due at `due`, or takes
    // it off when it should not run.
    void schedule(std::int64_t due);

    QPointer<TimerClock> clock_;
    int intervalMs_ = 0;
    bool enabled_ = false;
    bool ticking_ = false;
    bool scheduled_ = false;
    // Set when the tick's handler restarted the timer or changed its
    // interval: the schedule then starts over from the tick's due time.
    bool rescheduledInTick_ = false;
    std::int64_t due_ = 0;
    std::int64_t tickDue_ = 0;
    std::uint64_t order_ = 0;
    std::function<void()> onTimer_;
};

}  // namespace ovta
