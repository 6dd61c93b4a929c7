#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QProcess>

#include "platform/DesktopTools.h"
#include "platform/linux/PortalColorSchemeSource.h"

using namespace tavelo;
using test::waitFor;

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");

// The desktop portal's settings, as a current portal (ReadOne) or an old one that knows
// only Read and wraps the value in one more variant.
class FakePortal final : public QDBusVirtualObject {
public:
    FakePortal(QDBusConnection bus, bool old) : m_bus(std::move(bus)), m_old(old)
    {
        m_bus.registerVirtualObject(kPath, this, QDBusConnection::SingleNode);
    }
    ~FakePortal() override
    {
        m_bus.unregisterService(kPortal);
        m_bus.unregisterObject(kPath);
    }

    void start() { EXPECT_TRUE(m_bus.registerService(kPortal)); }
    void change(const QString &group, const QString &key, uint value)
    {
        if (group == "org.freedesktop.appearance" && key == "color-scheme")
            m_scheme = value;
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kSettings, "SettingChanged");
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        m_bus.send(signal);
    }

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() != kSettings)
            return false;
        const bool known = message.arguments() == QVariantList{"org.freedesktop.appearance", "color-scheme"};
        if (message.member() == "ReadOne" && !m_old && known)
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(m_scheme))));
        else if (message.member() == "Read" && known)
            connection.send(
                message.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(m_scheme))))));
        else if (message.member() == "ReadOne" && m_old)
            connection.send(message.createErrorReply(QDBusError::UnknownMethod, "no ReadOne"));
        else
            connection.send(message.createErrorReply("org.freedesktop.portal.Error.NotFound", "no such setting"));
        return true;
    }

private:
    QDBusConnection m_bus;
    bool m_old;
    uint m_scheme = 1;
};

} // namespace

// Read when made or when the portal comes later, then followed through its announcements;
// other settings and values out of range leave or reset it, and each change is reported once.
TEST(PortalColorSchemeSource, ReadsAndFollowsThePortal)
{
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    ASSERT_TRUE(daemon.waitForReadyRead(test::kWaitMs));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();

    const struct {
        const char *what;
        bool old;
        bool portalFirst;
    } rows[] = {{"current portal, running", false, true},
                {"old portal, running", true, true},
                {"current portal, started later", false, false}};
    int index = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString name = QStringLiteral("portal-%1").arg(index++);
        FakePortal portal(QDBusConnection::connectToBus(address, name + "-server"), row.old);
        if (row.portalFirst)
            portal.start();
        PortalColorSchemeSource source(QDBusConnection::connectToBus(address, name + "-client"));
        int changes = 0;
        source.setChangeHandler([&] { ++changes; });
        if (!row.portalFirst) {
            EXPECT_EQ(source.scheme(), ColorScheme::noPreference);
            portal.start();
        }
        ASSERT_TRUE(waitFor([&] { return source.scheme() == ColorScheme::dark; }));
        EXPECT_EQ(changes, 1);

        portal.change("org.freedesktop.appearance", "accent-color", 2);
        portal.change("org.freedesktop.appearance", "color-scheme", 2);
        ASSERT_TRUE(waitFor([&] { return source.scheme() == ColorScheme::light; }));
        portal.change("org.freedesktop.appearance", "color-scheme", 7);
        ASSERT_TRUE(waitFor([&] { return source.scheme() == ColorScheme::noPreference; }));
        EXPECT_EQ(changes, 3);
    }
    daemon.terminate();
    daemon.waitForFinished();
}
