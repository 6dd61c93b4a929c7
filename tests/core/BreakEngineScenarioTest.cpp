#include <gtest/gtest.h>

#include "EngineHarness.h"

// Named scenarios with the exact callbacks and numbers the rules give; h.mark() records
// the published state among the callbacks. The invariants live in the property test.

using namespace tavelo;
using namespace tavelo::test;
using namespace std::chrono_literals;

namespace {

BreakSettings standardWith(std::int64_t focusMinutes, std::int64_t shortBreakSeconds, std::int64_t lead)
{
    return BreakSettings{focusMinutes, shortBreakSeconds, 15, 4, 5, lead, 300, true};
}

struct Scenario {
    const char *name;
    void (*script)(EngineHarness &);
    Events expected;
};

const Scenario kScenarios[] = {
    {"counts down against the clock, rounding up",
     [](EngineHarness &h) {
         h.run(500ms), h.mark();
         h.run(600ms), h.mark();
         h.jump(100s), h.run(1s), h.mark();
     },
     {"focus 1500 #0", "focus 1499 #0", "focus 1398 #0"}},
    {"warns at the lead, then a break runs out on the ticker",
     [](EngineHarness &h) {
         h.e().advanceForTesting(1489), h.mark();
         h.e().advanceForTesting(1), h.mark();
         h.run(10s), h.mark();
         h.run(19s), h.mark();
         h.run(1s), h.mark();
     },
     {"focus 11 #0", "warning:10", "focus 10 #0", "started:micro:20", "breakTime 20 #1", "breakTime 1 #1", "finished",
      "focus 1500 #1"}},
    {"postpone in focus pushes the break back without a second warning",
     [](EngineHarness &h) {
         h.e().advanceForTesting(300), h.e().postpone(), h.mark();
         h.e().advanceForTesting(1490), h.e().postpone(), h.mark();
         h.e().advanceForTesting(310);
     },
     {"focus 1500 #0", "warning:10", "focus 310 #0", "started:micro:20"}},
    {"postpone after a missed deadline counts from now below one second left",
     [](EngineHarness &h) {
         h.jump(1799s), h.e().postpone(), h.mark();
         h.jump(2h), h.e().postpone(), h.mark();
     },
     {"focus 1 #0", "focus 300 #0"}},
    {"a timed pause counts down, then gives its time back",
     [](EngineHarness &h) {
         h.e().advanceForTesting(900), h.e().pauseFor(3);
         for (int i = 0; i < 4; ++i)
             h.run(1s), h.mark();
     },
     {"focus 600 #0 paused 2/1", "focus 600 #0 paused 1/2", "focus 600 #0", "focus 599 #0"}},
    {"an open pause freezes everything until toggled off",
     [](EngineHarness &h) {
         h.e().advanceForTesting(1400), h.e().togglePause(), h.run(120s);
         h.mark();
         h.e().togglePause(), h.run(1s), h.mark();
     },
     {"focus 100 #0 paused 0/120", "focus 99 #0"}},
    {"reminds once per hour of pause, afresh for a new pause",
     [](EngineHarness &h) {
         h.e().togglePause(), h.e().advancePausedClockForTesting(3600), h.e().advancePausedClockForTesting(1800);
         h.e().advancePausedClockForTesting(1800), h.run(3599s), h.mark(), h.run(1s);
         h.e().pauseFor(7200), h.run(3600s);
         h.e().togglePause(), h.e().togglePause(), h.run(3600s);
     },
     {"reminder:3600", "reminder:7200", "focus 1500 #0 paused 0/10799", "reminder:10800", "reminder:3600",
      "reminder:3600"}},
    {"the tick that ends an hour-long pause reminds first",
     [](EngineHarness &h) { h.e().pauseFor(3600), h.run(3600s), h.mark(); },
     {"reminder:3600", "focus 1500 #0"}},
    {"postpone while paused adds to the frozen countdown",
     [](EngineHarness &h) {
         h.e().advanceForTesting(900), h.e().togglePause(), h.run(10min), h.e().postpone(), h.mark();
         h.e().togglePause(), h.run(1s), h.mark();
     },
     {"focus 900 #0 paused 0/600", "focus 899 #0"}},
    {"pausing again restarts the pause from now",
     [](EngineHarness &h) {
         h.e().advanceForTesting(900), h.e().togglePause(), h.run(100s), h.e().pauseFor(50), h.run(1s), h.mark();
         h.run(50s), h.mark();
     },
     {"focus 600 #0 paused 49/1", "focus 499 #0"}},
    {"away freezes focus from the threshold on",
     [](EngineHarness &h) {
         h.e().noteIdle(299), h.run(10s), h.mark();
         h.e().noteIdle(300), h.run(1h), h.mark();
         h.e().togglePause(), h.run(1s), h.mark();
         h.e().togglePause(), h.e().noteIdle(0), h.run(1s), h.mark();
     },
     {"focus 1490 #0", "focus 1490 #0 away", "focus 1490 #0 paused 0/1", "focus 1489 #0"}},
    {"no warning or break while away in focus",
     [](EngineHarness &h) {
         h.e().advanceForTesting(1480), h.e().noteIdle(600), h.run(1min), h.e().expireForTesting(), h.mark();
         h.e().noteIdle(0), h.run(1s);
     },
     {"focus 0 #0 away", "warning:10", "started:micro:20"}},
    {"sleep is given back without callbacks",
     [](EngineHarness &h) {
         h.e().advanceForTesting(900), h.e().compensateForSleep(0), h.e().compensateForSleep(-100), h.mark();
         h.jump(1h), h.e().compensateForSleep(3600), h.mark();
         h.e().compensateForSleep(3600), h.mark();
     },
     {"focus 600 #0", "focus 600 #0", "focus 4200 #0"}},
    {"a phase still overdue after compensation ends at the next tick",
     [](EngineHarness &h) { h.e().expireForTesting(), h.jump(1h), h.e().compensateForSleep(60), h.mark(), h.run(1s); },
     {"warning:10", "started:micro:20", "breakTime 0 #1", "finished"}},
    {"a timed pause runs its full waking length",
     [](EngineHarness &h) {
         h.e().pauseFor(300), h.run(100s), h.jump(1000s), h.e().compensateForSleep(1000), h.run(1s), h.mark();
         h.run(198s), h.mark(), h.run(1s), h.mark();
     },
     {"focus 1500 #0 paused 199/1101", "focus 1500 #0 paused 1/1299", "focus 1500 #0"}},
    {"sleep during a pause is given back only once",
     [](EngineHarness &h) {
         h.e().advanceForTesting(900), h.e().togglePause(), h.jump(8h), h.e().compensateForSleep(8 * 3600);
         h.e().togglePause(), h.run(1s), h.mark();
     },
     {"focus 599 #0"}},
    {"a timed pause that ran out unseen still shows one second",
     [](EngineHarness &h) {
         h.e().pauseFor(10), h.jump(1h), h.e().compensateForSleep(60), h.mark(), h.run(1s), h.mark();
     },
     {"focus 1500 #0 paused 1/0", "reminder:3600", "focus 1499 #0"}},
    {"a raised lead warns at the next tick",
     [](EngineHarness &h) {
         h.e().advanceForTesting(1470), h.e().updateSettings(standardWith(25, 20, 60)), h.mark(), h.run(1s);
     },
     {"focus 30 #0", "warning:60"}},
    {"an update re-arms the warning only with time to spare",
     [](EngineHarness &h) {
         h.e().advanceForTesting(1490), h.e().updateSettings(BreakSettings::standard), h.run(1s);
         h.e().postpone(), h.e().advanceForTesting(280), h.e().updateSettings(standardWith(25, 20, 60));
         h.run(19s), h.e().postpone(), h.e().updateSettings(BreakSettings::standard), h.e().advanceForTesting(300);
         h.e().advanceForTesting(10);
     },
     {"warning:10", "warning:10", "started:micro:20"}},
    {"a countdown shortened while paused is not given the pause on top",
     [](EngineHarness &h) {
         h.e().advanceForTesting(300), h.e().togglePause(), h.run(10min);
         h.e().updateSettings(standardWith(5, 20, 10)), h.run(5min), h.e().togglePause(), h.run(1s), h.mark();
     },
     {"focus 299 #0"}},
};

} // namespace

TEST(BreakEngineScenarioTest, CallbacksAndPublishedState)
{
    for (const Scenario &scenario : kScenarios) {
        EngineHarness h;
        scenario.script(h);
        EXPECT_EQ(h.take(), scenario.expected) << scenario.name;
    }
}

TEST(BreakEngineScenarioTest, CallbacksMayCallBackIntoTheEngine)
{
    EngineHarness h;
    h.e().onBreakFinished = [&] { h.e().startBreakNow(BreakType::long_); };
    h.e().onBreakWarning = [&](std::int64_t) { h.e().togglePause(); }; // holds the break back
    h.e().expireForTesting(), h.mark(), h.e().togglePause(), h.run(1s), h.e().expireForTesting(), h.mark();
    h.e().onBreakStarted = [&, guard = std::make_shared<int>(7)](BreakType, std::int64_t) {
        h.e().onBreakStarted = nullptr; // destroys this lambda's stored copy
        h.events.push_back("started " + std::to_string(*guard));
        h.e().skip();
    };
    h.e().onPausedReminder = [&](std::int64_t) { h.e().togglePause(); };
    h.e().startBreakNow(BreakType::micro), h.e().startBreakNow(BreakType::micro), h.e().togglePause();
    h.e().advancePausedClockForTesting(3600), h.mark();
    EXPECT_EQ(h.take(), (Events{"focus 0 #0 paused 0/0", "started:micro:20", "started:long:900", "breakTime 900 #1",
                                "started 7", "cancelled", "breakTime 20 #1"}));
}

TEST(BreakEngineScenarioTest, TicksArePostedAndDieWithTheEngine)
{
    EngineHarness h;
    int changes = 0;
    Connection c = h.e().changed.connect([&] { ++changes; });
    h.e().advanceForTesting(1489);
    h.loop.fireTimersOnce(false);
    EXPECT_EQ(h.e().remainingSeconds(), 11); // the firing itself did not tick
    changes = 0;
    h.clock.advance(1s), h.loop.runPending();
    EXPECT_GE(changes, 2); // every tick publishes, changed or not
    EXPECT_EQ(h.take(), (Events{"warning:10"}));
    h.loop.fireTimersOnce(false);
    h.engine.reset();
    EXPECT_EQ(h.loop.activeTimerCount(), 0u);
    h.loop.runPending();
    EXPECT_TRUE(h.take().empty());
}
