#pragma once

#include <atomic>

#include <QDBusVirtualObject>
#include <QMutex>
#include <QThread>
#include <QVariant>

#include "platform/linux/DBusIdleSource.h"

namespace tavelo::test {

// An idle-time service on the session bus, answering from a thread of its own so that a
// blocking call from the test's main thread gets its reply (or, when told to hang, none).
class FakeIdleService final : public QDBusVirtualObject {
public:
    enum class Behaviour { answer, refuse, hang };

    explicit FakeIdleService(DBusIdleSource::Endpoint endpoint, const QVariant &reply = {});
    ~FakeIdleService() override;

    // Takes or takes again (as a restarted service would) the well-known name.
    bool claim() { return m_bus.registerService(m_endpoint.service); }
    bool reclaim() { return m_bus.unregisterService(m_endpoint.service) && claim(); }

    void set(Behaviour behaviour, const QVariant &reply = {});
    int calls() const { return m_calls.load(); }

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

private:
    DBusIdleSource::Endpoint m_endpoint;
    QDBusConnection m_bus;
    QThread m_thread;
    QMutex m_mutex;
    Behaviour m_behaviour = Behaviour::answer;
    QVariant m_reply;
    std::atomic<int> m_calls{0};
};

} // namespace tavelo::test
