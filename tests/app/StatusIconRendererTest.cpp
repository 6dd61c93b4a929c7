#include <set>
#include <vector>

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
    EXPECT_EQ(StatusIconRenderer::keyFor(s).symbol, Symbol::focus);
    s.isAway = true;
    EXPECT_EQ(StatusIconRenderer::keyFor(s).symbol, Symbol::focus);
    s.phase = TimerPhase::breakTime;
    s.activeBreak = BreakType::micro;
    EXPECT_EQ(StatusIconRenderer::keyFor(s).symbol, Symbol::breakTime);
    s.isPaused = true;
    EXPECT_EQ(StatusIconRenderer::keyFor(s).symbol, Symbol::paused);
}

TEST(StatusIconRenderer, RingStepsRoundUpAndStayInRange)
{
    EXPECT_EQ(StatusIconRenderer::ringStep(1500, 1500), StatusIconRenderer::kRingSteps);
    EXPECT_EQ(StatusIconRenderer::ringStep(1, 1500), 1);
    EXPECT_EQ(StatusIconRenderer::ringStep(0, 1500), 0);
    EXPECT_EQ(StatusIconRenderer::ringStep(-5, 1500), 0);
    EXPECT_EQ(StatusIconRenderer::ringStep(750, 1500), 16);
    EXPECT_EQ(StatusIconRenderer::ringStep(9000, 1500), StatusIconRenderer::kRingSteps);
    EXPECT_EQ(StatusIconRenderer::ringStep(5, 0), StatusIconRenderer::kRingSteps);
    EXPECT_EQ(StatusIconRenderer::ringStep(INT64_MAX, INT64_MAX), StatusIconRenderer::kRingSteps);
    EXPECT_EQ(StatusIconRenderer::ringStep(1, INT64_MAX), 1);
}

TEST(StatusIconRenderer, KeyChangesOnlyAtRingStepsOverAWholePhase)
{
    // A 25-minute focus session counted down second by second: the key changes exactly
    // once per ring step, never in between.
    const std::int64_t length = 1500;
    int changes = 0;
    StatusIconKey last = StatusIconRenderer::keyFor(focusWith(length, length));
    for (std::int64_t remaining = length - 1; remaining >= 0; --remaining) {
        const StatusIconKey key = StatusIconRenderer::keyFor(focusWith(remaining, length));
        if (!(key == last)) {
            ++changes;
            EXPECT_EQ(key.ringStep, last.ringStep - 1) << "at " << remaining;
        }
        last = key;
    }
    EXPECT_EQ(changes, StatusIconRenderer::kRingSteps);

    // Values the icon does not show leave the key alone.
    StatusSnapshot s = focusWith(700, length);
    const StatusIconKey before = StatusIconRenderer::keyFor(s);
    s.completedFocusSessions = 9;
    s.isAway = true;
    s.nextScheduledBreakType = BreakType::long_;
    EXPECT_EQ(StatusIconRenderer::keyFor(s), before);
    s.isPaused = true;
    EXPECT_NE(StatusIconRenderer::keyFor(s), before);
}

TEST(StatusIconRenderer, ImagesAreDrawnAndDifferBetweenStates)
{
    std::vector<QImage> images;
    for (const Symbol symbol : {Symbol::focus, Symbol::breakTime, Symbol::paused}) {
        for (const int size : {22, 44}) {
            const QImage image = StatusIconRenderer::render({symbol, 20}, size);
            ASSERT_EQ(image.size(), QSize(size, size));
            // Transparent corners, drawn centre.
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            EXPECT_GT(qAlpha(image.pixel(size / 2, size / 2 + size / 4)), 200);
        }
        images.push_back(StatusIconRenderer::render({symbol, 20}, 44));
    }
    EXPECT_NE(images[0], images[1]);
    EXPECT_NE(images[1], images[2]);
    EXPECT_NE(images[0], images[2]);

    EXPECT_NE(StatusIconRenderer::render({Symbol::focus, 20}, 44), StatusIconRenderer::render({Symbol::focus, 21}, 44));
    EXPECT_EQ(StatusIconRenderer::render({Symbol::focus, 20}, 44), StatusIconRenderer::render({Symbol::focus, 20}, 44));

    const QIcon icon = StatusIconRenderer::icon({Symbol::breakTime, 5});
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().size(), 7);
    EXPECT_FALSE(StatusIconRenderer::appIcon(256).isNull());
}

} // namespace
} // namespace tavelo
