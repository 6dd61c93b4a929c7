#pragma once

#include <atomic>
#include <memory>

#include <QDBusConnection>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QVariant>

namespace tavelo::test {

// An idle-time service on the session bus, answering from a thread of its own so that a
// blocking call from the test's main thread gets its reply (or, when told to hang, none).
class FakeIdleService {
public:
    enum class Behaviour { answer, refuse, hang };

    FakeIdleService(QString service, QString path, QString interface, QString method);
    ~FakeIdleService();
    FakeIdleService(const FakeIdleService &) = delete;
    FakeIdleService &operator=(const FakeIdleService &) = delete;

    // Takes or gives up the well-known name.
    bool claim();
    void release();

    void setReply(const QVariant &value);
    void setBehaviour(Behaviour behaviour);
    int calls() const { return m_calls.load(); }

private:
    class Responder;
    friend class Responder;

    QString m_service;
    QString m_path;
    QString m_interface;
    QString m_method;
    QDBusConnection m_bus;
    QThread m_thread;
    std::unique_ptr<Responder> m_responder;
    mutable QMutex m_mutex;
    QVariant m_reply;
    Behaviour m_behaviour = Behaviour::answer;
    std::atomic<int> m_calls{0};
};

} // namespace tavelo::test
