// The status icon: its key is computed every tick, the picture is drawn only when the key
// changes (at most kRingSteps times a phase), at every size a tray may ask for.
#include <benchmark/benchmark.h>

#include "app/ui/StatusIconRenderer.h"

using namespace tavelo;

namespace {

void BM_StatusIconKey(benchmark::State &state)
{
    StatusSnapshot s;
    s.remainingSeconds = 1500;
    s.phaseLengthSeconds = 1500;
    for (auto _ : state) {
        s.remainingSeconds = s.remainingSeconds > 0 ? s.remainingSeconds - 1 : 1500;
        benchmark::DoNotOptimize(StatusIconRenderer::keyFor(s));
    }
}
BENCHMARK(BM_StatusIconKey);

void BM_StatusIconRender(benchmark::State &state)
{
    const int size = int(state.range(0));
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % (StatusIconRenderer::kRingSteps + 1);
        const StatusIconKey key{StatusIconKey::Symbol::focus, step, QString()};
        benchmark::DoNotOptimize(StatusIconRenderer::render(key, size));
    }
}
BENCHMARK(BM_StatusIconRender)->ArgName("px")->Arg(22)->Arg(64);

// One redraw as the status item does it: every size.
void BM_StatusIconAllSizes(benchmark::State &state)
{
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % (StatusIconRenderer::kRingSteps + 1);
        const StatusIconKey key{StatusIconKey::Symbol(state.range(0)), step, QString()};
        benchmark::DoNotOptimize(StatusIconRenderer::images(key));
    }
}
BENCHMARK(BM_StatusIconAllSizes)->ArgName("symbol")->DenseRange(0, 2);

void BM_StatusIconAsQIcon(benchmark::State &state)
{
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % (StatusIconRenderer::kRingSteps + 1);
        benchmark::DoNotOptimize(StatusIconRenderer::icon({StatusIconKey::Symbol::focus, step, QString()}));
    }
}
BENCHMARK(BM_StatusIconAsQIcon);

} // namespace
