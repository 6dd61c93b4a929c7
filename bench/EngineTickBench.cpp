// The engine's one-second tick, the only work the program does every second when idle.
#include <chrono>
#include <cstdint>

#include <benchmark/benchmark.h>

#include "core/BreakEngine.h"
#include "support/ManualClock.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

// A focus phase that outlasts any benchmark run: every tick is a plain countdown step.
BreakSettings longFocus()
{
    BreakSettings s = BreakSettings::standard;
    s.focusMinutes = 10'000'000;
    return s;
}

// The shortest legal cycle, so that warnings, breaks and their ends are part of the mix.
BreakSettings shortCycle()
{
    BreakSettings s = BreakSettings::standard;
    s.focusMinutes = 1;
    s.shortBreakSeconds = 5;
    s.longBreakMinutes = 1;
    s.longBreakEvery = 2;
    s.preBreakWarningSeconds = 10;
    return s;
}

void BM_EngineTickFocus(benchmark::State &state)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(longFocus(), clock, loop);
    for (auto _ : state) {
        loop.advance(1s);
        benchmark::DoNotOptimize(engine.remainingSeconds());
    }
}
BENCHMARK(BM_EngineTickFocus);

// As the program runs it: observers on `changed` that coalesce into one refresh per tick.
void BM_EngineTickFocusObserved(benchmark::State &state)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(longFocus(), clock, loop);
    std::int64_t notifications = 0;
    bool refreshPending = false;
    Connection first = engine.changed.connect([&] {
        ++notifications;
        refreshPending = true;
    });
    Connection second = engine.changed.connect([&] { ++notifications; });
    for (auto _ : state) {
        loop.advance(1s);
        refreshPending = false;
    }
    benchmark::DoNotOptimize(refreshPending);
    state.counters["notifications/tick"] =
        benchmark::Counter(double(notifications), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EngineTickFocusObserved);

void BM_EngineTickPaused(benchmark::State &state)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(longFocus(), clock, loop);
    engine.togglePause();
    for (auto _ : state) {
        loop.advance(1s);
        benchmark::DoNotOptimize(engine.pausedElapsedSeconds());
    }
}
BENCHMARK(BM_EngineTickPaused);

void BM_EngineTickShortCycle(benchmark::State &state)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(shortCycle(), clock, loop);
    std::int64_t breaks = 0;
    engine.onBreakStarted = [&](BreakType, std::int64_t) { ++breaks; };
    for (auto _ : state)
        loop.advance(1s);
    state.counters["breaks"] = double(breaks);
}
BENCHMARK(BM_EngineTickShortCycle);

} // namespace
