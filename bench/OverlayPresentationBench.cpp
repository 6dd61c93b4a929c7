// The break overlay's texts, recomputed once a second on every display during a break.
#include <chrono>

#include <QString>

#include <benchmark/benchmark.h>

#include "app/ui/BreakOverlayPresentation.h"
#include "core/BreakEngine.h"
#include "support/ManualClock.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

StatusSnapshot breakState(BreakType type)
{
    StatusSnapshot s;
    s.activeBreak = type;
    s.remainingSeconds = type == BreakType::micro ? 17 : 754;
    s.completedFocusSessions = type == BreakType::micro ? 2 : 4;
    return s;
}

// With the user's locale formatting the "Back at" time, as the view does.
void BM_OverlayPresentationLocalTime(benchmark::State &state)
{
    StatusSnapshot s = breakState(BreakType(state.range(0)));
    const TimePoint now = std::chrono::system_clock::now();
    for (auto _ : state) {
        s.remainingSeconds = s.remainingSeconds > 1 ? s.remainingSeconds - 1 : 900;
        benchmark::DoNotOptimize(BreakOverlayPresentation::make(s, now, &BreakOverlayPresentation::localShortTime));
    }
}
BENCHMARK(BM_OverlayPresentationLocalTime)->ArgName("long")->DenseRange(0, 1);

// The same without the locale, to tell the time formatting's share apart.
void BM_OverlayPresentationFixedTime(benchmark::State &state)
{
    StatusSnapshot s = breakState(BreakType(state.range(0)));
    const TimePoint now = std::chrono::system_clock::now();
    const BreakOverlayPresentation::TimeFormatter fixed = [](TimePoint) { return QStringLiteral("3:45 PM"); };
    for (auto _ : state) {
        s.remainingSeconds = s.remainingSeconds > 1 ? s.remainingSeconds - 1 : 900;
        benchmark::DoNotOptimize(BreakOverlayPresentation::make(s, now, fixed));
    }
}
BENCHMARK(BM_OverlayPresentationFixedTime)->ArgName("long")->DenseRange(0, 1);

void BM_OverlayStateOfEngine(benchmark::State &state)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(BreakSettings::standard, clock, loop);
    engine.startBreakNow(BreakType::micro);
    for (auto _ : state)
        benchmark::DoNotOptimize(StatusSnapshot::of(engine));
}
BENCHMARK(BM_OverlayStateOfEngine);

} // namespace
