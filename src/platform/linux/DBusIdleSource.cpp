#include "platform/linux/DBusIdleSource.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QMetaType>
#include <QVariant>

namespace tavelo {

namespace {

std::optional<double> secondsFromMilliseconds(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return static_cast<double>(value.toULongLong()) / 1000.0;
    case QMetaType::Int:
    case QMetaType::LongLong:
        if (value.toLongLong() >= 0)
            return static_cast<double>(value.toLongLong()) / 1000.0;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool isTimeout(const QDBusError &error)
{
    return error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout ||
           error.type() == QDBusError::TimedOut;
}

} // namespace

DBusIdleSource::DBusIdleSource(QDBusConnection connection, Endpoint endpoint)
    : m_connection(std::move(connection)), m_endpoint(std::move(endpoint))
{
    if (!m_connection.isConnected()) {
        m_presence = Presence::absent;
        return;
    }
    // Watching before the first ownership question means no appearance can slip between the two.
    m_watcher = std::make_unique<QDBusServiceWatcher>(m_endpoint.service, m_connection,
                                                      QDBusServiceWatcher::WatchForOwnerChange);
    QObject::connect(m_watcher.get(), &QDBusServiceWatcher::serviceOwnerChanged, m_watcher.get(), [this] {
        // Ask again rather than trust the signal's arguments: a release and a
        // quick re-claim may be reported out of order.
        m_presence = Presence::unknown;
        m_timeoutsInRow = 0;
    });
}

DBusIdleSource::~DBusIdleSource() = default;

bool DBusIdleSource::servicePresent()
{
    if (m_presence == Presence::unknown) {
        // Asking the bus rather than calling the service keeps an activatable service asleep.
        QDBusMessage ask = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
        ask << m_endpoint.service;
        const QDBusMessage reply = m_connection.call(ask, QDBus::Block, kCallTimeoutMs);
        const bool owned = reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
        m_presence = owned ? Presence::present : Presence::absent;
    }
    return m_presence == Presence::present;
}

std::optional<double> DBusIdleSource::idleSeconds()
{
    if (!servicePresent())
        return std::nullopt;

    QDBusMessage call =
        QDBusMessage::createMethodCall(m_endpoint.service, m_endpoint.path, m_endpoint.interface, m_endpoint.method);
    call.setAutoStartService(false);
    const QDBusMessage reply = m_connection.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        if (isTimeout(QDBusError(reply))) {
            if (++m_timeoutsInRow >= kTimeoutsBeforeGivingUp)
                m_presence = Presence::absent;
        } else {
            // Unknown method, not supported on this session, access denied...: asking again
            // would get the same answer until another program takes the name.
            m_presence = Presence::absent;
        }
        return std::nullopt;
    }
    m_timeoutsInRow = 0;
    const auto seconds = secondsFromMilliseconds(reply.arguments().value(0));
    if (!seconds)
        m_presence = Presence::absent;
    return seconds;
}

} // namespace tavelo
