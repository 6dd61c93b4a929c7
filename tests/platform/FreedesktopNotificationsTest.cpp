#include <atomic>
#include <map>
#include <optional>
#include <set>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/services/NotificationService.h"
#include "platform/linux/FreedesktopNotificationCenter.h"
#include "platform/linux/QtMainLoop.h"
#include "support/FakeBundleInfo.h"
#include "support/FakeWorkspace.h"

using namespace tavelo;

namespace {

struct Notice {
    QString summary;
    QString body;
    bool operator<(const Notice &o) const { return std::tie(summary, body) < std::tie(o.summary, o.body); }
    bool operator==(const Notice &) const = default;
};

void PrintTo(const Notice &n, std::ostream *os)
{
    *os << "{" << n.summary.toStdString() << " | " << n.body.toStdString() << "}";
}

QByteArray dunstctl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("dunstctl"), arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        ADD_FAILURE() << "dunstctl " << arguments.join(' ').toStdString() << " did not finish";
        return {};
    }
    return process.readAllStandardOutput();
}

int dunstCount(const QString &which)
{
    return dunstctl({QStringLiteral("count"), which}).trimmed().toInt();
}

// Notices in dunst's history by server id: withdrawn, expired or dismissed ones.
std::map<int, Notice> dunstHistory()
{
    std::map<int, Notice> notices;
    const QJsonArray data = QJsonDocument::fromJson(dunstctl({QStringLiteral("history")})).object()["data"].toArray();
    for (const QJsonValue &entry : data.at(0).toArray()) {
        const QJsonObject o = entry.toObject();
        notices[o["id"]["data"].toInt()] = {o["summary"]["data"].toString(), o["body"]["data"].toString()};
    }
    return notices;
}

// What is on screen now. Dunst cannot list displayed notices, so this closes them all
// and reads back what that added to the history.
std::multiset<Notice> shownNotices()
{
    const std::map<int, Notice> before = dunstHistory();
    const int shown = dunstCount(QStringLiteral("displayed")) + dunstCount(QStringLiteral("waiting"));
    dunstctl({QStringLiteral("close-all")});
    EXPECT_TRUE(QTest::qWaitFor([] { return dunstCount(QStringLiteral("displayed")) == 0; }, 5000));
    std::multiset<Notice> notices;
    for (const auto &[id, notice] : dunstHistory()) {
        if (!before.count(id))
            notices.insert(notice);
    }
    EXPECT_EQ(static_cast<int>(notices.size()), shown);
    return notices;
}

// Withdrawn, expired or dismissed.
bool inHistory(const Notice &notice)
{
    for (const auto &[id, n] : dunstHistory()) {
        if (n == notice)
            return true;
    }
    return false;
}

const Notice kWarning{QStringLiteral("Break coming up"), QStringLiteral("Your break will start in 10 seconds.")};
const Notice kMicro{QStringLiteral("Microbreak"), QStringLiteral("Look away from your screen for a moment.")};
const Notice kComplete{QStringLiteral("Break complete"), QStringLiteral("Focus session resumed.")};

class DunstNotificationsTest : public ::testing::Test {
protected:
    // Lets every call reach dunst and come back.
    void settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return center.callsInFlight() == 0; }, 5000));
    }

    FreedesktopNotificationCenter center;
    test::FakeBundleInfo bundle{true};
    test::FakeWorkspace workspace;
    QtMainLoop loop;
    NotificationService service{center, bundle, workspace, loop};
};

// A bus of our own with nothing on it but what a test puts there; no service files, so
// nothing can be started on demand.
class PrivateBus {
public:
    PrivateBus()
    {
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write(QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
                         .arg(m_dir.path())
                         .toUtf8());
        config.close();
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                                                       QStringLiteral("--config-file=") + config.fileName()});
        QElapsedTimer timer;
        timer.start();
        while (!m_daemon.canReadLine() && timer.elapsed() < 5000)
            m_daemon.waitForReadyRead(100);
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        for (const QString &name : m_names)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(3000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(1000);
        }
    }

    QDBusConnection connect()
    {
        const QString name = QStringLiteral("tavelo-test-bus-%1").arg(m_names.size());
        m_names << name;
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};

// Owns the notification name and never answers anything.
class SilentServer final : public QDBusVirtualObject {
public:
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        ++received;
        return message.type() == QDBusMessage::MethodCallMessage;
    }
    std::atomic<int> received = 0;
};

// Calls that must come back at once, timed with the loop ticking meanwhile.
template <typename F> qint64 millisecondsFor(F &&f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.elapsed();
}

} // namespace

TEST_F(DunstNotificationsTest, WarningsReplaceOneAnother)
{
    // The second is sent before the first one's id has come back.
    service.notifyBreakWarning(30);
    service.notifyBreakWarning(20);
    settle();
    EXPECT_EQ(dunstCount(QStringLiteral("displayed")), 1);

    service.notifyBreakWarning(10);
    settle();
    EXPECT_EQ(shownNotices(), (std::multiset<Notice>{kWarning}));
}

TEST_F(DunstNotificationsTest, BreakCompleteNoticesAccumulate)
{
    service.notifyBreakEnded();
    settle();
    service.notifyBreakEnded();
    settle();
    EXPECT_EQ(shownNotices(), (std::multiset<Notice>{kComplete, kComplete}));
}

TEST_F(DunstNotificationsTest, BreakStartWithdrawsTheWarning)
{
    service.notifyBreakWarning(10);
    settle();
    service.notifyBreakStarted(BreakType::long_, 900);
    settle();
    const Notice longBreak{QStringLiteral("Long break"), QStringLiteral("Step away for about 15 minutes.")};
    EXPECT_EQ(shownNotices(), (std::multiset<Notice>{longBreak}));
    EXPECT_TRUE(inHistory(kWarning));
}

TEST_F(DunstNotificationsTest, BreakStartWithdrawsAWarningPostedInTheSameTurn)
{
    service.notifyBreakWarning(10);
    service.notifyBreakStarted(BreakType::micro, 20);
    settle();
    EXPECT_EQ(shownNotices(), (std::multiset<Notice>{kMicro}));
}

TEST_F(DunstNotificationsTest, CancelledBreakWithdrawsBothNotices)
{
    service.notifyBreakStarted(BreakType::micro, 20);
    settle();
    service.notifyBreakWarning(10);
    settle();
    ASSERT_EQ(dunstCount(QStringLiteral("displayed")), 2);
    service.cancelBreakNotifications();
    settle();
    EXPECT_TRUE(shownNotices().empty());
    EXPECT_TRUE(inHistory(kMicro));
    EXPECT_TRUE(inHistory(kWarning));

    // Still on their way when the break is cancelled.
    service.notifyBreakWarning(10);
    service.notifyBreakStarted(BreakType::micro, 20);
    service.cancelBreakNotifications();
    settle();
    EXPECT_TRUE(shownNotices().empty());
}

TEST_F(DunstNotificationsTest, ClickReportsOurIdentifierAndBodiesAreEscaped)
{
    std::optional<std::string> clicked;
    center.setClickHandler([&](const std::string &identifier) { clicked = identifier; });
    center.add({"tavelo.markup", "Tom & Jerry", "<b>Tom</b> & \"Jerry's\"", false});
    settle();
    dunstctl({QStringLiteral("action"), QStringLiteral("0")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.has_value(); }, 5000));
    EXPECT_EQ(clicked, "tavelo.markup");
    // Summaries are plain text by definition; bodies are markup.
    shownNotices();
    EXPECT_TRUE(inHistory(
        {QStringLiteral("Tom & Jerry"), QStringLiteral("&lt;b&gt;Tom&lt;/b&gt; &amp; &quot;Jerry&#39;s&quot;")}));
}

TEST_F(DunstNotificationsTest, ServerThatAnswersCountsAsAuthorized)
{
    std::optional<AuthorizationStatus> status;
    std::optional<bool> granted;
    center.getAuthorizationStatus([&](AuthorizationStatus s) { status = s; });
    center.requestAuthorization([&](bool g) { granted = g; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return status && granted; }, 5000));
    EXPECT_EQ(status, AuthorizationStatus::authorized);
    EXPECT_EQ(granted, true);
}

TEST(FreedesktopNotificationCenterTest, NoServerMeansDeniedWithoutWaiting)
{
    PrivateBus bus;
    QDBusConnection connection = bus.connect();
    ASSERT_TRUE(connection.isConnected());
    FreedesktopNotificationCenter center(connection);
    std::optional<AuthorizationStatus> status;
    std::optional<bool> granted;
    center.add({"tavelo.break-warning", "Break coming up", "soon", true});
    center.removeDelivered({"tavelo.break-warning"});
    center.removePending({"tavelo.break-warning"});
    center.getAuthorizationStatus([&](AuthorizationStatus s) { status = s; });
    center.requestAuthorization([&](bool g) { granted = g; });
    // The bus answers for an absent name at once, far inside the reply time-out.
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return status && granted && center.callsInFlight() == 0; }, 3000));
    EXPECT_LT(timer.elapsed(), FreedesktopNotificationCenter::defaultReplyTimeoutMs / 2);
    EXPECT_EQ(status, AuthorizationStatus::denied);
    EXPECT_EQ(granted, false);
}

TEST(FreedesktopNotificationCenterTest, SilentServerNeverStallsTheLoop)
{
    PrivateBus bus;
    QDBusConnection serverConnection = bus.connect();
    SilentServer server;
    ASSERT_TRUE(serverConnection.registerService(QStringLiteral("org.freedesktop.Notifications")));
    ASSERT_TRUE(serverConnection.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &server));

    constexpr int timeoutMs = 400;
    FreedesktopNotificationCenter center(bus.connect(), timeoutMs);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);

    std::optional<AuthorizationStatus> status;
    std::optional<bool> granted;
    const qint64 elapsed = millisecondsFor([&] {
        center.add({"tavelo.break-warning", "Break coming up", "soon", true});
        center.add({"tavelo.break-warning", "Break coming up", "sooner", true});
        center.add({"tavelo.break-started", "Microbreak", "now", true});
        center.removeDelivered({"tavelo.break-warning"});
        center.removePending({"tavelo.break-warning"});
        center.getAuthorizationStatus([&](AuthorizationStatus s) { status = s; });
        center.requestAuthorization([&](bool g) { granted = g; });
    });
    EXPECT_LT(elapsed, 100);

    // The loop keeps ticking while the calls are unanswered; they give up after the time-out.
    EXPECT_TRUE(QTest::qWaitFor([&] { return status && granted && center.callsInFlight() == 0; }, 5000));
    EXPECT_GE(ticks, timeoutMs / 10 / 2);
    EXPECT_GT(server.received.load(), 0);
    EXPECT_EQ(status, AuthorizationStatus::denied);
    EXPECT_EQ(granted, false);

    serverConnection.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
}
