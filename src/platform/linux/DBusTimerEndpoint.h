#pragma once

#include <QDBusConnection>
#include <QPointer>

#include "platform/TimerEndpoint.h"

namespace tavelo {

class DBusTimerAdaptor;

// The timer on the session bus, beside org.freedesktop.Application on the object that
// owns the program's name (`host`, registered with its adaptors exported).
class DBusTimerEndpoint final : public TimerEndpoint {
public:
    DBusTimerEndpoint(QObject &host, QString path, QDBusConnection connection = QDBusConnection::sessionBus());
    DBusTimerEndpoint(const DBusTimerEndpoint &) = delete;
    DBusTimerEndpoint &operator=(const DBusTimerEndpoint &) = delete;

    bool publish(TimerCommands &commands, std::function<TimerState()> state) override;
    void stateChanged(const TimerState &state) override;
    void withdraw() override;

private:
    QObject &m_host;
    QString m_path;
    QDBusConnection m_connection;
    QPointer<DBusTimerAdaptor> m_adaptor;
};

} // namespace tavelo
