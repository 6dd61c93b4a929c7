#include <gtest/gtest.h>

#include <limits>

#include "EngineHarness.h"

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kTenYears = 315'360'000;

} // namespace

TEST(BreakEngineOverflowTest, HugeSettingsGiveTenYearPhases)
{
    EngineHarness h(BreakSettings{kMax, kMax, kMax, kMax, kMax, kMax, kMax, true});
    h.run(1s), h.mark(), h.e().postpone(), h.mark();
    h.e().startBreakNow(BreakType::long_), h.e().startBreakNow(BreakType::micro), h.e().postpone(), h.mark();
    h.e().pauseFor(kMax), h.e().compensateForSleep(kMax), h.mark();
    h.e().togglePause(), h.e().compensateForSleep(kMax), h.mark();
    const std::string t = std::to_string(kTenYears);
    EXPECT_EQ(h.take(), (Events{"focus " + std::to_string(kTenYears - 1) + " #0",
                                "focus " + std::to_string(2 * kTenYears - 1) + " #0", "started:long:" + t,
                                "started:micro:" + t, "cancelled", "focus " + t + " #0",
                                "focus " + t + " #0 paused " + std::to_string(2 * kTenYears) + "/0",
                                "focus " + std::to_string(2 * kTenYears) + " #0"}));
    EXPECT_EQ(h.e().nextScheduledBreakType(), BreakType::micro);
}

TEST(BreakEngineOverflowTest, ExtremeHookArgumentsSaturate)
{
    EngineHarness h;
    h.e().advanceForTesting(kMin);
    EXPECT_GT(h.e().remainingSeconds(), 200LL * 365 * 86400);
    h.e().advanceForTesting(kMin), h.e().compensateForSleep(kMax), h.run(1s);
    EXPECT_GT(h.e().remainingSeconds(), 0);
    h.e().advanceForTesting(kMax), h.e().advanceForTesting(kMax), h.e().advanceForTesting(kMax);
    EXPECT_EQ(h.take(), (Events{"warning:10", "started:micro:20", "finished", "warning:10", "started:micro:20"}));

    h.e().togglePause(), h.e().advancePausedClockForTesting(kMax);
    EXPECT_EQ(h.take().size(), 1u);
    h.e().advancePausedClockForTesting(kMax), h.e().advancePausedClockForTesting(kMin);
    h.e().advancePausedClockForTesting(kMin); // now far in the future
    EXPECT_EQ(h.e().pausedElapsedSeconds(), 0);
    h.e().advancePausedClockForTesting(kMax), h.e().togglePause(), h.run(1s); // gives back centuries
    EXPECT_GT(h.e().remainingSeconds(), 0);
    EXPECT_EQ(h.e().phase(), TimerPhase::breakTime);
}
