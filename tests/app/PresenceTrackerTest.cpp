#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include <gtest/gtest.h>

#include "app/IdleMonitor.h"
#include "app/PresenceTracker.h"
#include "core/BreakEngine.h"
#include "support/FakeIdleTimeSource.h"
#include "support/FakeSleepWatcher.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

class PresenceTrackerTest : public ::testing::Test {
protected:
    test::ManualClock clock;
    test::ManualMainLoop loop{clock};
    // A focus session long enough that no sleep below ends it.
    static constexpr std::int64_t kFocus = 100 * 3600;
    BreakEngine engine{[] {
                           BreakSettings s = BreakSettings::standard;
                           s.focusMinutes = kFocus / 60;
                           return s;
                       }(),
                       clock, loop};
    double idle = 0.0;
    int reads = 0;
    test::FakeIdleTimeSource idleSource{[this] {
        ++reads;
        return std::optional(idle);
    }};
    IdleMonitor monitor{idleSource};
    test::FakeSleepWatcher watcher;
    std::unique_ptr<PresenceTracker> tracker = std::make_unique<PresenceTracker>(engine, monitor, watcher, clock, loop);

    // The whole seconds the engine's deadline moved during `action`: what the countdown
    // shows beyond the time that passed.
    template <typename Action> std::int64_t deadlineShiftDuring(Action action)
    {
        engine.advanceForTesting(0);
        const std::int64_t before = engine.remainingSeconds();
        const TimePoint start = clock.now();
        action();
        engine.advanceForTesting(0);
        const double elapsed = std::chrono::duration<double>(clock.now() - start).count();
        return std::int64_t(std::floor(double(engine.remainingSeconds() - before) + elapsed));
    }

    // A sleep of `d` that no timer notices, as with a suspended machine.
    void sleepFor(std::chrono::nanoseconds d)
    {
        watcher.willSleep();
        loop.runPending();
        clock.advance(d);
        watcher.didWake();
        loop.runPending();
    }
};

} // namespace

TEST_F(PresenceTrackerTest, SamplesAtOnceThenEveryFiveSeconds)
{
    idle = 12.9;
    tracker->start();
    EXPECT_EQ(engine.currentIdleSeconds(), 12);
    EXPECT_EQ(watcher.startCount, 1);

    idle = 30.2;
    loop.advance(4900ms);
    EXPECT_EQ(engine.currentIdleSeconds(), 12);
    loop.advance(100ms);
    EXPECT_EQ(engine.currentIdleSeconds(), 30);

    // Starting again replaces the timer rather than adding one, and registers for sleep once.
    tracker->start();
    reads = 0;
    loop.advance(60s);
    EXPECT_EQ(reads, 12);
    EXPECT_EQ(watcher.startCount, 1);
}

TEST_F(PresenceTrackerTest, IdleTimeIsTruncatedAndNeverNegative)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    using Case = std::pair<double, std::int64_t>;
    for (auto [in, out] : {Case{12.9, 12}, Case{-0.5, 0}, Case{0.0, 0}, Case{std::nan(""), 0}, Case{1e300, kMax}})
        EXPECT_EQ(PresenceTracker::wholeIdleSeconds(in), out) << in;
}

TEST_F(PresenceTrackerTest, SleepMovesTheCountdownByTheTimeSlept)
{
    tracker->start();
    EXPECT_EQ(deadlineShiftDuring([&] { sleepFor(1800s + 900ms); }), 1800);
    EXPECT_EQ(engine.remainingSeconds(), kFocus);
    EXPECT_EQ(deadlineShiftDuring([&] { sleepFor(48h); }), PresenceTracker::kMaxSleepCompensationSeconds);
    EXPECT_EQ(deadlineShiftDuring([&] { sleepFor(-2h); }), 0) << "a clock that went back gives nothing";
    EXPECT_FALSE(tracker->sleepDateForTesting());
}

// Measured from the last announcement; the idle time is sampled at once on waking.
TEST_F(PresenceTrackerTest, SleepIsMeasuredFromTheLastAnnouncement)
{
    tracker->start();
    watcher.willSleep();
    loop.runPending();
    clock.advance(100s);
    idle = 42.4;
    EXPECT_EQ(deadlineShiftDuring([&] { sleepFor(600s); }), 600);
    EXPECT_EQ(engine.currentIdleSeconds(), 42);
}

// Also after a sleep: one sleep is compensated once, not at every later wake.
TEST_F(PresenceTrackerTest, WakeWithoutSleepDoesNothing)
{
    tracker->start();
    idle = 40;
    const auto wakeAfterAnHour = [&] {
        clock.advance(1h);
        watcher.didWake();
        loop.runPending();
    };
    EXPECT_EQ(deadlineShiftDuring(wakeAfterAnHour), 0);
    EXPECT_EQ(engine.currentIdleSeconds(), 0) << "nor samples the idle time";
    sleepFor(300s);
    EXPECT_EQ(deadlineShiftDuring(wakeAfterAnHour), 0);
}

TEST_F(PresenceTrackerTest, SleepInstantIsReadWhenAnnouncedNotWhenQueuedWorkRuns)
{
    tracker->start();
    watcher.willSleep();
    // The machine sleeps before the queued task runs.
    clock.advance(1h);
    watcher.didWake();
    loop.runPending();
    EXPECT_FALSE(tracker->sleepDateForTesting());
    EXPECT_EQ(engine.remainingSeconds(), kFocus);
}

TEST_F(PresenceTrackerTest, NothingRunsOnceTheTrackerIsGone)
{
    tracker->start();
    watcher.willSleep();
    idle = 99;
    tracker.reset();
    EXPECT_EQ(deadlineShiftDuring([&] {
                  watcher.didWake();
                  loop.advance(30s);
                  watcher.willSleep();
                  clock.advance(1h);
                  watcher.didWake();
                  loop.runPending();
              }),
              0);
    EXPECT_EQ(engine.currentIdleSeconds(), 0);
}
