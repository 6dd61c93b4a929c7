#include <chrono>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTest>

#include <gtest/gtest.h>

#include "app/IdleMonitor.h"
#include "app/PresenceTracker.h"
#include "core/BreakEngine.h"
#include "platform/linux/LogindSleepWatcher.h"
#include "support/FakeIdleTimeSource.h"
#include "support/FakeLogind.h"
#include "support/FakeSystemBus.h"
#include "support/ManualMainLoop.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

constexpr int kWaitMs = 5000;

// A connection to the stand-in system bus, as the program would hold QDBusConnection::systemBus().
QDBusConnection connectTo(const test::FakeSystemBus &bus, const char *name)
{
    return QDBusConnection::connectToBus(bus.address(), QString::fromLatin1(name));
}

} // namespace

TEST(LogindSleepWatcher, HoldsTheInhibitorUntilTheSleepIsRecordedAndTakesItAgainOnWake)
{
    test::FakeSystemBus bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorText().toStdString();
    test::FakeLogind logind(bus.address());
    ASSERT_TRUE(logind.isReady()) << logind.errorText().toStdString();

    LogindSleepWatcher watcher(connectTo(bus, "watcher"));
    int sleeps = 0;
    int wakes = 0;
    uint heldDuringWillSleep = 0;
    watcher.start(
        [&] {
            ++sleeps;
            heldDuringWillSleep = logind.openInhibitors();
        },
        [&] { ++wakes; });

    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.holdsInhibitor() && logind.openInhibitors() == 1; }, kWaitMs));
    EXPECT_EQ(logind.lastInhibit(),
              (QStringList{QStringLiteral("sleep"), QStringLiteral("Tavelo"),
                           QStringLiteral("Record the time of suspend"), QStringLiteral("delay")}));

    logind.announceSleep(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return logind.openInhibitors() == 0; }, kWaitMs))
        << logind.output().toStdString();
    EXPECT_EQ(sleeps, 1);
    EXPECT_EQ(heldDuringWillSleep, 1u);
    EXPECT_FALSE(watcher.holdsInhibitor());
    EXPECT_EQ(wakes, 0);

    logind.announceSleep(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.holdsInhibitor() && logind.openInhibitors() == 1; }, kWaitMs));
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(logind.inhibitCalls(), 2u);
}

TEST(LogindSleepWatcher, SleepMovesTheEngineCountdownByTheTimeSlept)
{
    test::FakeSystemBus bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorText().toStdString();
    test::FakeLogind logind(bus.address());
    ASSERT_TRUE(logind.isReady()) << logind.errorText().toStdString();

    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(BreakSettings::standard, clock, loop);
    double idle = 3.0;
    test::FakeIdleTimeSource idleSource([&] { return std::optional(idle); });
    IdleMonitor monitor(idleSource);
    LogindSleepWatcher watcher(connectTo(bus, "watcher"));
    PresenceTracker tracker(engine, monitor, watcher, clock, loop);
    tracker.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return logind.openInhibitors() == 1; }, kWaitMs));
    loop.advance(100s);
    EXPECT_EQ(engine.remainingSeconds(), 1400);

    logind.announceSleep(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return logind.openInhibitors() == 0; }, kWaitMs));
    loop.runPending();
    ASSERT_TRUE(tracker.sleepDateForTesting());

    // Suspended: time passes, nothing runs.
    clock.advance(45min);
    idle = 2700.0;
    logind.announceSleep(false);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            loop.runPending();
            return !tracker.sleepDateForTesting().has_value();
        },
        kWaitMs));
    EXPECT_EQ(engine.remainingSeconds(), 1400);
    engine.postpone(); // a fresh reading: the deadline moved with the sleep
    EXPECT_EQ(engine.remainingSeconds(), 1400 + 300);
    EXPECT_EQ(engine.currentIdleSeconds(), 2700);
    EXPECT_TRUE(QTest::qWaitFor([&] { return logind.openInhibitors() == 1; }, kWaitMs));
}

TEST(LogindSleepWatcher, FollowsLogindAsItComesAndGoesAndIgnoresOtherSenders)
{
    test::FakeSystemBus bus;
    ASSERT_TRUE(bus.isRunning()) << bus.errorText().toStdString();
    LogindSleepWatcher watcher(connectTo(bus, "watcher"));
    int sleeps = 0;
    watcher.start([&] { ++sleeps; }, [] {});
    QTest::qWait(200);
    EXPECT_FALSE(watcher.holdsInhibitor());

    {
        test::FakeLogind first(bus.address());
        ASSERT_TRUE(first.isReady()) << first.errorText().toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.holdsInhibitor(); }, kWaitMs));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watcher.holdsInhibitor(); }, kWaitMs));

    test::FakeLogind logind(bus.address());
    ASSERT_TRUE(logind.isReady()) << logind.errorText().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return logind.openInhibitors() == 1 && watcher.holdsInhibitor(); }, kWaitMs));

    // Anyone may broadcast a signal that looks like logind's; only logind's counts.
    QDBusConnection impostor = connectTo(bus, "impostor");
    QDBusMessage fake =
        QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                   QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
    fake << true;
    ASSERT_TRUE(impostor.send(fake));
    QTest::qWait(200);
    EXPECT_EQ(sleeps, 0);
    EXPECT_TRUE(watcher.holdsInhibitor());

    logind.announceSleep(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sleeps == 1; }, kWaitMs));
}

TEST(LogindSleepWatcher, WithoutASystemBusTheProgramRunsOnWithoutSleepHandling)
{
    QDBusConnection nowhere = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/tavelo-system-bus"),
                                                            QStringLiteral("nowhere"));
    ASSERT_FALSE(nowhere.isConnected());
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakEngine engine(BreakSettings::standard, clock, loop);
    test::FakeIdleTimeSource idleSource([] { return std::optional(8.5); });
    IdleMonitor monitor(idleSource);
    LogindSleepWatcher watcher(nowhere);
    PresenceTracker tracker(engine, monitor, watcher, clock, loop);
    tracker.start();
    QTest::qWait(100);
    EXPECT_FALSE(watcher.holdsInhibitor());
    loop.advance(10s);
    EXPECT_EQ(engine.currentIdleSeconds(), 8);
    EXPECT_EQ(engine.remainingSeconds(), 1490);
}
