#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "app/ui/DurationFormat.h"

using namespace tavelo;

TEST(DurationFormat, CountdownSwitchesToHoursAtOneHourAndNeverGoesNegative)
{
    EXPECT_EQ(formatCountdown(-5), "00:00");
    EXPECT_EQ(formatCountdown(0), "00:00");
    EXPECT_EQ(formatCountdown(59), "00:59");
    EXPECT_EQ(formatCountdown(65), "01:05");
    EXPECT_EQ(formatCountdown(3599), "59:59");
    EXPECT_EQ(formatCountdown(3600), "1:00:00");
    EXPECT_EQ(formatCountdown(86399), "23:59:59");
    EXPECT_EQ(formatCountdown(90061), "25:01:01");
}

TEST(DurationFormat, CountdownSurvivesTheExtremes)
{
    EXPECT_EQ(formatCountdown(std::numeric_limits<std::int64_t>::min()), "00:00");
    EXPECT_EQ(formatCountdown(std::numeric_limits<std::int64_t>::max()), "2562047788015215:30:07");
}

TEST(DurationFormat, PausedDurationTruncatesToWholeMinutes)
{
    EXPECT_EQ(formatPausedDuration(-1), "0m");
    EXPECT_EQ(formatPausedDuration(59), "0m");
    EXPECT_EQ(formatPausedDuration(60), "1m");
    EXPECT_EQ(formatPausedDuration(125), "2m");
    EXPECT_EQ(formatPausedDuration(3599), "59m");
    EXPECT_EQ(formatPausedDuration(3600), "1h 00m");
    EXPECT_EQ(formatPausedDuration(3661), "1h 01m");
    EXPECT_EQ(formatPausedDuration(36000), "10h 00m");
    EXPECT_EQ(formatPausedDuration(std::numeric_limits<std::int64_t>::max()), "2562047788015215h 30m");
}
