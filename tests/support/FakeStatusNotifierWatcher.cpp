#include "support/FakeStatusNotifierWatcher.h"

namespace tavelo::test {

namespace {
const QString kService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kPath = QStringLiteral("/StatusNotifierWatcher");

QString connectionName()
{
    static int counter = 0;
    return QStringLiteral("fake-sni-watcher-%1").arg(++counter);
}
} // namespace

FakeStatusNotifierWatcher::FakeStatusNotifierWatcher(bool hostRegistered)
    : m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName())),
      m_hostRegistered(hostRegistered)
{
}

FakeStatusNotifierWatcher::~FakeStatusNotifierWatcher()
{
    stop();
    const QString name = m_connection.name();
    m_connection = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(name);
}

bool FakeStatusNotifierWatcher::start()
{
    if (m_running)
        return true;
    if (!m_connection.registerObject(kPath, this,
                                     QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals |
                                         QDBusConnection::ExportAllProperties))
        return false;
    if (!m_connection.registerService(kService)) {
        m_connection.unregisterObject(kPath);
        return false;
    }
    m_running = true;
    return true;
}

void FakeStatusNotifierWatcher::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_connection.unregisterService(kService);
    m_connection.unregisterObject(kPath);
    m_registrations.clear();
}

void FakeStatusNotifierWatcher::setHostRegistered(bool registered)
{
    m_hostRegistered = registered;
    if (registered)
        Q_EMIT StatusNotifierHostRegistered();
    else
        Q_EMIT StatusNotifierHostUnregistered();
}

void FakeStatusNotifierWatcher::RegisterStatusNotifierItem(const QString &service)
{
    m_registrations.append(service);
    Q_EMIT StatusNotifierItemRegistered(service);
}

} // namespace tavelo::test
