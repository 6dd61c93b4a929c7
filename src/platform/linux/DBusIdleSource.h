#pragma once

#include <memory>

#include <QDBusConnection>
#include <QString>

#include "platform/IdleTimeSource.h"

class QDBusServiceWatcher;

namespace tavelo {

// An idle counter served over D-Bus that answers in milliseconds. Each call is bounded
// by kCallTimeoutMs. Whether the service exists is asked once, and again only after its
// owner changed, so a missing service costs no bus traffic per sample; a service that
// refuses the call, or times out kTimeoutsBeforeGivingUp times in a row, is left alone
// until its owner changes.
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

private:
    enum class Presence { unknown, present, absent };

    bool servicePresent();

    QDBusConnection m_connection;
    Endpoint m_endpoint;
    Presence m_presence = Presence::unknown;
    int m_timeoutsInRow = 0;
    std::unique_ptr<QDBusServiceWatcher> m_watcher;
};

} // namespace tavelo
