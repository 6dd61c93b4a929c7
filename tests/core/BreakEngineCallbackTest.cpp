#include <gtest/gtest.h>

#include "EngineHarness.h"

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

TEST(BreakEngineCallbackTest, CallbacksSeeTheStateAlreadyUpdated)
{
    EngineHarness h;
    std::vector<std::string> seen;
    auto snapshot = [&](const char *what) {
        BreakEngine &e = h.e();
        seen.push_back(std::string(what) + ":" + std::string(rawValue(e.phase())) + ":" +
                       std::to_string(e.remainingSeconds()) + ":" + std::to_string(e.completedFocusSessions()));
    };
    h.e().onBreakWarning = [&](std::int64_t) { snapshot("warning"); };
    h.e().onBreakStarted = [&](BreakType, std::int64_t) { snapshot("started"); };
    h.e().onBreakFinished = [&] { snapshot("finished"); };
    h.e().onBreakCancelled = [&] { snapshot("cancelled"); };

    h.e().expireForTesting();
    h.e().expireForTesting();
    h.e().startBreakNow(BreakType::long_);
    h.e().postpone();
    EXPECT_EQ(seen, (std::vector<std::string>{"warning:focus:0:0", "started:breakTime:20:1", "finished:focus:1500:1",
                                              "started:breakTime:900:1", "cancelled:focus:300:1"}));
}

TEST(BreakEngineCallbackTest, CallbacksMayCallBackIntoTheEngine)
{
    EngineHarness h;
    h.e().onBreakFinished = [&] {
        h.events.push_back("finished");
        h.e().startBreakNow(BreakType::long_);
    };
    h.e().expireForTesting();
    h.e().expireForTesting();
    EXPECT_EQ(h.take(), (Events{"warning:10", "started:micro:20", "finished", "started:long:900"}));
    EXPECT_EQ(h.e().activeBreak(), BreakType::long_);
    EXPECT_EQ(h.e().remainingSeconds(), 900);

    h.record();
    h.e().onBreakStarted = [&](BreakType, std::int64_t) {
        h.events.push_back("started");
        h.e().skip();
    };
    h.e().resetFocusTimer();
    h.e().expireForTesting();
    EXPECT_EQ(h.take(), (Events{"warning:10", "started", "cancelled"}));
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
    EXPECT_EQ(h.e().remainingSeconds(), 1500);
    EXPECT_EQ(h.e().completedFocusSessions(), 2);
}

TEST(BreakEngineCallbackTest, APauseFromTheWarningHoldsTheBreakBack)
{
    EngineHarness h;
    h.e().onBreakWarning = [&](std::int64_t) { h.e().togglePause(); };
    h.e().expireForTesting();
    EXPECT_TRUE(h.take().empty());
    EXPECT_TRUE(h.e().isPaused());
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
    h.run(1min);
    h.e().togglePause();
    h.run(1s);
    EXPECT_EQ(h.take(), (Events{"started:micro:20"}));
}

TEST(BreakEngineCallbackTest, ACallbackMayReplaceOrClearItself)
{
    EngineHarness h;
    int calls = 0;
    h.e().onBreakStarted = [&, guard = std::make_shared<int>(7)](BreakType, std::int64_t) {
        h.e().onBreakStarted = nullptr; // destroys this lambda's stored copy
        calls += *guard;
    };
    h.e().startBreakNow(BreakType::micro);
    h.e().startBreakNow(BreakType::micro);
    EXPECT_EQ(calls, 7);

    h.e().onPausedReminder = [&](std::int64_t) { h.e().togglePause(); };
    h.e().togglePause();
    h.e().advancePausedClockForTesting(3600);
    EXPECT_FALSE(h.e().isPaused());
    EXPECT_EQ(h.e().pausedElapsedSeconds(), 0);
}

TEST(BreakEngineCallbackTest, UnsetCallbacksAreSkipped)
{
    EngineHarness h;
    h.e().onBreakStarted = nullptr;
    h.e().onBreakFinished = nullptr;
    h.e().onBreakCancelled = nullptr;
    h.e().onBreakWarning = nullptr;
    h.e().onPausedReminder = nullptr;
    h.e().expireForTesting();
    h.e().expireForTesting();
    h.e().startBreakNow(BreakType::micro);
    h.e().skip();
    h.e().togglePause();
    h.e().advancePausedClockForTesting(7200);
    EXPECT_EQ(h.e().phase(), TimerPhase::focus);
}

TEST(BreakEngineCallbackTest, ChangedFiresOnEveryTick)
{
    EngineHarness h;
    int changes = 0;
    Connection c = h.e().changed.connect([&] { ++changes; });
    h.run(1s);
    EXPECT_GE(changes, 2); // isAway and remainingSeconds, even though neither changed much
    changes = 0;
    h.e().togglePause();
    h.run(1s);
    EXPECT_GE(changes, 2);
}

TEST(BreakEngineTickerTest, EachFiringPostsATickToTheLoop)
{
    EngineHarness h;
    h.e().advanceForTesting(1489);
    h.loop.fireTimersOnce(false);
    EXPECT_EQ(h.loop.pendingCount(), 1u);
    EXPECT_EQ(h.e().remainingSeconds(), 11); // the firing itself did not tick
    h.clock.advance(1s);
    h.loop.runPending();
    EXPECT_EQ(h.e().remainingSeconds(), 10);
    EXPECT_EQ(h.take(), (Events{"warning:10"}));
}

TEST(BreakEngineTickerTest, ADestroyedEngineIgnoresQueuedTicksAndLaterFirings)
{
    EngineHarness h;
    h.loop.fireTimersOnce(false);
    h.loop.fireTimersOnce(false);
    ASSERT_EQ(h.loop.pendingCount(), 2u);
    h.engine.reset();
    EXPECT_EQ(h.loop.activeTimerCount(), 0u);
    h.loop.runPending();
    h.loop.advance(10s);
    EXPECT_EQ(h.loop.pendingCount(), 0u);
    EXPECT_TRUE(h.take().empty());
}

TEST(BreakEngineTickerTest, StopFreezesTheEngineButHooksStillTick)
{
    EngineHarness h;
    h.run(5s);
    h.e().stop();
    EXPECT_EQ(h.loop.activeTimerCount(), 0u);
    h.run(1h);
    EXPECT_EQ(h.e().remainingSeconds(), 1495);
    EXPECT_TRUE(h.take().empty());
    h.e().advanceForTesting(10); // catches up with the hour in one tick
    EXPECT_EQ(h.e().phase(), TimerPhase::breakTime);
    EXPECT_EQ(h.take(), (Events{"warning:10", "started:micro:20"}));
    h.e().stop();
}
