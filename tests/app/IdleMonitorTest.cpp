#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "app/IdleMonitor.h"

using namespace tavelo;

TEST(IdleMonitor, PassesTheInjectedSourceThroughButNotNonFiniteValues)
{
    double value = 12.9;
    IdleMonitor monitor([&value] { return value; });
    EXPECT_DOUBLE_EQ(monitor.idleSeconds(), 12.9);
    // Negative values are the caller's to clamp; only values that are no number at all read as 0.
    value = -3.0;
    EXPECT_DOUBLE_EQ(monitor.idleSeconds(), -3.0);
    for (double bad :
         {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        value = bad;
        EXPECT_EQ(monitor.idleSeconds(), 0.0) << bad;
    }
}
