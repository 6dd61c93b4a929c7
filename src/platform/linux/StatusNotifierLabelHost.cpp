#include "platform/linux/StatusNotifierLabelHost.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace tavelo {

namespace {
constexpr int kBusTimeoutMs = 2000;
} // namespace

StatusNotifierLabelHost::StatusNotifierLabelHost(QDBusConnection connection, QObject *parent)
    : QObject(parent), m_connection(std::move(connection))
{
}

void StatusNotifierLabelHost::check(const QString &watcher)
{
    const unsigned serial = ++m_serial;
    m_watcherPid.reset();
    m_shellPid.reset();
    m_answers = 0;
    if (watcher.isEmpty() || !m_connection.isConnected()) {
        settle(false);
        return;
    }
    askPid(watcher, m_watcherPid, serial);
    askPid(QStringLiteral("org.gnome.Shell"), m_shellPid, serial);
}

void StatusNotifierLabelHost::askPid(const QString &name, std::optional<uint> &pid, unsigned serial)
{
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"));
    request << name;
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(request, kBusTimeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, &pid, serial] {
        call->deleteLater();
        if (serial != m_serial)
            return;
        const QDBusPendingReply<uint> reply = *call;
        if (reply.isValid())
            pid = reply.value();
        // Without a shell, or without an answer, it is some other host.
        if (++m_answers == 2)
            settle(m_watcherPid && m_shellPid && *m_watcherPid == *m_shellPid);
    });
}

void StatusNotifierLabelHost::settle(bool showsLabel)
{
    if (showsLabel == m_showsLabel)
        return;
    m_showsLabel = showsLabel;
    if (onChanged)
        onChanged();
}

} // namespace tavelo
