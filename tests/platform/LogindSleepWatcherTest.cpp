#include <memory>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/linux/LogindSleepWatcher.h"
#include "support/FakeLogind.h"

using namespace tavelo;

namespace {

constexpr int kWaitMs = 20000;

// Each test has a private session bus, which stands in for the system bus here.
const QString kBus = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");

QDBusConnection connectTo(const char *name)
{
    return QDBusConnection::connectToBus(kBus, QString::fromLatin1(name));
}

class LogindSleepWatcherTest : public ::testing::Test {
protected:
    void start()
    {
        watcher.start(
            [this] {
                ++sleeps;
                heldDuringWillSleep = watcher.holdsInhibitor();
            },
            [this] { ++wakes; });
    }
    bool holding() { return watcher.holdsInhibitor() && logind->openInhibitors() == 1; }

    LogindSleepWatcher watcher{connectTo("watcher")};
    std::unique_ptr<test::FakeLogind> logind;
    int sleeps = 0;
    int wakes = 0;
    bool heldDuringWillSleep = false;
};

} // namespace

TEST_F(LogindSleepWatcherTest, HoldsADelayInhibitorUntilTheSleepIsRecordedAndTakesItAgainOnWake)
{
    logind = std::make_unique<test::FakeLogind>(kBus);
    ASSERT_TRUE(logind->isReady()) << logind->errorText().toStdString();
    start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return holding(); }, kWaitMs));
    EXPECT_TRUE(logind->output().contains("inhibit taken: sleep|Tavelo|Record the time of suspend|delay\n"))
        << logind->output().toStdString();

    logind->announceSleep(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return logind->openInhibitors() == 0; }, kWaitMs));
    EXPECT_EQ(sleeps, 1);
    EXPECT_TRUE(heldDuringWillSleep);
    EXPECT_FALSE(watcher.holdsInhibitor());
    EXPECT_EQ(wakes, 0);

    logind->announceSleep(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return holding(); }, kWaitMs));
    EXPECT_EQ(wakes, 1);
}

TEST_F(LogindSleepWatcherTest, FollowsLogindAsItComesAndGoesAndIgnoresOtherSenders)
{
    start();
    logind = std::make_unique<test::FakeLogind>(kBus);
    ASSERT_TRUE(logind->isReady()) << logind->errorText().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return holding(); }, kWaitMs));
    logind.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.holdsInhibitor(); }, kWaitMs));
    logind = std::make_unique<test::FakeLogind>(kBus);
    ASSERT_TRUE(logind->isReady()) << logind->errorText().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return holding(); }, kWaitMs));

    // Anyone may broadcast a signal that looks like logind's; only logind's counts. The bus
    // delivers the impostor's before logind's wake, which the round trip makes sure of.
    QDBusConnection impostor = connectTo("impostor");
    QDBusMessage fake =
        QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                   QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
    fake << true;
    ASSERT_TRUE(impostor.send(fake));
    impostor.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.login1"));
    logind->announceSleep(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return wakes == 1; }, kWaitMs));
    EXPECT_EQ(sleeps, 0);
    EXPECT_TRUE(holding());
}
