#include <cmath>
#include <limits>

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
    BreakEngine engine{BreakSettings{6000, 20, 15, 4, 5, 10, 300, true}, clock, loop};
    double idle = 0.0;
    test::FakeIdleTimeSource idleSource{[this] { return std::optional(idle); }};
    IdleMonitor monitor{idleSource};
    test::FakeSleepWatcher watcher;
    std::unique_ptr<PresenceTracker> tracker = std::make_unique<PresenceTracker>(engine, monitor, watcher, clock, loop);

    // How far the countdown moved back over a sleep of `d` that no timer notices. The
    // queued work runs only after waking, as when the machine sleeps at once.
    std::int64_t sleepFor(std::chrono::nanoseconds d, bool announced = true)
    {
        engine.advanceForTesting(0);
        const std::int64_t before = engine.remainingSeconds();
        if (announced)
            watcher.willSleep();
        clock.advance(d);
        watcher.didWake();
        loop.runPending();
        engine.advanceForTesting(0);
        return std::int64_t(
            std::floor(double(engine.remainingSeconds() - before) + std::chrono::duration<double>(d).count()));
    }
};

TEST_F(PresenceTrackerTest, SamplesAtOnceThenEveryFiveSeconds)
{
    idle = 12.9;
    tracker->start();
    EXPECT_EQ(engine.currentIdleSeconds(), 12);
    idle = 30.2;
    loop.advance(4900ms);
    EXPECT_EQ(engine.currentIdleSeconds(), 12);
    loop.advance(100ms);
    EXPECT_EQ(engine.currentIdleSeconds(), 30);

    // Starting again replaces the timer rather than adding one, and registers for sleep once.
    const std::size_t timers = loop.activeTimerCount();
    tracker->start();
    EXPECT_EQ(loop.activeTimerCount(), timers);
    EXPECT_EQ(watcher.startCount, 1);
}

// A source that answers later: the periodic sample does not wait, the first one does, and
// an answer arriving after the tracker is gone is dropped.
TEST_F(PresenceTrackerTest, PeriodicSamplesTakeTheAnswerWhenItComes)
{
    idleSource.deferAnswers = true;
    idle = 7;
    tracker->start();
    EXPECT_EQ(engine.currentIdleSeconds(), 7);
    idle = 20;
    loop.advance(5s);
    ASSERT_EQ(idleSource.deferred.size(), 1u);
    EXPECT_EQ(engine.currentIdleSeconds(), 7);
    idleSource.answerDeferred();
    EXPECT_EQ(engine.currentIdleSeconds(), 20);

    idle = 33;
    loop.advance(5s);
    tracker.reset();
    idleSource.answerDeferred();
    EXPECT_EQ(engine.currentIdleSeconds(), 20);
}

TEST_F(PresenceTrackerTest, IdleTimeIsTruncatedAndNeverNegative)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    using Case = std::pair<double, std::int64_t>;
    for (auto [in, out] : {Case{12.9, 12}, Case{-0.5, 0}, Case{0.0, 0}, Case{std::nan(""), 0}, Case{1e300, kMax}})
        EXPECT_EQ(PresenceTracker::wholeIdleSeconds(in), out) << in;
}

// Each sleep is compensated once, from its last announcement; the idle time is sampled on waking.
TEST_F(PresenceTrackerTest, SleepMovesTheCountdownByTheTimeSlept)
{
    tracker->start();
    EXPECT_EQ(sleepFor(1800s + 900ms), 1800);
    EXPECT_EQ(sleepFor(48h), 172800) << "a long sleep is given back whole";
    EXPECT_EQ(sleepFor(-2h), 0) << "a clock that went back gives nothing";
    idle = 40;
    EXPECT_EQ(sleepFor(1h, false), 0);
    EXPECT_EQ(engine.currentIdleSeconds(), 0) << "a wake without a sleep samples nothing";

    watcher.willSleep();
    loop.runPending();
    clock.advance(100s);
    idle = 42.4;
    EXPECT_EQ(sleepFor(600s), 600);
    EXPECT_EQ(engine.currentIdleSeconds(), 42);

    idle = 99;
    watcher.willSleep();
    tracker.reset();
    EXPECT_EQ(sleepFor(1h), 0);
    loop.advance(30s);
    EXPECT_EQ(engine.currentIdleSeconds(), 42) << "nothing runs once the tracker is gone";
}

} // namespace
