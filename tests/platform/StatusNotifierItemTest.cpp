#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/linux/StatusNotifierHostProbe.h"
#include "platform/linux/StatusNotifierItem.h"
#include "support/FakeStatusNotifierHost.h"
#include "support/FakeStatusNotifierWatcher.h"

using namespace tavelo;

namespace {

constexpr int kWaitMs = 5000;

template <typename T> T demarshall(const QVariant &value)
{
    T out{};
    value.value<QDBusArgument>() >> out;
    return out;
}

class StatusNotifierItemTest : public ::testing::Test {
protected:
    void SetUp() override { registerStatusNotifierDBusTypes(); }

    bool waitForRegistrations(int count)
    {
        return QTest::qWaitFor([&] { return watcher.registrations().size() >= count; }, kWaitMs);
    }
    QString service() const { return QString::fromStdString(item.serviceName()); }

    test::FakeStatusNotifierWatcher watcher;
    StatusNotifierItem item;
    test::FakeStatusNotifierHost host;
};

} // namespace

TEST_F(StatusNotifierItemTest, RegistersUnderItsOwnNameAndExportsTheStandardProperties)
{
    ASSERT_TRUE(watcher.start());
    item.show();
    ASSERT_TRUE(waitForRegistrations(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return item.isRegistered(); }, kWaitMs));
    ASSERT_EQ(watcher.registrations().size(), 1);
    EXPECT_EQ(watcher.registrations().front().service, service());
    EXPECT_TRUE(
        service().startsWith(QStringLiteral("org.kde.StatusNotifierItem-%1-").arg(QCoreApplication::applicationPid())));

    EXPECT_EQ(host.property(service(), "Category").toString(), "ApplicationStatus");
    EXPECT_EQ(host.property(service(), "Id").toString(), "com.tavelo.app");
    EXPECT_EQ(host.property(service(), "Title").toString(), "Tavelo");
    EXPECT_EQ(host.property(service(), "Status").toString(), "Active");
    EXPECT_EQ(host.property(service(), "IconName").toString(), "");
    EXPECT_EQ(host.property(service(), "WindowId").toInt(), 0);
    EXPECT_EQ(host.property(service(), "ItemIsMenu").toBool(), false);
    EXPECT_EQ(host.property(service(), "Menu").value<QDBusObjectPath>().path(), "/NO_DBUSMENU");

    // The values the app sets, as a host reads them.
    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(qRgba(0x10, 0x20, 0x30, 0x80));
    QImage large(32, 32, QImage::Format_ARGB32);
    large.fill(Qt::transparent);
    item.setIcon({small, large});
    item.setToolTip("Tavelo", "24:59");
    item.setLabel("24:59");

    EXPECT_EQ(host.property(service(), "XAyatanaLabel").toString(), "24:59");
    EXPECT_EQ(host.property(service(), "XAyatanaLabelGuide").toString(), "00:00");
    const auto toolTip = demarshall<StatusNotifierToolTip>(host.property(service(), "ToolTip"));
    EXPECT_EQ(toolTip.title, "Tavelo");
    EXPECT_EQ(toolTip.text, "24:59");
    const auto pixmaps = demarshall<StatusNotifierPixmaps>(host.property(service(), "IconPixmap"));
    ASSERT_EQ(pixmaps.size(), 2);
    EXPECT_EQ(pixmaps[0].width, 16);
    EXPECT_EQ(pixmaps[0].height, 16);
    EXPECT_EQ(pixmaps[1].width, 32);
    ASSERT_EQ(pixmaps[0].argb.size(), 16 * 16 * 4);
    EXPECT_EQ(pixmaps[1].argb.size(), 32 * 32 * 4);
    // Alpha first, then red, green and blue, whatever the machine's byte order.
    EXPECT_EQ(pixmaps[0].argb.left(4), QByteArray::fromHex("80102030"));
}

TEST_F(StatusNotifierItemTest, SignalsOnlyValuesThatChanged)
{
    ASSERT_TRUE(watcher.start());
    item.show();
    ASSERT_TRUE(waitForRegistrations(1));
    host.listenTo(service());
    host.sync(service());

    for (const char *label : {"25:00", "25:00", "24:59", "24:59", "24:59", "1:00:00", "Paused", "Paused"})
        item.setLabel(label);
    host.sync(service());
    ASSERT_EQ(host.signalNames(), QStringList(4, QStringLiteral("XAyatanaNewLabel")));
    const auto labelArgs = [&](int i) { return host.signalsReceived[i].arguments(); };
    EXPECT_EQ(labelArgs(0), (QVariantList{QStringLiteral("25:00"), QStringLiteral("00:00")}));
    EXPECT_EQ(labelArgs(1), (QVariantList{QStringLiteral("24:59"), QStringLiteral("00:00")}));
    EXPECT_EQ(labelArgs(2), (QVariantList{QStringLiteral("1:00:00"), QStringLiteral("0:00:00")}));
    EXPECT_EQ(labelArgs(3), (QVariantList{QStringLiteral("Paused"), QStringLiteral("Paused")}));

    host.signalsReceived.clear();
    QImage icon(22, 22, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    item.setIcon(icon);
    item.setIcon(icon.copy()); // same pixels, another image
    item.setToolTip("Tavelo", "Paused");
    item.setToolTip("Tavelo", "Paused");
    item.setToolTip("Tavelo", "Paused 1m");
    item.setStatus(StatusNotifierItem::Status::active);
    item.setStatus(StatusNotifierItem::Status::needsAttention);
    host.sync(service());
    EXPECT_EQ(host.signalNames(), (QStringList{"NewIcon", "NewToolTip", "NewToolTip", "NewStatus"}));
    EXPECT_EQ(host.signalsReceived.back().arguments(), QVariantList{QStringLiteral("NeedsAttention")});
}

TEST_F(StatusNotifierItemTest, ClicksOpenThePanelAtTheGivenPoint)
{
    ASSERT_TRUE(watcher.start());
    std::vector<QPoint> opened;
    item.onActivate = [&](QPoint p) { opened.push_back(p); };
    item.show();
    ASSERT_TRUE(waitForRegistrations(1));

    const QString interface = QString::fromLatin1(StatusNotifierItem::kInterface);
    EXPECT_EQ(host.call(service(), interface, "Activate", {120, 1010}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(host.call(service(), interface, "SecondaryActivate", {1500, 12}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(host.call(service(), interface, "ContextMenu", {7, 8}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(host.call(service(), interface, "Scroll", {120, QStringLiteral("vertical")}).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(opened, (std::vector<QPoint>{{120, 1010}, {1500, 12}, {7, 8}}));
}

TEST_F(StatusNotifierItemTest, RegistersWithAWatcherThatAppearsOrRestarts)
{
    std::vector<bool> changes;
    item.onRegisteredChanged = [&](bool registered) { changes.push_back(registered); };
    item.show();
    // No watcher yet: the item waits for one.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !item.serviceName().empty(); }, kWaitMs));
    host.sync(service());
    EXPECT_FALSE(item.isRegistered());

    ASSERT_TRUE(watcher.start());
    ASSERT_TRUE(waitForRegistrations(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return item.isRegistered(); }, kWaitMs));

    watcher.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !item.isRegistered(); }, kWaitMs));
    ASSERT_TRUE(watcher.start());
    ASSERT_TRUE(waitForRegistrations(1));
    EXPECT_EQ(watcher.registrations().front().service, service());
    ASSERT_TRUE(QTest::qWaitFor([&] { return item.isRegistered(); }, kWaitMs));
    EXPECT_EQ(changes, (std::vector<bool>{true, false, true}));

    // Hiding gives the name up, so the watcher drops the item; showing again comes back.
    const QString name = service();
    item.hide();
    EXPECT_FALSE(item.isRegistered());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !watcher.connection().interface()->isServiceRegistered(name).value(); }, kWaitMs));
    item.show();
    ASSERT_TRUE(waitForRegistrations(2));
    EXPECT_EQ(watcher.registrations().back().service, name);
}

TEST(StatusNotifierHostProbeTest, FollowsTheWatcherAndItsHosts)
{
    test::FakeStatusNotifierWatcher watcher(/*hostRegistered=*/false);
    StatusNotifierHostProbe probe;
    std::vector<bool> answers;
    probe.onChanged = [&](bool available) { answers.push_back(available); };
    probe.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.available().has_value(); }, kWaitMs));
    EXPECT_EQ(probe.available(), false);

    // A watcher without a host shows nothing; the host registering later does.
    ASSERT_TRUE(watcher.start());
    QTest::qWait(100);
    EXPECT_EQ(probe.available(), false);
    watcher.setHostRegistered(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.available() == true; }, kWaitMs));
    watcher.setHostRegistered(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.available() == false; }, kWaitMs));
    watcher.setHostRegistered(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.available() == true; }, kWaitMs));
    watcher.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.available() == false; }, kWaitMs));
    EXPECT_EQ(answers, (std::vector<bool>{false, true, false, true, false}));
}
