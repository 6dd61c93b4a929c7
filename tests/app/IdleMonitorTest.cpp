#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "app/IdleMonitor.h"
#include "support/FakeIdleTimeSource.h"

using namespace tavelo;

TEST(IdleMonitor, PassesTheSourceThroughButNotUnknownOrNonFiniteValues)
{
    std::optional<double> value = 12.9;
    test::FakeIdleTimeSource source([&value] { return value; });
    IdleMonitor monitor(source);
    EXPECT_DOUBLE_EQ(monitor.idleSeconds(), 12.9);
    // Negative values are the caller's to clamp; only values that are no number at all read as 0.
    value = -3.0;
    EXPECT_DOUBLE_EQ(monitor.idleSeconds(), -3.0);
    for (std::optional<double> bad :
         {std::optional<double>(std::nan("")), std::optional<double>(std::numeric_limits<double>::infinity()),
          std::optional<double>(-std::numeric_limits<double>::infinity()), std::optional<double>()}) {
        value = bad;
        EXPECT_EQ(monitor.idleSeconds(), 0.0) << bad.value_or(-1);
    }
}
