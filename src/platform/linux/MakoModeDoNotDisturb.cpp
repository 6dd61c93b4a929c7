#include "platform/linux/MakoModeDoNotDisturb.h"

#include <QStringList>

namespace tavelo {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/fr/emersion/Mako");
const QString kInterface = QStringLiteral("fr.emersion.Mako");
const QString kMode = QStringLiteral("do-not-disturb");

} // namespace

MakoModeDoNotDisturb::MakoModeDoNotDisturb(QDBusConnection connection, std::chrono::milliseconds pollInterval)
    : DBusDoNotDisturb(std::move(connection), kService)
{
    m_poll.setInterval(pollInterval);
    connect(&m_poll, &QTimer::timeout, this, &MakoModeDoNotDisturb::readAll);
    start();
}

void MakoModeDoNotDisturb::readAll()
{
    read(QStringLiteral("mode"), QDBusMessage::createMethodCall(kService, kPath, kInterface, "ListModes"),
         [this](const QDBusMessage &reply) { return interpret(reply); });
}

bool MakoModeDoNotDisturb::interpret(const QDBusMessage &reply)
{
    const bool isMako = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
    if (isMako && !m_poll.isActive())
        m_poll.start();
    else if (!isMako)
        m_poll.stop();
    return isMako && reply.arguments().constFirst().toStringList().contains(kMode);
}

} // namespace tavelo
