#include <algorithm>
#include <chrono>

#include <QDBusConnection>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/linux/FreedesktopScreenSaverIdleSource.h"
#include "platform/linux/MutterIdleSource.h"
#include "support/FakeIdleService.h"

using namespace tavelo;
using test::FakeIdleService;

namespace {

constexpr int kWaitMs = 20000;

// The names the desktops really use; the sources must match them.
FakeIdleService fakeMutter()
{
    return FakeIdleService(QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                           QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                           QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("GetIdletime"));
}

// The best of three runs, so that a busy machine's pause does not count.
double millisecondsFor(int calls, IdleTimeSource &source)
{
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i)
            source.idleSeconds();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

TEST(DBusIdleSource, ReadsMillisecondsFromGnomeAndScreenSaverServices)
{
    FakeIdleService mutter = fakeMutter();
    mutter.setReply(QVariant::fromValue<qulonglong>(12345));
    ASSERT_TRUE(mutter.claim());
    FakeIdleService screenSaver(QStringLiteral("org.freedesktop.ScreenSaver"),
                                QStringLiteral("/org/freedesktop/ScreenSaver"),
                                QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("GetSessionIdleTime"));
    screenSaver.setReply(QVariant::fromValue<uint>(4000));
    ASSERT_TRUE(screenSaver.claim());

    MutterIdleSource gnome(QDBusConnection::sessionBus());
    FreedesktopScreenSaverIdleSource freedesktop(QDBusConnection::sessionBus());
    EXPECT_DOUBLE_EQ(gnome.idleSeconds().value_or(-1), 12.345);
    EXPECT_DOUBLE_EQ(freedesktop.idleSeconds().value_or(-1), 4.0);

    // A reply of the wrong type is not a number of milliseconds.
    mutter.setReply(QStringLiteral("soon"));
    EXPECT_FALSE(gnome.idleSeconds());
}

TEST(DBusIdleSource, AbsentOrRefusingServicesCostNothingUntilTheNameChangesHands)
{
    FakeIdleService mutter = fakeMutter();
    mutter.setReply(QVariant::fromValue<qulonglong>(2500));
    mutter.setBehaviour(FakeIdleService::Behaviour::refuse);
    MutterIdleSource source(QDBusConnection::sessionBus());
    EXPECT_FALSE(source.idleSeconds());
    // No bus traffic at all: a thousand samples take well under one round trip each.
    EXPECT_LT(millisecondsFor(1000, source), 20.0);

    ASSERT_TRUE(mutter.claim());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            EXPECT_FALSE(source.idleSeconds());
            return mutter.calls() == 1;
        },
        kWaitMs));
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(source.idleSeconds());
    EXPECT_EQ(mutter.calls(), 1);

    // Another program (here: the same, restarted) takes the name: worth asking again.
    mutter.setBehaviour(FakeIdleService::Behaviour::answer);
    mutter.release();
    ASSERT_TRUE(mutter.claim());
    EXPECT_TRUE(QTest::qWaitFor([&] { return source.idleSeconds().has_value(); }, kWaitMs));
    EXPECT_DOUBLE_EQ(source.idleSeconds().value_or(-1), 2.5);
}

TEST(DBusIdleSource, HangingServiceIsBoundedAndGivenUpOn)
{
    FakeIdleService mutter = fakeMutter();
    mutter.setBehaviour(FakeIdleService::Behaviour::hang);
    ASSERT_TRUE(mutter.claim());
    MutterIdleSource source(QDBusConnection::sessionBus());
    for (int i = 0; i < DBusIdleSource::kTimeoutsBeforeGivingUp; ++i) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(source.idleSeconds());
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        EXPECT_GE(spent.count(), DBusIdleSource::kCallTimeoutMs - 50);
        EXPECT_LT(spent.count(), DBusIdleSource::kCallTimeoutMs * 8);
    }
    EXPECT_LT(millisecondsFor(10, source), 20.0);
    EXPECT_EQ(mutter.calls(), DBusIdleSource::kTimeoutsBeforeGivingUp);
}
