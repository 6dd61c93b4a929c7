#include "platform/linux/DBusTimerEndpoint.h"

#include "platform/linux/DBusTimerAdaptor.h"

namespace tavelo {

DBusTimerEndpoint::DBusTimerEndpoint(QObject &host, QString path, QDBusConnection connection)
    : m_host(host), m_path(std::move(path)), m_connection(std::move(connection))
{
}

bool DBusTimerEndpoint::publish(TimerCommands &commands, std::function<TimerState()> state)
{
    // Only the instance that holds the name has its object registered.
    if (!m_connection.isConnected() || m_connection.objectRegisteredAt(m_path) != &m_host)
        return false;
    // An adaptor lives as long as its host: a second publisher takes the first one's over.
    if (m_adaptor)
        m_adaptor->attach(&commands, std::move(state));
    else
        m_adaptor = new DBusTimerAdaptor(&m_host, m_connection, m_path, &commands, std::move(state));
    return true;
}

void DBusTimerEndpoint::stateChanged(const TimerState &state)
{
    if (m_adaptor)
        m_adaptor->stateChanged(state);
}

void DBusTimerEndpoint::withdraw()
{
    if (m_adaptor)
        m_adaptor->attach(nullptr, {});
}

} // namespace tavelo
