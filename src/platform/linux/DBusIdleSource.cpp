#include "platform/linux/DBusIdleSource.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
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

QDBusMessage DBusIdleSource::presenceCall() const
{
    // Asking the bus rather than calling the service keeps an activatable service asleep.
    QDBusMessage ask =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    ask << m_endpoint.service;
    return ask;
}

QDBusMessage DBusIdleSource::idleCall() const
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(m_endpoint.service, m_endpoint.path, m_endpoint.interface, m_endpoint.method);
    call.setAutoStartService(false);
    return call;
}

void DBusIdleSource::takePresence(const QDBusMessage &reply)
{
    const bool owned = reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
    m_presence = owned ? Presence::present : Presence::absent;
}

bool DBusIdleSource::servicePresent()
{
    if (m_presence == Presence::unknown)
        takePresence(m_connection.call(presenceCall(), QDBus::Block, kCallTimeoutMs));
    return m_presence == Presence::present;
}

std::optional<double> DBusIdleSource::takeIdleReply(const QDBusMessage &reply)
{
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

std::optional<double> DBusIdleSource::idleSeconds()
{
    if (!servicePresent())
        return std::nullopt;
    return takeIdleReply(m_connection.call(idleCall(), QDBus::Block, kCallTimeoutMs));
}

void DBusIdleSource::ask(const QDBusMessage &call, std::function<void(const QDBusMessage &)> done)
{
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call, kCallTimeoutMs), &m_pending);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_pending, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->reply());
    });
}

void DBusIdleSource::readIdleSeconds(Answer answer)
{
    if (m_presence == Presence::absent) {
        answer(std::nullopt);
        return;
    }
    const auto readIdle = [this, answer] {
        if (m_presence != Presence::present) {
            answer(std::nullopt);
            return;
        }
        ask(idleCall(), [this, answer](const QDBusMessage &reply) { answer(takeIdleReply(reply)); });
    };
    if (m_presence == Presence::present) {
        readIdle();
        return;
    }
    ask(presenceCall(), [this, readIdle](const QDBusMessage &reply) {
        takePresence(reply);
        readIdle();
    });
}

} // namespace tavelo
