// A screen timer with the semantics the screens were written for: an
// Interval in milliseconds and an Enabled switch; an interval set inside a
// tick applies to the next tick. A tick never starts while the previous
// tick of the same timer is still running (a handler that waits for media
// spins a local event loop), and every tick runs inside the error guard.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace ovta {

class Timer : public QObject {
    Q_OBJECT

public:
    Timer(QObject* parent, int intervalMs, bool enabled, std::function<void()> onTimer);

    int interval() const { return timer_.interval(); }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

    // Runs one tick now, as the clock would (tests drive timers this way).
    void fire();

private:
    QTimer timer_;
    bool enabled_ = false;
    bool ticking_ = false;
    std::function<void()> onTimer_;
};

}  // namespace ovta
