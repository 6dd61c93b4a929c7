#include "support/FakeIdleService.h"

#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QMutexLocker>

namespace tavelo::test {

class FakeIdleService::Responder final : public QDBusVirtualObject {
public:
    explicit Responder(FakeIdleService &owner) : m_owner(owner) {}

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() != m_owner.m_interface || message.member() != m_owner.m_method)
            return false;
        ++m_owner.m_calls;
        QMutexLocker lock(&m_owner.m_mutex);
        switch (m_owner.m_behaviour) {
        case Behaviour::answer:
            connection.send(message.createReply(m_owner.m_reply));
            break;
        case Behaviour::refuse:
            connection.send(message.createErrorReply(QDBusError::NotSupported, QStringLiteral("not on this session")));
            break;
        case Behaviour::hang:
            break;
        }
        return true;
    }

private:
    FakeIdleService &m_owner;
};

FakeIdleService::FakeIdleService(QString service, QString path, QString interface, QString method)
    : m_service(std::move(service)), m_path(std::move(path)), m_interface(std::move(interface)),
      m_method(std::move(method)),
      m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-idle-%1").arg(m_service))),
      m_responder(std::make_unique<Responder>(*this))
{
    m_thread.start();
    m_responder->moveToThread(&m_thread);
    m_bus.registerVirtualObject(m_path, m_responder.get(), QDBusConnection::SingleNode);
}

FakeIdleService::~FakeIdleService()
{
    m_bus.unregisterObject(m_path);
    QDBusConnection::disconnectFromBus(m_bus.name());
    m_thread.quit();
    m_thread.wait();
}

bool FakeIdleService::claim()
{
    return m_bus.registerService(m_service);
}

void FakeIdleService::release()
{
    m_bus.unregisterService(m_service);
}

void FakeIdleService::setReply(const QVariant &value)
{
    QMutexLocker lock(&m_mutex);
    m_reply = value;
}

void FakeIdleService::setBehaviour(Behaviour behaviour)
{
    QMutexLocker lock(&m_mutex);
    m_behaviour = behaviour;
}

} // namespace tavelo::test
