#include <gtest/gtest.h>

#include "core/BreakEngine.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

TEST(BreakEngineSmoke, TicksThroughTheLoop)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(BreakSettings::standard, clock, loop);
    EXPECT_EQ(engine.remainingSeconds(), 1500);
    loop.advance(10s);
    EXPECT_EQ(engine.remainingSeconds(), 1490);
}
