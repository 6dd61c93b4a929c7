#include "support/FakeStatusNotifierWatcher.h"

namespace tavelo::test {

namespace {
const QString kConnectionName = QStringLiteral("fake-sni-watcher");
const QString kService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kPath = QStringLiteral("/StatusNotifierWatcher");
} // namespace

FakeStatusNotifierWatcher::FakeStatusNotifierWatcher()
    : m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName))
{
}

FakeStatusNotifierWatcher::~FakeStatusNotifierWatcher()
{
    stop();
    m_connection = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(kConnectionName);
}

bool FakeStatusNotifierWatcher::start()
{
    return m_connection.registerObject(kPath, this,
                                       QDBusConnection::ExportScriptableSlots |
                                           QDBusConnection::ExportScriptableSignals |
                                           QDBusConnection::ExportAllProperties) &&
           m_connection.registerService(kService);
}

void FakeStatusNotifierWatcher::stop()
{
    m_connection.unregisterService(kService);
    m_connection.unregisterObject(kPath);
    m_registrations.clear();
}

} // namespace tavelo::test
