#include <chrono>
#include <cstdio>
#include <optional>

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include "app/IdleMonitor.h"
#include "platform/linux/SystemIdleTimeSource.h"
#include "platform/linux/XScreenSaverIdleSource.h"

using namespace tavelo;

namespace {

// Polls `source` until `accept` takes its value or `ms` pass; returns the last value read.
template <typename Accept> std::optional<double> pollUntil(XScreenSaverIdleSource &source, Accept accept, int ms)
{
    const QDeadlineTimer deadline(ms);
    std::optional<double> value = source.idleSeconds();
    while (value && !accept(*value) && !deadline.hasExpired()) {
        QThread::msleep(50);
        value = source.idleSeconds();
    }
    return value;
}

bool movePointer(int x, int y)
{
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(x), QString::number(y)}) == 0;
}

template <typename Fn> double microsecondsPerCall(int calls, Fn fn)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        fn();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / calls;
}

} // namespace

TEST(XScreenSaverIdleSource, GrowsWhileNothingHappensAndDropsOnInput)
{
    XScreenSaverIdleSource source;
    const auto first = source.idleSeconds();
    ASSERT_TRUE(first) << "no MIT-SCREEN-SAVER on the test display";

    const auto grown = pollUntil(
        source, [&](double s) { return s >= *first + 0.5; }, 5000);
    ASSERT_TRUE(grown);
    EXPECT_GE(*grown, *first + 0.5);

    ASSERT_TRUE(movePointer(200, 300));
    ASSERT_TRUE(movePointer(420, 310));
    const auto dropped = pollUntil(
        source, [&](double s) { return s < 0.4; }, 5000);
    ASSERT_TRUE(dropped);
    EXPECT_LT(*dropped, 0.4);
    EXPECT_LT(*dropped, *grown);
}

TEST(XScreenSaverIdleSource, OneSampleCostsALocalRoundTrip)
{
    XScreenSaverIdleSource source;
    SystemIdleTimeSource system;
    IdleMonitor monitor(system);
    ASSERT_TRUE(source.idleSeconds());
    monitor.idleSeconds();

    constexpr int kSamples = 1000;
    const double sourceCost = microsecondsPerCall(kSamples, [&] { source.idleSeconds(); });
    const double monitorCost = microsecondsPerCall(kSamples, [&] { monitor.idleSeconds(); });
    std::printf("idle sample on X11: %.1f us (XScreenSaver alone), %.1f us (IdleMonitor)\n", sourceCost, monitorCost);
    ::testing::Test::RecordProperty("xscreensaver_sample_us", static_cast<int>(sourceCost + 0.5));
    ::testing::Test::RecordProperty("idle_monitor_sample_us", static_cast<int>(monitorCost + 0.5));
    // Generous: a round trip to a local X server, sanitizers included, is far below this.
    EXPECT_LT(monitorCost, 2000.0);
}

TEST(IdleMonitor, ReadsTheXServerOnAnX11Session)
{
    ASSERT_TRUE(movePointer(10, 10));
    ASSERT_TRUE(movePointer(640, 480));
    SystemIdleTimeSource system;
    IdleMonitor monitor(system);
    const QDeadlineTimer deadline(5000);
    double idle = monitor.idleSeconds();
    while (idle < 0.3 && !deadline.hasExpired()) {
        QThread::msleep(50);
        idle = monitor.idleSeconds();
    }
    EXPECT_GE(idle, 0.3);
    EXPECT_LT(idle, 10.0);
}

TEST(IdleMonitor, OnWaylandWithoutIdleServicesReadsZeroAndStaysCheap)
{
    // The private session bus has neither GNOME's idle monitor nor a screen saver service,
    // and the X server (standing in for XWayland) is idle, yet must not be believed.
    qputenv("WAYLAND_DISPLAY", "wayland-tavelo-test");
    SystemIdleTimeSource system;
    IdleMonitor monitor(system);
    const auto start = std::chrono::steady_clock::now();
    const double first = monitor.idleSeconds();
    const std::chrono::duration<double, std::milli> firstCost = std::chrono::steady_clock::now() - start;
    const double later = microsecondsPerCall(1000, [&] { monitor.idleSeconds(); });
    qunsetenv("WAYLAND_DISPLAY");

    EXPECT_EQ(first, 0.0);
    EXPECT_EQ(monitor.idleSeconds(), 0.0);
    std::printf("Wayland without services: first sample %.2f ms, later samples %.2f us\n", firstCost.count(), later);
    // The first sample asks the bus once per service; later ones ask nobody.
    EXPECT_LT(firstCost.count(), 600.0);
    EXPECT_LT(later, 20.0);
}
