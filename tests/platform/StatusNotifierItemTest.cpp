#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/linux/StatusNotifierItem.h"
#include "support/FakeStatusNotifierHost.h"
#include "support/FakeStatusNotifierWatcher.h"

using namespace tavelo;

namespace {

constexpr int kWaitMs = 20000;

template <typename T> T demarshall(const QVariant &value)
{
    T out{};
    value.value<QDBusArgument>() >> out;
    return out;
}

class StatusNotifierItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerStatusNotifierDBusTypes();
        item.onActivate = [this](QPoint p) { opened.push_back(p); };
        ASSERT_TRUE(watcher.start());
        item.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.registrations().empty(); }, kWaitMs));
        ASSERT_EQ(watcher.registrations().front(), service());
    }
    QString service() const { return QString::fromStdString(item.serviceName()); }

    test::FakeStatusNotifierWatcher watcher;
    StatusNotifierItem item;
    test::FakeStatusNotifierHost host;
    std::vector<QPoint> opened;
};

} // namespace

TEST_F(StatusNotifierItemTest, RegistersUnderItsOwnNameAndExportsItsValues)
{
    EXPECT_TRUE(
        service().startsWith(QStringLiteral("org.kde.StatusNotifierItem-%1-").arg(QCoreApplication::applicationPid())));

    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(qRgba(0x10, 0x20, 0x30, 0x80));
    item.setIcon({small, QImage(32, 32, QImage::Format_ARGB32)});
    item.setToolTip("Tavelo", "1:24:59");
    item.setLabel("1:24:59");
    const std::pair<const char *, QVariant> properties[] = {
        {"Id", QStringLiteral("com.tavelo.app")},
        {"Status", QStringLiteral("Active")},
        {"ItemIsMenu", false},
        {"XAyatanaLabel", QStringLiteral("1:24:59")},
        {"XAyatanaLabelGuide", QStringLiteral("0:00:00")},
    };
    for (const auto &[name, value] : properties)
        EXPECT_EQ(host.property(service(), name), value) << name;
    EXPECT_EQ(host.property(service(), "Menu").value<QDBusObjectPath>().path(), "/NO_DBUSMENU");
    const auto toolTip = demarshall<StatusNotifierToolTip>(host.property(service(), "ToolTip"));
    EXPECT_EQ(toolTip.title + " " + toolTip.text, "Tavelo 1:24:59");
    const auto pixmaps = demarshall<StatusNotifierPixmaps>(host.property(service(), "IconPixmap"));
    ASSERT_EQ(pixmaps.size(), 2);
    EXPECT_EQ(pixmaps[1].width * pixmaps[1].height * 4, pixmaps[1].argb.size());
    // Alpha first, then red, green and blue, whatever the machine's byte order.
    EXPECT_EQ(pixmaps[0].argb.left(4), QByteArray::fromHex("80102030"));
}

TEST_F(StatusNotifierItemTest, SignalsOnlyValuesThatChangedAndTakesClicks)
{
    host.listenTo(service());
    host.sync(service());

    QImage icon(22, 22, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    for (const char *label : {"25:00", "25:00", "24:59"})
        item.setLabel(label);
    item.setIcon(icon);
    item.setIcon(icon.copy()); // same pixels, another image
    item.setToolTip("Tavelo", "Paused");
    item.setToolTip("Tavelo", "Paused");
    item.setStatus(StatusNotifierItem::Status::active);
    item.setStatus(StatusNotifierItem::Status::needsAttention);
    host.sync(service());
    EXPECT_EQ(host.signalNames(),
              (QStringList{"XAyatanaNewLabel", "XAyatanaNewLabel", "NewIcon", "NewToolTip", "NewStatus"}));
    EXPECT_EQ(host.signalsReceived[1].arguments(), (QVariantList{QStringLiteral("24:59"), QStringLiteral("00:00")}));
    EXPECT_EQ(host.signalsReceived.back().arguments(), QVariantList{QStringLiteral("NeedsAttention")});

    // Every click opens the panel where the host says; scrolling does nothing.
    const QString interface = QString::fromLatin1(StatusNotifierItem::kInterface);
    for (const char *method : {"Activate", "SecondaryActivate", "ContextMenu"})
        EXPECT_EQ(host.call(service(), interface, method, {120, 1010}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(host.call(service(), interface, "Scroll", {120, QStringLiteral("vertical")}).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(opened, std::vector<QPoint>(3, QPoint(120, 1010)));
}
