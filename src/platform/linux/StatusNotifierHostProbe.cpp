#include "platform/linux/StatusNotifierHostProbe.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

#include "platform/linux/StatusNotifierItem.h"

namespace tavelo {

namespace {
constexpr int kBusTimeoutMs = 2000;

QString watcherService()
{
    return QString::fromLatin1(StatusNotifierItem::kWatcherService);
}
} // namespace

StatusNotifierHostProbe::StatusNotifierHostProbe(QDBusConnection connection, QObject *parent)
    : QObject(parent), m_connection(std::move(connection)),
      m_serviceWatcher(
          new QDBusServiceWatcher(watcherService(), m_connection, QDBusServiceWatcher::WatchForOwnerChange, this))
{
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                if (!m_started)
                    return;
                if (newOwner.isEmpty()) {
                    ++m_serial;
                    settle(false);
                } else {
                    // A new watcher is news even if it says what the old one said: an
                    // item the old one would not take may be taken now.
                    m_available.reset();
                    queryHost();
                }
            });
}

void StatusNotifierHostProbe::start()
{
    if (m_started)
        return;
    m_started = true;
    if (!m_connection.isConnected()) {
        settle(false);
        return;
    }
    const QString path = QString::fromLatin1(StatusNotifierItem::kWatcherPath);
    m_connection.connect(watcherService(), path, watcherService(), QStringLiteral("StatusNotifierHostRegistered"), this,
                         SLOT(hostsChanged()));
    m_connection.connect(watcherService(), path, watcherService(), QStringLiteral("StatusNotifierHostUnregistered"),
                         this, SLOT(hostsChanged()));
    checkOwner();
}

void StatusNotifierHostProbe::hostsChanged()
{
    queryHost();
}

void StatusNotifierHostProbe::checkOwner()
{
    QDBusMessage request =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    request << watcherService();
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(request, kBusTimeoutMs), this);
    const unsigned serial = ++m_serial;
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, serial] {
        call->deleteLater();
        if (serial != m_serial)
            return;
        const QDBusPendingReply<bool> reply = *call;
        if (reply.isValid() && reply.value())
            queryHost();
        else
            settle(false);
    });
}

void StatusNotifierHostProbe::queryHost()
{
    QDBusMessage request =
        QDBusMessage::createMethodCall(watcherService(), QString::fromLatin1(StatusNotifierItem::kWatcherPath),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    request << watcherService() << QStringLiteral("IsStatusNotifierHostRegistered");
    request.setAutoStartService(false);
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(request, kBusTimeoutMs), this);
    const unsigned serial = ++m_serial;
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, serial] {
        call->deleteLater();
        if (serial != m_serial)
            return;
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isValid()) {
            settle(reply.value().variant().toBool());
            return;
        }
        // A watcher that does not know the property is still a watcher: trust it to have
        // a host. One that is gone or does not answer is no use.
        switch (reply.error().type()) {
        case QDBusError::UnknownProperty:
        case QDBusError::UnknownInterface:
        case QDBusError::UnknownMethod:
        case QDBusError::InvalidArgs:
            settle(true);
            break;
        default:
            settle(false);
            break;
        }
    });
}

void StatusNotifierHostProbe::settle(bool available)
{
    const bool changed = m_available != available;
    m_available = available;
    if (changed && onChanged)
        onChanged(available);
}

} // namespace tavelo
