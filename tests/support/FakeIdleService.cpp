#include "support/FakeIdleService.h"

#include <QDBusMessage>
#include <QDBusVirtualObject>

namespace tavelo::test {

class FakeIdleService::Responder final : public QDBusVirtualObject {
public:
    explicit Responder(FakeIdleService &owner) : m_owner(owner) {}

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() != m_owner.m_endpoint.interface || message.member() != m_owner.m_endpoint.method)
            return false;
        ++m_owner.m_calls;
        QMutexLocker lock(&m_owner.m_mutex);
        if (m_owner.m_behaviour == Behaviour::answer)
            connection.send(message.createReply(m_owner.m_reply));
        else if (m_owner.m_behaviour == Behaviour::refuse)
            connection.send(message.createErrorReply(QDBusError::NotSupported, QStringLiteral("not on this session")));
        return true;
    }

private:
    FakeIdleService &m_owner;
};

FakeIdleService::FakeIdleService(DBusIdleSource::Endpoint endpoint)
    : m_endpoint(std::move(endpoint)),
      m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-idle-" + m_endpoint.service)),
      m_responder(std::make_unique<Responder>(*this))
{
    m_thread.start();
    m_responder->moveToThread(&m_thread);
    m_bus.registerVirtualObject(m_endpoint.path, m_responder.get(), QDBusConnection::SingleNode);
}

FakeIdleService::~FakeIdleService()
{
    m_bus.unregisterObject(m_endpoint.path);
    QDBusConnection::disconnectFromBus(m_bus.name());
    m_thread.quit();
    m_thread.wait();
}

void FakeIdleService::set(Behaviour behaviour, const QVariant &reply)
{
    QMutexLocker lock(&m_mutex);
    m_behaviour = behaviour;
    m_reply = reply;
}

} // namespace tavelo::test
