#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "app/ui/DurationFormat.h"

using namespace tavelo;

// Countdowns switch to hours at one hour and never go negative; paused spans count whole minutes.
TEST(DurationFormat, CountdownAndPausedSpan)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    struct Case {
        std::int64_t seconds;
        const char *countdown, *paused;
    };
    for (const Case &c :
         {Case{-kMax - 1, "00:00", "0m"}, Case{-1, "00:00", "0m"}, Case{59, "00:59", "0m"}, Case{65, "01:05", "1m"},
          Case{3599, "59:59", "59m"}, Case{3600, "1:00:00", "1h 00m"}, Case{90061, "25:01:01", "25h 01m"},
          Case{kMax, "2562047788015215:30:07", "2562047788015215h 30m"}}) {
        EXPECT_EQ(formatCountdown(c.seconds), c.countdown) << c.seconds;
        EXPECT_EQ(formatPausedDuration(c.seconds), c.paused) << c.seconds;
        EXPECT_EQ(localPausedDuration(c.seconds).toStdString(), c.paused) << c.seconds;
    }
}
