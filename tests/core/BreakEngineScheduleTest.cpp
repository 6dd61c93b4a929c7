#include <gtest/gtest.h>

#include "EngineHarness.h"

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

TEST(BreakEngineScheduleTest, StartsAFullFocusCountdownSilently)
{
    EngineHarness h;
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
    EXPECT_EQ(h.e().activeBreak(), std::nullopt);
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
    EXPECT_EQ(h.e().completedFocusSessions(), 0);
    EXPECT_EQ(h.e().nextScheduledBreakType(), BreakType::micro);
    EXPECT_FALSE(h.e().isPaused());
    EXPECT_FALSE(h.e().isAway());
    EXPECT_EQ(h.e().settings(), BreakSettings::standard);
    EXPECT_EQ(h.loop.activeTimerCount(), 1u);
    EXPECT_EQ(h.loop.intervalOfTimer(0), 1000ms);
}

TEST(BreakEngineScheduleTest, CountsDownAgainstTheClockNotTheTicks)
{
    EngineHarness h;
    h.run(500ms);
    EXPECT_EQ(h.e().remainingSeconds(), 1500); // rounds up
    h.run(600ms);
    EXPECT_EQ(h.e().remainingSeconds(), 1499);
    h.jump(100s); // no ticks for a while: the next one catches up
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 1398);
    EXPECT_TRUE(h.take().empty());
}

TEST(BreakEngineScheduleTest, ScheduledBreaksFollowTheLongBreakRhythm)
{
    EngineHarness h;
    for (int i = 0; i < 8; ++i) {
        h.e().expireForTesting();
        h.e().expireForTesting();
    }
    EXPECT_EQ(h.take(),
              (Events{"warning:10", "started:micro:20", "finished", "warning:10", "started:micro:20", "finished",
                      "warning:10", "started:micro:20", "finished", "warning:10", "started:long:900", "finished",
                      "warning:10", "started:micro:20", "finished", "warning:10", "started:micro:20", "finished",
                      "warning:10", "started:micro:20", "finished", "warning:10", "started:long:900", "finished"}));
    EXPECT_EQ(h.e().completedFocusSessions(), 8);

    EngineHarness everyTime(BreakSettings{25, 20, 2, 1, 5, 10, 300, true});
    everyTime.e().expireForTesting();
    EXPECT_EQ(everyTime.e().activeBreak(), BreakType::long_);
    EXPECT_EQ(everyTime.e().remainingSeconds(), 120);
}

TEST(BreakEngineScheduleTest, ABreakRunsOutOnTheTickerAndFocusRestarts)
{
    EngineHarness h;
    h.run(1490s);
    EXPECT_EQ(h.take(), (Events{"warning:10"}));
    h.run(10s);
    EXPECT_EQ(h.take(), (Events{"started:micro:20"}));
    EXPECT_EQ(h.e().phase(), TimerPhase::breakTime);
    EXPECT_EQ(h.e().activeBreak(), BreakType::micro);
    EXPECT_EQ(h.e().remainingSeconds(), 20);
    EXPECT_EQ(h.e().completedFocusSessions(), 1);
    h.run(19s);
    EXPECT_EQ(h.e().remainingSeconds(), 1);
    h.run(1s);
    EXPECT_EQ(h.take(), (Events{"finished"}));
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
    EXPECT_EQ(h.e().activeBreak(), std::nullopt);
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
}

TEST(BreakEngineScheduleTest, WarnsOncePerCountdownAtTheLead)
{
    EngineHarness h;
    h.e().advanceForTesting(1489);
    EXPECT_EQ(h.e().remainingSeconds(), 11);
    EXPECT_TRUE(h.take().empty());
    h.e().advanceForTesting(1);
    EXPECT_EQ(h.e().remainingSeconds(), 10);
    EXPECT_EQ(h.take(), (Events{"warning:10"}));
    h.e().advanceForTesting(5);
    EXPECT_TRUE(h.take().empty());
    EXPECT_TRUE(h.e().breakWarningSentForTesting());

    // Every return to focus re-arms it.
    h.e().expireForTesting();
    h.e().postpone();
    EXPECT_EQ(h.take(), (Events{"started:micro:20", "cancelled"}));
    h.e().advanceForTesting(290);
    EXPECT_EQ(h.take(), (Events{"warning:10"}));
}

TEST(BreakEngineScheduleTest, NoWarningWithALeadOfZero)
{
    EngineHarness h(BreakSettings{1, 5, 1, 4, 1, 0, 300, true});
    h.run(60s);
    h.e().expireForTesting();
    h.run(60s);
    EXPECT_EQ(h.take(), (Events{"started:micro:5", "finished", "started:micro:5"}));
}

TEST(BreakEngineScheduleTest, PostponeInFocusPushesTheBreakBackWithoutRewarning)
{
    EngineHarness h;
    h.e().advanceForTesting(300);
    h.e().postpone();
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
    h.e().advanceForTesting(1490);
    EXPECT_EQ(h.take(), (Events{"warning:10"}));
    h.e().postpone();
    EXPECT_EQ(h.e().remainingSeconds(), 310);
    h.e().advanceForTesting(300);
    h.e().advanceForTesting(10);
    EXPECT_EQ(h.take(), (Events{"started:micro:20"}));
}

TEST(BreakEngineScheduleTest, PostponeLongAfterAMissedDeadlineCountsFromNow)
{
    EngineHarness h;
    h.jump(2h); // the deadline passed an hour and a half ago, no tick yet
    h.e().postpone();
    EXPECT_EQ(h.e().remainingSeconds(), 300);
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
    EXPECT_TRUE(h.take().empty());
}

TEST(BreakEngineScheduleTest, PostponeOrSkipDuringABreakCancelsIt)
{
    EngineHarness h;
    h.e().expireForTesting();
    h.take();
    h.e().postpone();
    EXPECT_EQ(h.take(), (Events{"cancelled"}));
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
    EXPECT_EQ(h.e().remainingSeconds(), 300);
    EXPECT_EQ(h.e().completedFocusSessions(), 1);
    EXPECT_EQ(h.e().nextScheduledBreakType(), BreakType::micro);

    h.e().startBreakNow(BreakType::long_);
    h.e().skip();
    EXPECT_EQ(h.take(), (Events{"started:long:900", "cancelled"}));
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
    EXPECT_EQ(h.e().completedFocusSessions(), 1);
}

TEST(BreakEngineScheduleTest, SkipInFocusCountsTheSkippedBreak)
{
    EngineHarness h;
    h.e().advanceForTesting(1000);
    for (int i = 0; i < 3; ++i)
        h.e().skip();
    EXPECT_TRUE(h.take().empty());
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
    EXPECT_EQ(h.e().completedFocusSessions(), 3);
    EXPECT_EQ(h.e().nextScheduledBreakType(), BreakType::long_);
    h.e().expireForTesting();
    EXPECT_EQ(h.take(), (Events{"warning:10", "started:long:900"}));
    EXPECT_EQ(h.e().completedFocusSessions(), 4);
}

TEST(BreakEngineScheduleTest, StartBreakNowLeavesTheRhythmAlone)
{
    EngineHarness h;
    h.e().startBreakNow(BreakType::long_);
    EXPECT_EQ(h.take(), (Events{"started:long:900"}));
    EXPECT_EQ(h.e().completedFocusSessions(), 0);
    EXPECT_EQ(h.e().nextScheduledBreakType(), BreakType::micro);
    h.e().advanceForTesting(100);
    h.e().startBreakNow(BreakType::micro); // restarts from the full length
    EXPECT_EQ(h.take(), (Events{"started:micro:20"}));
    EXPECT_EQ(h.e().activeBreak(), BreakType::micro);
    EXPECT_EQ(h.e().remainingSeconds(), 20);
    h.e().expireForTesting();
    EXPECT_EQ(h.take(), (Events{"finished"}));
    EXPECT_EQ(h.e().completedFocusSessions(), 0);
}

TEST(BreakEngineScheduleTest, ResetFocusTimerNeverCallsBack)
{
    EngineHarness h;
    h.e().advanceForTesting(1495);
    h.e().resetFocusTimer();
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
    EXPECT_FALSE(h.e().breakWarningSentForTesting());
    h.e().expireForTesting();
    h.take();
    h.e().resetFocusTimer();
    EXPECT_TRUE(h.take().empty());
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
    EXPECT_EQ(h.e().activeBreak(), std::nullopt);
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
    EXPECT_EQ(h.e().completedFocusSessions(), 1);
}
