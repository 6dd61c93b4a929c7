#include "app/IdleMonitor.h"
#include "platform/DesktopTools.h"
#include "platform/linux/FreedesktopScreenSaverIdleSource.h"
#include "platform/linux/MutterIdleSource.h"
#include "platform/linux/SystemIdleTimeSource.h"
#include "platform/linux/XScreenSaverIdleSource.h"
#include "support/FakeIdleService.h"

using namespace tavelo;
using test::FakeIdleService;
using Behaviour = FakeIdleService::Behaviour;
using test::waitFor;

namespace {

// The names the desktops really use; the sources must match them.
const DBusIdleSource::Endpoint kMutter{"org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core",
                                       "org.gnome.Mutter.IdleMonitor", "GetIdletime"};

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
    FakeIdleService mutter(kMutter);
    mutter.set(Behaviour::answer, QVariant::fromValue<qulonglong>(12345));
    ASSERT_TRUE(mutter.claim());
    FakeIdleService screenSaver({"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                                 "org.freedesktop.ScreenSaver", "GetSessionIdleTime"});
    screenSaver.set(Behaviour::answer, QVariant::fromValue<uint>(4000));
    ASSERT_TRUE(screenSaver.claim());
    MutterIdleSource gnome(QDBusConnection::sessionBus());
    EXPECT_DOUBLE_EQ(gnome.idleSeconds().value_or(-1), 12.345);
    EXPECT_DOUBLE_EQ(FreedesktopScreenSaverIdleSource(QDBusConnection::sessionBus()).idleSeconds().value_or(-1), 4.0);
    // A reply of the wrong type is not a number of milliseconds.
    mutter.set(Behaviour::answer, QStringLiteral("soon"));
    EXPECT_FALSE(gnome.idleSeconds());
}

TEST(DBusIdleSource, AbsentRefusingOrHangingServicesCostNothingUntilTheNameChangesHands)
{
    FakeIdleService mutter(kMutter);
    mutter.set(Behaviour::refuse);
    MutterIdleSource source(QDBusConnection::sessionBus());
    EXPECT_FALSE(source.idleSeconds());
    // No bus traffic at all: a thousand samples take well under one round trip each.
    EXPECT_LT(millisecondsFor(1000, source), 20.0);

    ASSERT_TRUE(mutter.claim());
    ASSERT_TRUE(waitFor([&] { return !source.idleSeconds() && mutter.calls() == 1; }));
    for (int i = 0; i < 10; ++i)
        source.idleSeconds();
    EXPECT_EQ(mutter.calls(), 1);

    // Another program (here: the same, restarted) takes the name: worth asking again. Each
    // call to one that hangs is bounded, and after a few it is left alone.
    mutter.set(Behaviour::hang);
    mutter.release();
    ASSERT_TRUE(mutter.claim());
    ASSERT_TRUE(waitFor([&] { return !source.idleSeconds() && mutter.calls() > 1; }));
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i < DBusIdleSource::kTimeoutsBeforeGivingUp; ++i)
        EXPECT_FALSE(source.idleSeconds());
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    EXPECT_GE(spent.count(), (DBusIdleSource::kTimeoutsBeforeGivingUp - 1) * (DBusIdleSource::kCallTimeoutMs - 50));
    EXPECT_LT(spent.count(), (DBusIdleSource::kTimeoutsBeforeGivingUp - 1) * DBusIdleSource::kCallTimeoutMs * 8);
    EXPECT_LT(millisecondsFor(10, source), 20.0);
    EXPECT_EQ(mutter.calls(), 1 + DBusIdleSource::kTimeoutsBeforeGivingUp);

    mutter.set(Behaviour::answer, QVariant::fromValue<qulonglong>(2500));
    mutter.release();
    ASSERT_TRUE(mutter.claim());
    EXPECT_TRUE(waitFor([&] { return source.idleSeconds().has_value(); }));
    EXPECT_DOUBLE_EQ(source.idleSeconds().value_or(-1), 2.5);
}

TEST(XScreenSaverIdleSource, GrowsWhileNothingHappensAndDropsOnInput)
{
    XScreenSaverIdleSource source;
    const std::optional<double> first = source.idleSeconds();
    ASSERT_TRUE(first) << "no MIT-SCREEN-SAVER on the test display";
    std::optional<double> idle;
    EXPECT_TRUE(waitFor([&] { return (idle = source.idleSeconds()) && *idle >= *first + 0.5; }));
    test::run("xdotool", {"mousemove", "200", "300", "mousemove", "420", "310"});
    EXPECT_TRUE(waitFor([&] { return (idle = source.idleSeconds()) && *idle < 0.4; }));

    // On an X11 session the program's own monitor reads the X server.
    SystemIdleTimeSource system;
    IdleMonitor monitor(system);
    EXPECT_TRUE(waitFor([&] { return monitor.idleSeconds() >= 0.3; }));
    EXPECT_LT(monitor.idleSeconds(), 10.0);
}
