#include <gtest/gtest.h>

#include "EngineHarness.h"

// Scenarios with the exact callbacks and numbers the rules give, which the property test
// cannot know; "mark" records the published state among the callbacks.

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

TEST(BreakEngineScenarioTest, CallbacksAndPublishedState)
{
    const std::pair<const char *, Events> scenarios[] = {
        // Counts down against the clock, rounding up.
        {"run 500ms, mark, run 600ms, mark, jump 100s, run 1s, mark",
         {"focus 1500 #0", "focus 1499 #0", "focus 1398 #0"}},
        // Warns at the lead, then a break runs out on the ticker.
        {"advance 1489, mark, advance 1, mark, run 10s, mark, run 19s, mark, run 1s, mark",
         {"focus 11 #0", "warning:10", "focus 10 #0", "started:micro:20", "breakTime 20 #1", "breakTime 1 #1",
          "finished", "focus 1500 #1"}},
        // Postpone in focus pushes the break back without a second warning.
        {"advance 300, postpone, mark, advance 1490, postpone, mark, advance 310",
         {"focus 1500 #0", "warning:10", "focus 310 #0", "started:micro:20"}},
        // Postpone after a missed deadline counts from now below one second left.
        {"jump 1799s, postpone, mark, jump 2h, postpone, mark", {"focus 1 #0", "focus 300 #0"}},
        // A timed pause counts down, then gives its time back.
        {"advance 900, pauseFor 3, run 1s, mark, run 1s, mark, run 1s, mark, run 1s, mark",
         {"focus 600 #0 paused 2/1", "focus 600 #0 paused 1/2", "focus 600 #0", "focus 599 #0"}},
        // Reminds once per hour of pause, afresh for a new pause.
        {"toggle, advancePaused 3600, advancePaused 1800, advancePaused 1800, run 3599s, mark, run 1s, "
         "pauseFor 7200, run 3600s, toggle, toggle, run 3600s",
         {"reminder:3600", "reminder:7200", "focus 1500 #0 paused 0/10799", "reminder:10800", "reminder:3600",
          "reminder:3600"}},
        // The tick that ends an hour-long pause reminds first.
        {"pauseFor 3600, run 3600s, mark", {"reminder:3600", "focus 1500 #0"}},
        // Postpone while paused adds to the frozen countdown.
        {"advance 900, toggle, run 10min, postpone, mark, toggle, run 1s, mark",
         {"focus 900 #0 paused 0/600", "focus 899 #0"}},
        // Pausing again restarts the pause from now.
        {"advance 900, toggle, run 100s, pauseFor 50, run 1s, mark, run 50s, mark",
         {"focus 600 #0 paused 49/1", "focus 499 #0"}},
        // Away freezes focus from the threshold on; no warning or break while away.
        {"idle 299, run 10s, mark, idle 300, run 1h, mark, toggle, run 1s, mark, toggle, idle 0, run 1s, mark",
         {"focus 1490 #0", "focus 1490 #0 away", "focus 1490 #0 paused 0/1", "focus 1489 #0"}},
        {"advance 1480, idle 600, run 1min, expire, mark, idle 0, run 1s",
         {"focus 0 #0 away", "warning:10", "started:micro:20"}},
        // Sleep is given back without callbacks; a phase still overdue ends at the next tick.
        {"advance 900, sleep 0, sleep -100, mark, jump 1h, sleep 3600, mark, sleep 3600, mark",
         {"focus 600 #0", "focus 600 #0", "focus 4200 #0"}},
        {"expire, jump 1h, sleep 60, mark, run 1s", {"warning:10", "started:micro:20", "breakTime 0 #1", "finished"}},
        // A timed pause runs its full waking length, and one that ran out unseen shows one second.
        {"pauseFor 300, run 100s, jump 1000s, sleep 1000, run 1s, mark, run 198s, mark, run 1s, mark",
         {"focus 1500 #0 paused 199/1101", "focus 1500 #0 paused 1/1299", "focus 1500 #0"}},
        {"pauseFor 10, jump 1h, sleep 60, mark, run 1s, mark",
         {"focus 1500 #0 paused 1/0", "reminder:3600", "focus 1499 #0"}},
        // Sleep during a pause is given back only once.
        {"advance 900, toggle, jump 8h, sleep 28800, toggle, run 1s, mark", {"focus 599 #0"}},
        // A raised lead warns at the next tick; an update re-arms the warning only with time to spare.
        {"advance 1470, lead 60, mark, run 1s", {"focus 30 #0", "warning:60"}},
        {"advance 1490, lead 10, run 1s, postpone, advance 280, lead 60, run 19s, postpone, lead 10, advance 300, "
         "advance 10",
         {"warning:10", "warning:10", "started:micro:20"}},
        // A countdown shortened while paused is not given the pause on top.
        {"advance 300, toggle, run 10min, focus 5, run 5min, toggle, run 1s, mark", {"focus 299 #0"}},
    };
    for (const auto &[script, expected] : scenarios)
        EXPECT_EQ(EngineHarness().playAndTake(script), expected) << script;
}

TEST(BreakEngineScenarioTest, CallbacksMayCallBackIntoTheEngine)
{
    EngineHarness h;
    h.e().onBreakFinished = [&] { h.e().startBreakNow(BreakType::long_); };
    h.e().onBreakWarning = [&](std::int64_t) { h.e().togglePause(); }; // holds the break back
    h.play("expire, mark, toggle, run 1s, expire, mark");
    h.e().onBreakStarted = [&, guard = std::make_shared<int>(7)](BreakType, std::int64_t) {
        h.e().onBreakStarted = nullptr; // destroys this lambda's stored copy
        h.events.push_back("started " + std::to_string(*guard)), h.e().skip();
    };
    h.e().onPausedReminder = [&](std::int64_t) { h.e().togglePause(); };
    h.e().startBreakNow(BreakType::micro), h.e().startBreakNow(BreakType::micro), h.e().togglePause();
    h.e().advancePausedClockForTesting(3600), h.mark();
    EXPECT_EQ(h.take(), (Events{"focus 0 #0 paused 0/0", "started:micro:20", "started:long:900", "breakTime 900 #1",
                                "started 7", "cancelled", "breakTime 3620 #1"}));
}

TEST(BreakEngineScenarioTest, TicksArePostedAndDieWithTheEngine)
{
    EngineHarness h;
    h.e().advanceForTesting(1489), h.loop.fireTimersOnce(false), h.mark(); // the firing itself did not tick
    h.clock.advance(1s), h.loop.runPending();
    EXPECT_EQ(h.take(), (Events{"focus 11 #0", "warning:10"}));
    h.loop.fireTimersOnce(false), h.engine.reset(), h.loop.runPending();
    EXPECT_TRUE(h.loop.activeTimerCount() == 0 && h.take().empty());
}
