#include <optional>

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include "app/IdleMonitor.h"
#include "platform/linux/SystemIdleTimeSource.h"
#include "platform/linux/XScreenSaverIdleSource.h"

using namespace tavelo;

namespace {

constexpr int kWaitMs = 20000;

bool movePointer(int x, int y)
{
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(x), QString::number(y)}) == 0;
}

} // namespace

TEST(XScreenSaverIdleSource, GrowsWhileNothingHappensAndDropsOnInput)
{
    XScreenSaverIdleSource source;
    const std::optional<double> first = source.idleSeconds();
    ASSERT_TRUE(first) << "no MIT-SCREEN-SAVER on the test display";
    std::optional<double> idle;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (idle = source.idleSeconds()) && *idle >= *first + 0.5; }, kWaitMs));

    ASSERT_TRUE(movePointer(200, 300));
    ASSERT_TRUE(movePointer(420, 310));
    EXPECT_TRUE(QTest::qWaitFor([&] { return (idle = source.idleSeconds()) && *idle < 0.4; }, kWaitMs));

    // On an X11 session the program's own monitor reads the X server.
    SystemIdleTimeSource system;
    IdleMonitor monitor(system);
    EXPECT_TRUE(QTest::qWaitFor([&] { return monitor.idleSeconds() >= 0.3; }, kWaitMs));
    EXPECT_LT(monitor.idleSeconds(), 10.0);
}
