#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include "platform/DesktopTools.h"
#include "platform/linux/LogindSleepWatcher.h"
#include "support/FakeLogind.h"

using namespace tavelo;
using test::waitFor;

// The end-to-end test sees the inhibitor taken at start and let go on suspend; this one
// follows logind as it goes and comes back, and a signal from someone else.
TEST(LogindSleepWatcher, HoldsADelayInhibitorUntilTheSleepIsRecordedAndFollowsLogindAsItComesAndGoes)
{
    // Each test has a private session bus, which stands in for the system bus here.
    const QString bus = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    LogindSleepWatcher watcher{QDBusConnection::connectToBus(bus, "watcher")};
    std::vector<bool> heldAtSleep;
    int wakes = 0;
    watcher.start([&] { heldAtSleep.push_back(watcher.holdsInhibitor()); }, [&] { ++wakes; });
    auto logind = std::make_unique<test::FakeLogind>(bus);
    const auto holding = [&] { return watcher.holdsInhibitor() && logind->openInhibitors() == 1; };
    ASSERT_TRUE(waitFor(holding));
    EXPECT_TRUE(logind->output().contains("inhibit taken: sleep|Tavelo|Record the time of suspend|delay\n"))
        << logind->output().toStdString();

    logind->announceSleep(true);
    ASSERT_TRUE(waitFor([&] { return logind->openInhibitors() == 0; }));
    EXPECT_EQ(heldAtSleep, std::vector<bool>{true});
    EXPECT_FALSE(watcher.holdsInhibitor());
    logind->announceSleep(false);
    ASSERT_TRUE(waitFor(holding));
    EXPECT_EQ(wakes, 1);

    logind.reset();
    ASSERT_TRUE(waitFor([&] { return !watcher.holdsInhibitor(); }));
    logind = std::make_unique<test::FakeLogind>(bus);
    ASSERT_TRUE(waitFor(holding));

    // Anyone may broadcast a signal that looks like logind's; only logind's counts. The bus
    // delivers the impostor's before logind's wake, which the round trip makes sure of.
    QDBusConnection impostor = QDBusConnection::connectToBus(bus, "impostor");
    ASSERT_TRUE(impostor.send(
        QDBusMessage::createSignal("/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep")
        << true));
    impostor.interface()->isServiceRegistered("org.freedesktop.login1");
    logind->announceSleep(false);
    ASSERT_TRUE(waitFor([&] { return wakes == 2; }));
    EXPECT_EQ(heldAtSleep.size(), 1u);
    EXPECT_TRUE(holding());
}
