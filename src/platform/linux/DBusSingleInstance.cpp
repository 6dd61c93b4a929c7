#include "platform/linux/DBusSingleInstance.h"

#include <QDBusMessage>
#include <QDBusReply>

namespace tavelo {

namespace {
// The bus daemon is local; these calls answer in microseconds, but a wedged bus must
// not keep the program from starting.
constexpr int kBusTimeoutMs = 2000;
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;
constexpr uint kAlreadyOwner = 4;
} // namespace

DBusSingleInstance::DBusSingleInstance(QDBusConnection connection, QObject *parent)
    : QObject(parent), m_connection(std::move(connection))
{
}

SingleInstance::Claim DBusSingleInstance::claim(std::function<void()> onActivate)
{
    if (!m_connection.isConnected())
        return Claim::unavailable;

    // Register the object first so that a launch racing with ours finds it answering. Its
    // adaptors carry the program's other interfaces.
    m_onActivate = std::move(onActivate);
    m_connection.registerObject(kObjectPath, this,
                                QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportAdaptors);

    QDBusMessage request = QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                          "org.freedesktop.DBus", "RequestName");
    request << QString::fromLatin1(kServiceName) << kDoNotQueue;
    const QDBusReply<uint> reply = m_connection.call(request, QDBus::Block, kBusTimeoutMs);
    if (!reply.isValid()) {
        m_connection.unregisterObject(kObjectPath);
        return Claim::unavailable;
    }
    if (reply.value() == kPrimaryOwner || reply.value() == kAlreadyOwner)
        return Claim::primary;

    m_connection.unregisterObject(kObjectPath);
    m_onActivate = nullptr;
    QDBusMessage activate =
        QDBusMessage::createMethodCall(kServiceName, kObjectPath, "org.freedesktop.Application", "Activate");
    activate << QVariantMap();
    const QDBusMessage answer = m_connection.call(activate, QDBus::Block, kBusTimeoutMs);
    // Whatever the first instance answered, it exists: this launch has nothing more to do.
    Q_UNUSED(answer);
    return Claim::secondaryNotified;
}

void DBusSingleInstance::Activate(const QVariantMap &platformData)
{
    Q_UNUSED(platformData);
    if (m_onActivate)
        m_onActivate();
}

} // namespace tavelo
