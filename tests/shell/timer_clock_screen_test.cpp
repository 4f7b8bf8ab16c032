// The clock under every screen timer: ticks on a fixed schedule from the
// start, ticks due together run in one wake, late wakes neither replay nor
// shift ticks, and ticks may stop, restart or destroy timers (their own or
// others) safely.
#include "shell/timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace ovta {
namespace {

// A clock on a hand-driven time source: time moves only through runTo(),
// which wakes the clock whenever its alarm is due on the way.
struct Sim {
    std::int64_t ms = 0;
    TimerClock clock{[this] { return ms; }};
    int wakes = 0;

    void runTo(std::int64_t until)
    {
        while (clock.alarmAt() >= 0 && clock.alarmAt() <= until) {
            ms = std::max(ms, clock.alarmAt());
            ++wakes;
            clock.wake();
        }
        ms = until;
    }
    // A wake that comes late: time jumps to `at` before the clock wakes.
    void wakeAt(std::int64_t at)
    {
        ms = at;
        ++wakes;
        clock.wake();
    }
};

TEST(TimerClock, TicksKeepTheirScheduleAndTicksDueTogetherShareAWake)
{
    struct Case {
        const char* name;
        std::vector<int> intervals;
        std::int64_t until;
    } cases[] = {
        {"one timer", {500}, 3000},
        {"two that meet at 3.5 s", {500, 700}, 7000},
        {"the same interval twice", {400, 400}, 2000},
        {"coprime", {300, 700, 1100}, 23100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Sim sim;
        std::vector<std::unique_ptr<Timer>> timers;
        std::map<std::int64_t, std::set<std::size_t>> ticksAt;  // time -> timers
        for (std::size_t i = 0; i < c.intervals.size(); ++i)
            timers.push_back(std::make_unique<Timer>(
                nullptr, c.intervals[i], true, [&, i] { ticksAt[sim.ms].insert(i); }, &sim.clock));
        sim.runTo(c.until);
        // Every tick at its multiple of the interval, none elsewhere.
        std::map<std::int64_t, std::set<std::size_t>> expected;
        for (std::size_t i = 0; i < c.intervals.size(); ++i)
            for (std::int64_t t = c.intervals[i]; t <= c.until; t += c.intervals[i])
                expected[t].insert(i);
        EXPECT_EQ(ticksAt, expected);
        // One wake for each moment something was due.
        EXPECT_EQ(sim.wakes, static_cast<int>(expected.size()));
        EXPECT_EQ(sim.clock.wakesWithTicks(), static_cast<int>(expected.size()));
    }
}

// The menu starts its nine animations at 1 ms and each first tick sets the
// animation's own interval: from then on the nine wake the program only at
// the moments one of them is due, together.
TEST(TimerClock, AnimationsStartedTogetherStayInStep)
{
    const int intervals[] = {500, 600, 400, 500, 800, 700, 700, 800, 900};
    Sim sim;
    sim.ms = 1000;
    std::vector<std::unique_ptr<Timer>> timers;
    std::map<std::int64_t, int> ticksAt;
    for (int interval : intervals) {
        const std::size_t index = timers.size();
        // Each handler sets its own interval, as the menu's animations do.
        timers.push_back(std::make_unique<Timer>(nullptr, 1, false, [&, interval, index] {
            ++ticksAt[sim.ms];
            timers[index]->setInterval(interval);
        }, &sim.clock));
    }
    for (auto& t : timers)
        t->start();
    const std::int64_t first = 1001;
    sim.runTo(first + 25200);
    std::map<std::int64_t, int> expected{{first, 9}};
    for (std::int64_t k = 100; k <= 25200; k += 100) {
        int due = 0;
        for (int interval : intervals)
            due += k % interval == 0;
        if (due)
            expected[first + k] = due;
    }
    EXPECT_EQ(ticksAt, expected);
    EXPECT_EQ(sim.clock.wakesWithTicks(), static_cast<int>(expected.size()));
}

TEST(TimerClock, ALateWakeRunsOneTickAndKeepsThePhase)
{
    Sim sim;
    std::vector<std::int64_t> ticks;
    Timer t(nullptr, 500, true, [&] { ticks.push_back(sim.ms); }, &sim.clock);
    sim.wakeAt(1730);  // 500, 1000 and 1500 all passed
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1730}));
    EXPECT_EQ(t.dueAt(), 2000);
    sim.runTo(2600);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1730, 2000, 2500}));
}

TEST(TimerClock, IntervalChanges)
{
    struct Case {
        const char* name;
        bool insideTick;
        std::int64_t tickRunsAt;  // the first tick is due at 100
        std::int64_t nextDue;
    } cases[] = {
        // Inside a tick: counted from when the tick was due, even if it ran late.
        {"inside an on-time tick", true, 100, 400},
        {"inside a late tick", true, 130, 400},
        {"inside a tick later than the new interval", true, 450, 700},
        // From outside: the timer starts over from now.
        {"from outside", false, 130, 430},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Sim sim;
        Timer* self = nullptr;
        bool change = c.insideTick;
        Timer t(nullptr, 100, true, [&] {
            if (change) {
                change = false;
                self->setInterval(300);
            }
        }, &sim.clock);
        self = &t;
        if (c.insideTick) {
            sim.wakeAt(c.tickRunsAt);
        } else {
            sim.ms = c.tickRunsAt;
            t.setInterval(300);
        }
        EXPECT_EQ(t.dueAt(), c.nextDue);
        EXPECT_EQ(t.interval(), 300);
    }
}

TEST(TimerClock, StartStopAndNothingToRun)
{
    Sim sim;
    Timer t(nullptr, 0, true, [] {}, &sim.clock);
    EXPECT_EQ(t.dueAt(), -1) << "an interval of 0 never ticks";
    EXPECT_EQ(sim.clock.alarmAt(), -1);
    sim.ms = 40;
    t.setInterval(250);
    EXPECT_EQ(t.dueAt(), 290);
    EXPECT_EQ(sim.clock.alarmAt(), 290);
    t.stop();
    EXPECT_EQ(t.dueAt(), -1);
    EXPECT_EQ(sim.clock.alarmAt(), -1) << "a stopped timer does not wake the program";
    sim.ms = 1000;
    t.start();
    EXPECT_EQ(t.dueAt(), 1250);
}

// What one tick does to another timer due at the same moment.
TEST(TimerClock, ATickMayStopRestartOrDestroyAnotherTimerDueWithIt)
{
    enum class Act { Stop, Restart, Destroy, StopItself };
    struct Case {
        const char* name;
        Act act;
        bool otherRuns;
        std::int64_t otherNextDue;  // -1: stopped or gone
    } cases[] = {
        {"stop", Act::Stop, false, -1},
        {"restart", Act::Restart, false, 300},
        {"destroy", Act::Destroy, false, -1},
        {"stop itself", Act::StopItself, true, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Sim sim;
        int otherTicks = 0;
        auto other = std::make_unique<Timer>(nullptr, 100, true, [&] { ++otherTicks; }, &sim.clock);
        Timer* first = nullptr;
        auto firstTimer = std::make_unique<Timer>(nullptr, 100, false, [&] {
            switch (c.act) {
            case Act::Stop: other->stop(); break;
            case Act::Restart: other->stop(); other->setInterval(200); other->start(); break;
            case Act::Destroy: other.reset(); break;
            case Act::StopItself: first->stop(); break;
            }
        }, &sim.clock);
        first = firstTimer.get();
        // Both due at 100, `first` ordered before `other` by starting it now
        // with a due time moved to match.
        sim.ms = 0;
        first->start();
        other->stop();
        other->start();
        sim.wakeAt(100);
        EXPECT_EQ(otherTicks, c.otherRuns ? 1 : 0);
        EXPECT_EQ(other ? other->dueAt() : -1, c.otherNextDue);
        EXPECT_EQ(first->dueAt(), c.act == Act::StopItself ? -1 : 200);
    }
}

// A tick waiting in a local event loop lets the other timers run, while its
// own ticks that fall due meanwhile are dropped, not run inside it.
TEST(TimerClock, ATickWaitingInALoopLetsOthersRunButNeverItself)
{
    Sim sim;
    int depth = 0, maxDepth = 0, slowTicks = 0, fastTicks = 0;
    Timer fast(nullptr, 100, true, [&] { ++fastTicks; }, &sim.clock);
    Timer slow(nullptr, 100, true, [&] {
        ++slowTicks;
        maxDepth = std::max(maxDepth, ++depth);
        if (slowTicks == 1)
            sim.runTo(450);  // the wait: time passes, the clock wakes
        --depth;
    }, &sim.clock);
    sim.wakeAt(100);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(slowTicks, 1);
    EXPECT_EQ(fastTicks, 4) << "100, then 200, 300, 400 during the wait";
    EXPECT_EQ(slow.dueAt(), 500) << "the wait's own ticks dropped, the phase kept";
    sim.runTo(500);
    EXPECT_EQ(slowTicks, 2);
}

TEST(TimerClock, TimersOutliveTheirClock)
{
    auto clock = std::make_unique<TimerClock>([] { return std::int64_t{0}; });
    Timer t(nullptr, 100, true, [] {}, clock.get());
    clock.reset();
    t.stop();
    t.start();
    t.setInterval(50);
    EXPECT_EQ(t.dueAt(), -1);
}

// On the real clock: two timers started together run their common ticks in
// one wake, however late the wakes come on a busy machine.
TEST(TimerClock, RealTimeTicksDueTogetherShareAWake)
{
    TimerClock* clock = TimerClock::shared();
    std::vector<std::pair<std::int64_t, int>> a, b;  // (due, wake)
    Timer* ta = nullptr;
    Timer* tb = nullptr;
    Timer timerA(nullptr, 20, false, [&] { a.push_back({ta->dueAt(), clock->wakesWithTicks()}); });
    Timer timerB(nullptr, 30, false, [&] { b.push_back({tb->dueAt(), clock->wakesWithTicks()}); });
    ta = &timerA;
    tb = &timerB;
    timerA.start();
    timerB.start();
    QElapsedTimer elapsed;
    elapsed.start();
    while (b.size() < 6 && elapsed.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    timerA.stop();
    timerB.stop();
    ASSERT_GE(b.size(), 6u);
    int shared = 0;
    for (const auto& [due, wake] : b)
        for (const auto& [dueA, wakeA] : a)
            if (std::abs(dueA - due) <= 2) {  // started in the same or the next ms
                EXPECT_EQ(wakeA, wake) << "due at " << due;
                ++shared;
            }
    EXPECT_GE(shared, 2) << "60 and 120 ms after the start at least";
}

}  // namespace
}  // namespace ovta
