#include "support/FakeIdleService.h"

#include <QDBusMessage>

namespace tavelo::test {

FakeIdleService::FakeIdleService(DBusIdleSource::Endpoint endpoint, const QVariant &reply)
    : m_endpoint(std::move(endpoint)),
      m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-idle-" + m_endpoint.service)),
      m_reply(reply)
{
    m_thread.start();
    moveToThread(&m_thread);
    m_bus.registerVirtualObject(m_endpoint.path, this, QDBusConnection::SingleNode);
}

FakeIdleService::~FakeIdleService()
{
    m_bus.unregisterObject(m_endpoint.path);
    QDBusConnection::disconnectFromBus(m_bus.name());
    m_thread.quit();
    m_thread.wait();
}

bool FakeIdleService::handleMessage(const QDBusMessage &message, const QDBusConnection &connection)
{
    if (message.interface() != m_endpoint.interface || message.member() != m_endpoint.method)
        return false;
    ++m_calls;
    QMutexLocker lock(&m_mutex);
    if (m_behaviour == Behaviour::answer)
        connection.send(message.createReply(m_reply));
    else if (m_behaviour == Behaviour::refuse)
        connection.send(message.createErrorReply(QDBusError::NotSupported, QStringLiteral("not on this session")));
    return true;
}

void FakeIdleService::set(Behaviour behaviour, const QVariant &reply)
{
    QMutexLocker lock(&m_mutex);
    m_behaviour = behaviour;
    m_reply = reply;
}

} // namespace tavelo::test
