#pragma once

#include <memory>

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include "platform/IdleTimeSource.h"

class QDBusMessage;
class QDBusServiceWatcher;

namespace tavelo {

// An idle counter served over D-Bus that answers in milliseconds. Each call is bounded
// by kCallTimeoutMs. Whether the service exists is asked once, and again only after its
// owner changed, so a missing service costs no bus traffic per sample; a service that
// refuses the call, or times out kTimeoutsBeforeGivingUp times in a row, is left alone
// until its owner changes. The periodic reading (`readIdleSeconds`) never waits: it asks
// and answers when the reply comes, on a later turn of the loop.
class DBusIdleSource : public IdleTimeSource {
public:
    static constexpr int kCallTimeoutMs = 250;
    static constexpr int kTimeoutsBeforeGivingUp = 3;

    struct Endpoint {
        QString service;
        QString path;
        QString interface;
        QString method;
    };

    DBusIdleSource(QDBusConnection connection, Endpoint endpoint);
    ~DBusIdleSource() override;
    DBusIdleSource(const DBusIdleSource &) = delete;
    DBusIdleSource &operator=(const DBusIdleSource &) = delete;

    std::optional<double> idleSeconds() final;
    void readIdleSeconds(Answer answer) final;

private:
    enum class Presence { unknown, present, absent };

    bool servicePresent();
    QDBusMessage idleCall() const;
    QDBusMessage presenceCall() const;
    void takePresence(const QDBusMessage &reply);
    std::optional<double> takeIdleReply(const QDBusMessage &reply);
    // Sends `call` and hands its reply (or error) to `done` on a later turn; dropped with this.
    void ask(const QDBusMessage &call, std::function<void(const QDBusMessage &)> done);

    QDBusConnection m_connection;
    Endpoint m_endpoint;
    Presence m_presence = Presence::unknown;
    int m_timeoutsInRow = 0;
    std::unique_ptr<QDBusServiceWatcher> m_watcher;
    // Parent of the calls in flight.
    QObject m_pending;
};

} // namespace tavelo
