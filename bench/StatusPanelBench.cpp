// The status item's per-tick texts: the snapshot copied from the engine and the panel's
// presentation, in the states the panel can be seen in.
#include <chrono>

#include <benchmark/benchmark.h>

#include "app/ui/StatusMenuPresentation.h"
#include "app/ui/StatusSnapshot.h"
#include "core/BreakEngine.h"
#include "support/ManualClock.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

enum class Scene { focus, paused, breakTime, away };

StatusSnapshot snapshotFor(Scene scene)
{
    StatusSnapshot s;
    s.remainingSeconds = 1234;
    s.phaseLengthSeconds = 1500;
    s.completedFocusSessions = 2;
    switch (scene) {
    case Scene::focus:
        break;
    case Scene::paused:
        s.isPaused = true;
        s.pauseRemainingSeconds = 1800;
        s.pausedElapsedSeconds = 754;
        break;
    case Scene::breakTime:
        s.phase = TimerPhase::breakTime;
        s.activeBreak = BreakType::micro;
        s.remainingSeconds = 14;
        s.phaseLengthSeconds = 20;
        break;
    case Scene::away:
        s.isAway = true;
        break;
    }
    return s;
}

// What the status item does on every tick: the title for the label and tooltip.
void BM_StatusMenuTitle(benchmark::State &state)
{
    StatusSnapshot s = snapshotFor(Scene(state.range(0)));
    for (auto _ : state) {
        s.remainingSeconds = s.remainingSeconds > 1 ? s.remainingSeconds - 1 : 1234;
        benchmark::DoNotOptimize(StatusMenuPresentation(s).menuTitle());
    }
}
BENCHMARK(BM_StatusMenuTitle)->ArgName("scene")->DenseRange(0, 3);

// What the open panel recomputes on every tick.
void BM_StatusPanelAllTexts(benchmark::State &state)
{
    StatusSnapshot s = snapshotFor(Scene(state.range(0)));
    for (auto _ : state) {
        s.remainingSeconds = s.remainingSeconds > 1 ? s.remainingSeconds - 1 : 1234;
        const StatusMenuPresentation p(s);
        benchmark::DoNotOptimize(p.menuTitle());
        benchmark::DoNotOptimize(p.headline());
        benchmark::DoNotOptimize(p.countdown());
        benchmark::DoNotOptimize(p.statusLine());
        benchmark::DoNotOptimize(p.sessionLine());
        benchmark::DoNotOptimize(p.skipTitle());
        benchmark::DoNotOptimize(p.resumeLabel());
        benchmark::DoNotOptimize(p.postponeTitle());
        benchmark::DoNotOptimize(p.startMicrobreakEnabled());
        benchmark::DoNotOptimize(p.startLongBreakEnabled());
    }
}
BENCHMARK(BM_StatusPanelAllTexts)->ArgName("scene")->DenseRange(0, 3);

void BM_StatusSnapshotOfEngine(benchmark::State &state)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(BreakSettings::standard, clock, loop);
    loop.advance(10s);
    for (auto _ : state)
        benchmark::DoNotOptimize(StatusSnapshot::of(engine));
}
BENCHMARK(BM_StatusSnapshotOfEngine);

} // namespace
