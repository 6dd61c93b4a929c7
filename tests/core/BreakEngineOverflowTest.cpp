#include <gtest/gtest.h>

#include <limits>

#include "EngineHarness.h"
#include "core/TimeMath.h"

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kTenYears = timemath::kMaxPhaseSeconds;

const BreakSettings kHuge{kMax, kMax, kMax, kMax, kMax, kMax, kMax, true};

} // namespace

TEST(BreakEngineOverflowTest, HugeSettingsGiveTenYearPhases)
{
    EngineHarness h(kHuge);
    EXPECT_EQ(h.e().settings(), kHuge.sanitized());
    EXPECT_EQ(h.e().remainingSeconds(), kTenYears);
    EXPECT_EQ(h.e().nextScheduledBreakType(), BreakType::micro);
    h.run(1s);
    EXPECT_EQ(h.e().remainingSeconds(), kTenYears - 1);

    h.e().postpone();
    EXPECT_EQ(h.e().remainingSeconds(), 2 * kTenYears - 1);
    h.e().startBreakNow(BreakType::long_);
    h.e().startBreakNow(BreakType::micro);
    EXPECT_EQ(h.take(),
              (Events{"started:long:" + std::to_string(kTenYears), "started:micro:" + std::to_string(kTenYears)}));
    h.e().postpone();
    EXPECT_EQ(h.e().remainingSeconds(), kTenYears);
    h.e().pauseFor(kMax);
    EXPECT_EQ(h.e().pauseRemainingSeconds(), kTenYears);
    h.e().compensateForSleep(kMax);
    EXPECT_EQ(h.e().pauseRemainingSeconds(), 2 * kTenYears);
    h.e().togglePause();
    h.e().compensateForSleep(kMax);
    EXPECT_EQ(h.e().remainingSeconds(), 2 * kTenYears);
}

TEST(BreakEngineOverflowTest, ExtremeHookArgumentsSaturate)
{
    EngineHarness h;
    h.e().advanceForTesting(kMin);
    EXPECT_GT(h.e().remainingSeconds(), 200LL * 365 * 86400);
    h.e().advanceForTesting(kMin);
    h.e().compensateForSleep(kMax);
    h.run(1s);
    EXPECT_GT(h.e().remainingSeconds(), 0);
    h.e().advanceForTesting(kMax);
    EXPECT_EQ(h.e().phase(), TimerPhase::breakTime);
    h.e().advanceForTesting(kMax);
    h.e().advanceForTesting(kMax);
    EXPECT_EQ(h.e().phase(), TimerPhase::breakTime);
    EXPECT_EQ(h.take(), (Events{"warning:10", "started:micro:20", "finished", "warning:10", "started:micro:20"}));

    h.e().togglePause();
    h.e().advancePausedClockForTesting(kMax);
    EXPECT_GT(h.e().pausedElapsedSeconds(), 3600);
    EXPECT_EQ(h.take().size(), 1u);
    h.e().advancePausedClockForTesting(kMax);
    h.e().advancePausedClockForTesting(kMin);
    h.e().advancePausedClockForTesting(kMin); // now far in the future
    EXPECT_EQ(h.e().pausedElapsedSeconds(), 0);
    h.e().advancePausedClockForTesting(kMax);
    h.e().togglePause(); // gives back centuries, saturating
    h.run(1s);
    EXPECT_GT(h.e().remainingSeconds(), 0);
    EXPECT_EQ(h.e().phase(), TimerPhase::breakTime);

    h.e().setCurrentIdleSeconds(kMin);
    h.run(1s);
    EXPECT_FALSE(h.e().isAway());
    h.e().noteIdle(kMax);
    h.e().expireForTesting();
    h.e().advanceForTesting(kMin);
    h.run(1s);
    EXPECT_TRUE(h.e().isAway());
    EXPECT_GE(h.e().remainingSeconds(), 0);
}

TEST(BreakEngineOverflowTest, AClockFarInTheFutureStillCountsNormally)
{
    EngineHarness h;
    h.clock.set(TimePoint(std::chrono::seconds(7'000'000'000))); // the year 2191
    h.e().resetFocusTimer();
    h.run(10s);
    EXPECT_EQ(h.e().remainingSeconds(), 1490);
    EXPECT_TRUE(h.take().empty());
    h.e().pauseFor(60);
    EXPECT_EQ(h.e().pauseRemainingSeconds(), 60);
}
