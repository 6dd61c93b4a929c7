#include <gtest/gtest.h>

#include "EngineHarness.h"

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

namespace {

void expectRunning(BreakEngine &e)
{
    EXPECT_FALSE(e.isPaused());
    EXPECT_FALSE(e.pausedAtForTesting().has_value());
    EXPECT_FALSE(e.pausedUntilForTesting().has_value());
    EXPECT_EQ(e.pauseRemainingSeconds(), 0);
    EXPECT_EQ(e.pausedElapsedSeconds(), 0);
}

} // namespace

TEST(BreakEnginePauseTest, TimedPausesLastAtLeastOneSecond)
{
    EngineHarness h;
    h.e().pauseFor(300);
    EXPECT_TRUE(h.e().isPaused());
    EXPECT_EQ(h.e().pauseRemainingSeconds(), 300);
    EXPECT_EQ(h.e().pausedUntilForTesting(), h.clock.now() + 300s);
    for (const std::int64_t seconds : {std::int64_t{0}, std::int64_t{-5}, INT64_MIN}) {
        h.e().pauseFor(seconds);
        EXPECT_EQ(h.e().pauseRemainingSeconds(), 1);
    }
    h.run(1s);
    expectRunning(h.e());
}

TEST(BreakEnginePauseTest, ATimedPauseCountsDownThenGivesItsTimeBack)
{
    EngineHarness h;
    h.e().advanceForTesting(900);
    h.e().pauseFor(3);
    std::vector<std::int64_t> left;
    for (int i = 0; i < 3; ++i) {
        h.run(1s);
        left.push_back(h.e().pauseRemainingSeconds());
        EXPECT_EQ(h.e().remainingSeconds(), 600);
    }
    EXPECT_EQ(left, (std::vector<std::int64_t>{2, 1, 0}));
    expectRunning(h.e());
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 599);
    EXPECT_TRUE(h.take().empty());
}

TEST(BreakEnginePauseTest, AnIndefinitePauseFreezesTheCountdownUntilToggledOff)
{
    EngineHarness h;
    h.e().advanceForTesting(900);
    h.e().togglePause();
    EXPECT_TRUE(h.e().isPaused());
    EXPECT_TRUE(h.e().pausedAtForTesting().has_value());
    EXPECT_FALSE(h.e().pausedUntilForTesting().has_value());
    EXPECT_EQ(h.e().pauseRemainingSeconds(), 0);
    h.run(120s);
    EXPECT_EQ(h.e().remainingSeconds(), 600);
    EXPECT_EQ(h.e().pausedElapsedSeconds(), 120);
    h.e().togglePause();
    expectRunning(h.e());
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 599);
}

TEST(BreakEnginePauseTest, NothingRunsOutWhilePaused)
{
    EngineHarness h;
    h.e().advanceForTesting(1400);
    h.e().togglePause();
    h.run(10min);
    h.e().expireForTesting();
    h.e().advanceForTesting(5000);
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
    EXPECT_TRUE(h.take().empty());
    EXPECT_FALSE(h.e().isAway());
}

TEST(BreakEnginePauseTest, RemindsOncePerHourOfPause)
{
    EngineHarness h;
    h.e().togglePause();
    h.e().advancePausedClockForTesting(3600);
    EXPECT_EQ(h.e().pausedElapsedSeconds(), 3600);
    EXPECT_EQ(h.take(), (Events{"reminder:3600"}));
    h.e().advancePausedClockForTesting(1800);
    EXPECT_TRUE(h.take().empty());
    h.e().advancePausedClockForTesting(1800);
    EXPECT_EQ(h.take(), (Events{"reminder:7200"}));
    h.run(3599s);
    EXPECT_TRUE(h.take().empty());
    h.run(1s);
    EXPECT_EQ(h.take(), (Events{"reminder:10800"}));

    h.e().togglePause();
    h.e().togglePause(); // a new pause starts its hours afresh
    h.run(3600s);
    EXPECT_EQ(h.take(), (Events{"reminder:3600"}));
}

TEST(BreakEnginePauseTest, TheTickThatEndsAnHourLongPauseRemindsFirst)
{
    EngineHarness h;
    h.e().pauseFor(3600);
    h.run(3600s);
    EXPECT_EQ(h.take(), (Events{"reminder:3600"}));
    expectRunning(h.e());
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
}

TEST(BreakEnginePauseTest, StartingABreakOrRestartingFocusDropsThePauseWithoutGivingTimeBack)
{
    EngineHarness h;
    h.e().togglePause();
    h.run(10min);
    h.e().startBreakNow(BreakType::micro);
    expectRunning(h.e());
    EXPECT_EQ(h.e().remainingSeconds(), 20);
    h.run(20s);
    EXPECT_EQ(h.take(), (Events{"started:micro:20", "finished"}));

    h.e().startBreakNow(BreakType::long_);
    h.e().pauseFor(600);
    h.run(1min);
    h.e().postpone();
    expectRunning(h.e());
    EXPECT_EQ(h.e().remainingSeconds(), 300);
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 299);

    h.e().pauseFor(600);
    h.e().skip();
    expectRunning(h.e());
    h.e().togglePause();
    h.e().resetFocusTimer();
    expectRunning(h.e());
}

TEST(BreakEnginePauseTest, PostponeWhilePausedAddsToTheFrozenCountdown)
{
    EngineHarness h;
    h.e().advanceForTesting(900);
    h.e().togglePause();
    h.run(1h);
    h.take();
    h.e().postpone();
    EXPECT_TRUE(h.e().isPaused());
    EXPECT_EQ(h.e().remainingSeconds(), 900);
    h.e().togglePause();
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 899);
}

TEST(BreakEnginePauseTest, PausingAgainRestartsThePauseFromNow)
{
    EngineHarness h;
    h.e().advanceForTesting(900);
    h.e().togglePause();
    h.run(100s);
    h.e().pauseFor(50);
    EXPECT_EQ(h.e().pausedElapsedSeconds(), 100); // until the next tick
    h.run(1s);
    EXPECT_EQ(h.e().pausedElapsedSeconds(), 1);
    h.run(49s);
    expectRunning(h.e());
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), 499); // the first 100 s are not given back
}

TEST(BreakEnginePauseTest, APauseStartedAgainRemindsAfterItsOwnFirstHour)
{
    EngineHarness h;
    h.e().togglePause();
    h.e().advancePausedClockForTesting(5 * 3600);
    EXPECT_EQ(h.take(), (Events{"reminder:18000"}));
    h.e().pauseFor(2 * 3600);
    h.run(3600s);
    EXPECT_EQ(h.take(), (Events{"reminder:3600"}));
}
