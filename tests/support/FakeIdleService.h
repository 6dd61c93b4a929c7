#pragma once

#include <atomic>
#include <memory>

#include <QMutex>
#include <QThread>
#include <QVariant>

#include "platform/linux/DBusIdleSource.h"

namespace tavelo::test {

// An idle-time service on the session bus, answering from a thread of its own so that a
// blocking call from the test's main thread gets its reply (or, when told to hang, none).
class FakeIdleService {
public:
    enum class Behaviour { answer, refuse, hang };

    explicit FakeIdleService(DBusIdleSource::Endpoint endpoint);
    ~FakeIdleService();

    // Takes or gives up the well-known name.
    bool claim() { return m_bus.registerService(m_endpoint.service); }
    void release() { m_bus.unregisterService(m_endpoint.service); }

    void set(Behaviour behaviour, const QVariant &reply = {});
    int calls() const { return m_calls.load(); }

private:
    class Responder;

    DBusIdleSource::Endpoint m_endpoint;
    QDBusConnection m_bus;
    QThread m_thread;
    std::unique_ptr<Responder> m_responder;
    QMutex m_mutex;
    Behaviour m_behaviour = Behaviour::answer;
    QVariant m_reply;
    std::atomic<int> m_calls{0};
};

} // namespace tavelo::test
