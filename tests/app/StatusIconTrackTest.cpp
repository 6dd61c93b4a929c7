#include <filesystem>
#include <iterator>

#include <gtest/gtest.h>

#include "app/ui/StatusIconRenderer.h"

namespace tavelo {
namespace {

using Symbol = StatusIconKey::Symbol;

std::ptrdiff_t threadCount()
{
    return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {});
}

// The empty part of the ring is a translucent grey track, so the icon reads on light
// and dark panels alike.
TEST(StatusIconTrack, EmptyRingIsTranslucentGrey)
{
    for (const int size : {22, 64}) {
        const QImage image = StatusIconRenderer::render({Symbol::focus, 0}, size);
        // Twelve o'clock, in the middle of the ring's width.
        const QRgb top = image.pixel(size / 2, size * 6 / 100);
        EXPECT_NEAR(qAlpha(top), 100, 12) << size;
        EXPECT_EQ(qRed(top), qGreen(top)) << size;
        EXPECT_EQ(qGreen(top), qBlue(top)) << size;
        // Premultiplied grey 140 at alpha 100.
        EXPECT_NEAR(qRed(top), 55, 7) << size;
    }
}

// The icon is redrawn every ring step of an idle session; that must not wake or start
// worker threads. Each test runs in a process of its own, so every thread here is ours.
TEST(StatusIconTrack, DrawingStartsNoThreads)
{
    const std::ptrdiff_t before = threadCount();
    for (const Symbol symbol : {Symbol::focus, Symbol::breakTime, Symbol::paused}) {
        for (int step = 0; step <= StatusIconRenderer::kRingSteps; step += 8)
            StatusIconRenderer::images({symbol, step});
    }
    EXPECT_EQ(threadCount(), before);
}

} // namespace
} // namespace tavelo
