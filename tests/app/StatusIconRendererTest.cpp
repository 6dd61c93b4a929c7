#include <filesystem>
#include <iterator>

#include <gtest/gtest.h>

#include "app/ui/StatusIconRenderer.h"

namespace tavelo {
namespace {

using Symbol = StatusIconKey::Symbol;

StatusSnapshot focusWith(std::int64_t remaining, std::int64_t length)
{
    StatusSnapshot s;
    s.phase = TimerPhase::focus;
    s.remainingSeconds = remaining;
    s.phaseLengthSeconds = length;
    return s;
}

TEST(StatusIconRenderer, SymbolFollowsPauseThenPhase)
{
    StatusSnapshot s = focusWith(100, 1500);
    s.isAway = true;
    EXPECT_EQ(StatusIconRenderer::keyFor(s).symbol, Symbol::focus);
    s.phase = TimerPhase::breakTime;
    EXPECT_EQ(StatusIconRenderer::keyFor(s).symbol, Symbol::breakTime);
    s.isPaused = true;
    EXPECT_EQ(StatusIconRenderer::keyFor(s).symbol, Symbol::paused);
}

TEST(StatusIconRenderer, RingStepsRoundUpAndStayInRange)
{
    constexpr int kAll = StatusIconRenderer::kRingSteps;
    struct Case {
        std::int64_t remaining, length;
        int step;
    };
    for (const Case &c :
         {Case{1500, 1500, kAll}, Case{1, 1500, 1}, Case{0, 1500, 0}, Case{-5, 1500, 0}, Case{750, 1500, 16},
          Case{9000, 1500, kAll}, Case{5, 0, kAll}, Case{INT64_MAX, INT64_MAX, kAll}, Case{1, INT64_MAX, 1}})
        EXPECT_EQ(StatusIconRenderer::ringStep(c.remaining, c.length), c.step) << c.remaining << " of " << c.length;

    // Counted down second by second, the key changes exactly once per ring step.
    int changes = 0;
    StatusIconKey last = StatusIconRenderer::keyFor(focusWith(1500, 1500));
    for (std::int64_t remaining = 1499; remaining >= 0; --remaining) {
        const StatusIconKey key = StatusIconRenderer::keyFor(focusWith(remaining, 1500));
        changes += key == last ? 0 : 1;
        last = key;
    }
    EXPECT_EQ(changes, kAll);
}

TEST(StatusIconRenderer, ImagesDifferBetweenStatesAndStartNoThreads)
{
    const auto threads = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {}); };
    const auto before = threads();
    std::vector<QImage> images;
    for (const Symbol symbol : {Symbol::focus, Symbol::breakTime, Symbol::paused}) {
        const QImage image = StatusIconRenderer::render({symbol, 20}, 44);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_GT(qAlpha(image.pixel(22, 33)), 200);
        images.push_back(image);
    }
    EXPECT_NE(images[0], images[1]);
    EXPECT_NE(images[1], images[2]);
    EXPECT_NE(images[0], images[2]);
    EXPECT_NE(images[0], StatusIconRenderer::render({Symbol::focus, 21}, 44));
    // Redrawn every ring step of an idle session: that must not wake worker threads.
    // Each test runs in a process of its own, so every thread here is ours.
    EXPECT_EQ(threads(), before);
}

} // namespace
} // namespace tavelo
