#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>

#include "core/TimeMath.h"

using namespace tavelo;
using namespace tavelo::timemath;
using namespace std::chrono_literals;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

const TimePoint kNow = TimePoint(std::chrono::seconds(1767603600));

} // namespace

TEST(TimeMathTest, IntegerArithmeticSaturates)
{
    EXPECT_EQ(saturatingAdd(kMax, 1), kMax);
    EXPECT_EQ(saturatingAdd(kMin, -1), kMin);
    EXPECT_EQ(saturatingAdd(kMax, kMin), -1);
    EXPECT_EQ(saturatingAdd(40, 2), 42);
    EXPECT_EQ(saturatingMul(kMax, 60), kMax);
    EXPECT_EQ(saturatingMul(kMin, 60), kMin);
    EXPECT_EQ(saturatingMul(kMin, -1), kMax);
    EXPECT_EQ(saturatingMul(-kMax, 2), kMin);
    EXPECT_EQ(saturatingMul(25, 60), 1500);
}

TEST(TimeMathTest, PhaseLengthsAreCappedAtTenYears)
{
    EXPECT_EQ(kMaxPhaseSeconds, 315'360'000);
    EXPECT_EQ(minutesToPhaseSeconds(25), 1500);
    EXPECT_EQ(minutesToPhaseSeconds(kMax), kMaxPhaseSeconds);
    EXPECT_EQ(minutesToPhaseSeconds(5'256'000), kMaxPhaseSeconds);
    EXPECT_EQ(minutesToPhaseSeconds(5'255'999), kMaxPhaseSeconds - 60);
    EXPECT_EQ(minutesToPhaseSeconds(kMin), 0);
    EXPECT_EQ(capPhaseSeconds(-5), 0);
    EXPECT_EQ(capPhaseSeconds(kMax), kMaxPhaseSeconds);
}

TEST(TimeMathTest, InstantsSaturateAtTheEndsOfTheClock)
{
    const TimePoint latest = addSeconds(kNow, kMax);
    const TimePoint earliest = addSeconds(addSeconds(kNow, kMin), kMin);
    EXPECT_GT(latest, addSeconds(kNow, 200LL * 365 * 86400));
    EXPECT_LT(earliest, addSeconds(kNow, -200LL * 365 * 86400));
    EXPECT_EQ(addSeconds(latest, 1), latest);
    EXPECT_EQ(addNanos(earliest, kMin), earliest);
    EXPECT_EQ(nanosBetween(latest, earliest), kMax);
    EXPECT_EQ(nanosBetween(earliest, latest), kMin);
    EXPECT_EQ(ceilSecondsBetween(latest, earliest), kMax / kNanosPerSecond + 1);
    EXPECT_EQ(truncSecondsBetween(earliest, latest), kMin / kNanosPerSecond);
    EXPECT_EQ(addSeconds(kNow, 90), kNow + 90s);
    EXPECT_EQ(addNanos(kNow, -1), kNow - 1ns);
}

TEST(TimeMathTest, CountdownsRoundUpAndElapsedTimesTruncate)
{
    EXPECT_EQ(ceilSecondsBetween(kNow + 1500ms, kNow), 2);
    EXPECT_EQ(ceilSecondsBetween(kNow + 1s, kNow), 1);
    EXPECT_EQ(ceilSecondsBetween(kNow + 1ns, kNow), 1);
    EXPECT_EQ(ceilSecondsBetween(kNow, kNow), 0);
    EXPECT_EQ(ceilSecondsBetween(kNow - 1500ms, kNow), -1);
    EXPECT_EQ(truncSecondsBetween(kNow + 1999ms, kNow), 1);
    EXPECT_EQ(truncSecondsBetween(kNow - 1999ms, kNow), -1);
}
