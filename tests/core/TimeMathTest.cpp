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

TEST(TimeMathTest, ArithmeticSaturates)
{
    EXPECT_EQ(saturatingAdd(kMax, 1), kMax);
    EXPECT_EQ(saturatingAdd(kMin, -1), kMin);
    EXPECT_EQ(saturatingAdd(kMax, kMin), -1);
    EXPECT_EQ(saturatingMul(kMax, 60), kMax);
    EXPECT_EQ(saturatingMul(kMin, 60), kMin);
    EXPECT_EQ(saturatingMul(kMin, -1), kMax);
    EXPECT_EQ(saturatingMul(-kMax, 2), kMin);
    EXPECT_EQ(minutesToPhaseSeconds(5'255'999), kMaxPhaseSeconds - 60);
    EXPECT_EQ(minutesToPhaseSeconds(kMax), kMaxPhaseSeconds);
    EXPECT_EQ(minutesToPhaseSeconds(kMin), 0);
}

TEST(TimeMathTest, InstantsSaturateAndCountdownsRoundUp)
{
    const TimePoint latest = addSeconds(kNow, kMax);
    const TimePoint earliest = addSeconds(addSeconds(kNow, kMin), kMin);
    EXPECT_GT(latest, addSeconds(kNow, 200LL * 365 * 86400));
    EXPECT_EQ(addSeconds(latest, 1), latest);
    EXPECT_EQ(addNanos(earliest, kMin), earliest);
    EXPECT_EQ(nanosBetween(latest, earliest), kMax);
    EXPECT_EQ(nanosBetween(earliest, latest), kMin);
    EXPECT_EQ(ceilSecondsBetween(latest, earliest), kMax / kNanosPerSecond + 1);
    EXPECT_EQ(ceilSecondsBetween(kNow + 1s, kNow), 1);
    EXPECT_EQ(ceilSecondsBetween(kNow + 1ns, kNow), 1);
    EXPECT_EQ(ceilSecondsBetween(kNow - 1500ms, kNow), -1);
    EXPECT_EQ(truncSecondsBetween(kNow + 1999ms, kNow), 1);
    EXPECT_EQ(truncSecondsBetween(kNow - 1999ms, kNow), -1);
}
