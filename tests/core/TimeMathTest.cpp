#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>

#include "core/TimeMath.h"

using namespace tavelo;
using namespace tavelo::timemath;
using namespace std::chrono_literals;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(TimeMathTest, ArithmeticAndInstantsSaturateAndCountdownsRoundUp)
{
    const std::int64_t sums[][3] = {{kMax, 1, kMax}, {kMin, -1, kMin}, {kMax, kMin, -1}};
    for (const auto &[a, b, sum] : sums)
        EXPECT_EQ(saturatingAdd(a, b), sum);
    const std::int64_t products[][3] = {{kMax, 60, kMax}, {kMin, 60, kMin}, {kMin, -1, kMax}, {-kMax, 2, kMin}};
    for (const auto &[a, b, product] : products)
        EXPECT_EQ(saturatingMul(a, b), product);
    EXPECT_EQ(minutesToPhaseSeconds(5'255'999), kMaxPhaseSeconds - 60);
    EXPECT_EQ(minutesToPhaseSeconds(kMax), kMaxPhaseSeconds);
    EXPECT_EQ(minutesToPhaseSeconds(kMin), 0);
    const TimePoint now{std::chrono::seconds(1767603600)};
    const TimePoint latest = addSeconds(now, kMax), earliest = addSeconds(addSeconds(now, kMin), kMin);
    EXPECT_TRUE(latest > addSeconds(now, 200LL * 365 * 86400) && addSeconds(latest, 1) == latest);
    EXPECT_EQ(addNanos(earliest, kMin), earliest);
    EXPECT_TRUE(nanosBetween(latest, earliest) == kMax && nanosBetween(earliest, latest) == kMin);
    EXPECT_EQ(ceilSecondsBetween(latest, earliest), kMax / kNanosPerSecond + 1);
    const std::pair<std::chrono::milliseconds, std::int64_t> ceil[] = {{1000ms, 1}, {1ms, 1}, {-1500ms, -1}, {0ms, 0}};
    for (const auto &[d, seconds] : ceil)
        EXPECT_EQ(ceilSecondsBetween(now + d, now), seconds);
    EXPECT_TRUE(truncSecondsBetween(now + 1999ms, now) == 1 && truncSecondsBetween(now - 1999ms, now) == -1);
}
