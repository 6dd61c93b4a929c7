#include "platform/linux/DBusDoNotDisturb.h"

#include <algorithm>

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace tavelo {

namespace {
// Long enough for a busy daemon; a hung one costs nothing but this switch staying off.
constexpr int kBusTimeoutMs = 5000;
} // namespace

DBusDoNotDisturb::DBusDoNotDisturb(QDBusConnection connection, QString service)
    : m_connection(std::move(connection)), m_service(std::move(service)),
      m_serviceWatcher(new QDBusServiceWatcher(m_service, m_connection, QDBusServiceWatcher::WatchForOwnerChange, this))
{
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                if (!newOwner.isEmpty()) {
                    readAll();
                    return;
                }
                for (auto &[key, entry] : m_switches) {
                    ++entry.serial;
                    apply(entry, false);
                }
            });
}

bool DBusDoNotDisturb::isOn() const
{
    return std::ranges::any_of(m_switches, [](const auto &entry) { return entry.second.on; });
}

void DBusDoNotDisturb::setChangeHandler(std::function<void()> onChange)
{
    m_onChange = std::move(onChange);
}

void DBusDoNotDisturb::start()
{
    if (m_connection.isConnected())
        readAll();
}

void DBusDoNotDisturb::read(const QString &key, QDBusMessage request, Interpreter interpret)
{
    request.setAutoStartService(false);
    const unsigned serial = ++m_switches[key].serial;
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(request, kBusTimeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, key, serial, interpret] {
        call->deleteLater();
        Switch &entry = m_switches[key];
        if (entry.serial != serial)
            return;
        apply(entry, interpret(call->reply()));
    });
}

void DBusDoNotDisturb::set(const QString &key, bool on)
{
    Switch &entry = m_switches[key];
    ++entry.serial;
    apply(entry, on);
}

bool DBusDoNotDisturb::isTrue(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QDBusVariant>())
        return isTrue(value.value<QDBusVariant>().variant());
    return value.metaType() == QMetaType::fromType<bool>() && value.toBool();
}

bool DBusDoNotDisturb::isTrueReply(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           isTrue(reply.arguments().constFirst());
}

void DBusDoNotDisturb::apply(Switch &entry, bool on)
{
    const bool wasOn = isOn();
    entry.on = on;
    if (isOn() != wasOn && m_onChange)
        m_onChange();
}

} // namespace tavelo
