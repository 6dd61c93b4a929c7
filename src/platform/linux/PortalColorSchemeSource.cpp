#include "platform/linux/PortalColorSchemeSource.h"

#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace tavelo {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");
// A portal busy starting its back-ends may take a while; nothing waits for it.
constexpr int kBusTimeoutMs = 10000;

} // namespace

PortalColorSchemeSource::PortalColorSchemeSource(QDBusConnection connection)
    : m_connection(std::move(connection)),
      m_watcher(new QDBusServiceWatcher(kService, m_connection, QDBusServiceWatcher::WatchForRegistration, this))
{
    m_connection.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                         SLOT(settingChanged(QDBusMessage)));
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] { read(QStringLiteral("ReadOne")); });
    if (m_connection.isConnected())
        read(QStringLiteral("ReadOne"));
}

ColorScheme PortalColorSchemeSource::fromValue(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QDBusVariant>())
        return fromValue(value.value<QDBusVariant>().variant());
    // A uint32 by the standard; an int from a sloppy back-end means the same.
    const QMetaType type = value.metaType();
    if (type != QMetaType::fromType<uint>() && type != QMetaType::fromType<int>())
        return ColorScheme::noPreference;
    switch (value.toInt()) {
    case 1:
        return ColorScheme::dark;
    case 2:
        return ColorScheme::light;
    default:
        return ColorScheme::noPreference;
    }
}

void PortalColorSchemeSource::read(const QString &method)
{
    QDBusMessage request = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    request << kGroup << kKey;
    request.setAutoStartService(false);
    const unsigned serial = ++m_serial;
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(request, kBusTimeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, serial, method] {
        call->deleteLater();
        if (serial != m_serial)
            return;
        const QDBusMessage reply = call->reply();
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            apply(fromValue(reply.arguments().constFirst()));
            return;
        }
        // Portals before version 2 know only Read, which wraps the value once more.
        if (method == QLatin1String("ReadOne") &&
            reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod"))
            read(QStringLiteral("Read"));
    });
}

void PortalColorSchemeSource::settingChanged(const QDBusMessage &message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() != 3 || arguments[0].toString() != kGroup || arguments[1].toString() != kKey)
        return;
    ++m_serial;
    apply(fromValue(arguments[2]));
}

void PortalColorSchemeSource::apply(ColorScheme scheme)
{
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    if (m_onChange)
        m_onChange();
}

} // namespace tavelo
