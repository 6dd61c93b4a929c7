#include <gtest/gtest.h>

#include "EngineHarness.h"

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

namespace {

BreakSettings withIdleThreshold(std::int64_t seconds)
{
    BreakSettings s = BreakSettings::standard;
    s.idleThresholdSeconds = seconds;
    return s;
}

} // namespace

TEST(BreakEngineAbsenceTest, AwayFreezesFocusFromTheThresholdOn)
{
    EngineHarness h;
    h.e().noteIdle(299);
    h.run(10s);
    EXPECT_FALSE(h.e().isAway());
    EXPECT_EQ(h.e().remainingSeconds(), 1490);
    h.e().noteIdle(300);
    h.run(1s);
    EXPECT_TRUE(h.e().isAway());
    EXPECT_EQ(h.e().remainingSeconds(), 1490);
    h.run(1h);
    EXPECT_EQ(h.e().remainingSeconds(), 1490);
    h.e().noteIdle(0);
    h.run(1s);
    EXPECT_FALSE(h.e().isAway());
    EXPECT_EQ(h.e().remainingSeconds(), 1489);
    EXPECT_TRUE(h.take().empty());
}

TEST(BreakEngineAbsenceTest, AThresholdOfZeroDisablesAbsence)
{
    EngineHarness h(withIdleThreshold(0));
    h.e().setCurrentIdleSeconds(INT64_MAX);
    h.run(10s);
    EXPECT_FALSE(h.e().isAway());
    EXPECT_EQ(h.e().remainingSeconds(), 1490);
}

TEST(BreakEngineAbsenceTest, NoWarningOrBreakWhileAwayInFocus)
{
    EngineHarness h;
    h.e().advanceForTesting(1480);
    h.e().noteIdle(600);
    h.run(1min);
    h.e().expireForTesting();
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
    EXPECT_TRUE(h.take().empty());
    h.e().noteIdle(0);
    h.run(1s);
    EXPECT_EQ(h.take(), (Events{"warning:10", "started:micro:20"}));
}

TEST(BreakEngineAbsenceTest, ABreakKeepsCountingWhileAwayAndTheNextFocusWaits)
{
    EngineHarness h;
    h.e().expireForTesting();
    h.take();
    h.e().noteIdle(1000);
    h.run(20s);
    EXPECT_EQ(h.take(), (Events{"finished"}));
    EXPECT_TRUE(h.e().isAway());
    h.run(10min);
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
}

TEST(BreakEngineAbsenceTest, NeverAwayWhilePausedAndIdleTimesAreClamped)
{
    EngineHarness h;
    h.e().noteIdle(-5);
    EXPECT_EQ(h.e().currentIdleSeconds(), 0);
    h.e().noteIdle(400);
    h.run(1s);
    EXPECT_TRUE(h.e().isAway());
    h.e().togglePause();
    h.run(1s);
    EXPECT_FALSE(h.e().isAway());
}

TEST(BreakEngineSleepTest, CompensationGivesTheSleepBackWithoutCallbacks)
{
    EngineHarness h;
    h.e().advanceForTesting(900);
    h.e().compensateForSleep(0);
    h.e().compensateForSleep(-100);
    EXPECT_EQ(h.e().remainingSeconds(), 600);
    h.jump(1h); // asleep: no ticks
    h.e().compensateForSleep(3600);
    EXPECT_EQ(h.e().remainingSeconds(), 600);
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 599);

    h.e().compensateForSleep(3600); // without any sleep it lengthens the countdown
    EXPECT_EQ(h.e().remainingSeconds(), 4199);
    EXPECT_TRUE(h.take().empty());
}

TEST(BreakEngineSleepTest, APhaseStillOverdueAfterCompensationEndsAtTheNextTick)
{
    EngineHarness h;
    h.e().expireForTesting();
    h.take();
    h.jump(1h);
    h.e().compensateForSleep(60);
    EXPECT_EQ(h.e().remainingSeconds(), 0);
    EXPECT_EQ(h.e().phase(), TimerPhase::breakTime);
    EXPECT_TRUE(h.take().empty());
    h.run(1s);
    EXPECT_EQ(h.take(), (Events{"finished"}));
}

TEST(BreakEngineSleepTest, ATimedPauseRunsItsFullWakingLength)
{
    EngineHarness h;
    h.e().pauseFor(300);
    h.run(100s);
    EXPECT_EQ(h.e().pauseRemainingSeconds(), 200);
    h.jump(1000s);
    h.e().compensateForSleep(1000);
    EXPECT_EQ(h.e().pauseRemainingSeconds(), 200);
    h.run(1s);
    EXPECT_EQ(h.e().pausedElapsedSeconds(), 1101);
    EXPECT_TRUE(h.e().isPaused());
    h.run(199s);
    EXPECT_FALSE(h.e().isPaused());
}

TEST(BreakEngineSleepTest, SleepDuringAPauseIsGivenBackOnlyOnce)
{
    EngineHarness h;
    h.e().advanceForTesting(900);
    h.e().togglePause();
    h.run(1min);
    h.jump(8h);
    h.e().compensateForSleep(8 * 3600);
    EXPECT_EQ(h.e().remainingSeconds(), 600);
    h.run(1min);
    h.e().togglePause();
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 599); // not eight hours more
}

TEST(BreakEngineSleepTest, ATimedPauseThatRanOutUnseenStillShowsAtLeastOneSecond)
{
    EngineHarness h;
    h.e().pauseFor(10);
    h.jump(1h); // a clock jump with no tick, then a short sleep report
    h.e().compensateForSleep(60);
    EXPECT_TRUE(h.e().isPaused());
    EXPECT_EQ(h.e().pauseRemainingSeconds(), 1);
    h.run(1s);
    EXPECT_FALSE(h.e().isPaused());
}
