#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "app/IdleMonitor.h"
#include "support/FakeIdleTimeSource.h"

using namespace tavelo;

// Negative values are the caller's to clamp; only values that are no number at all read as 0.
TEST(IdleMonitor, PassesTheSourceThroughButNotUnknownOrNonFiniteValues)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    using Case = std::pair<std::optional<double>, double>;
    for (auto [in, out] : {Case{12.9, 12.9}, Case{-3.0, -3.0}, Case{std::nan(""), 0}, Case{kInf, 0}, Case{-kInf, 0},
                           Case{std::nullopt, 0}}) {
        test::FakeIdleTimeSource source([v = in] { return v; });
        EXPECT_EQ(IdleMonitor(source).idleSeconds(), out) << in.value_or(-1);
        double read = -99;
        IdleMonitor(source).readIdleSeconds([&read](double seconds) { read = seconds; });
        EXPECT_EQ(read, out) << in.value_or(-1);
    }
}
