#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>

namespace tavelo::test {

// A stand-in for the panel's org.kde.StatusNotifierWatcher on the session bus, on a
// connection of its own, with no host until `registerHost`. Records every
// RegisterStatusNotifierItem; `stop` plays a watcher that goes away (and forgets what was registered).
// A broken one never answers a registration, or answers and does not list the item.
class FakeStatusNotifierWatcher final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)

public:
    enum class Fault { none, neverAnswers, doesNotList };

    ~FakeStatusNotifierWatcher() override { stop(); }

    // Owns org.kde.StatusNotifierWatcher; false when the name could not be had.
    bool start()
    {
        return m_bus.registerObject(kPath, this,
                                    QDBusConnection::ExportScriptableContents | QDBusConnection::ExportAllProperties) &&
               m_bus.registerService(kService);
    }
    void stop()
    {
        m_bus.unregisterService(kService);
        m_bus.unregisterObject(kPath);
        m_registrations.clear();
    }
    void registerHost()
    {
        m_hostRegistered = true;
        Q_EMIT StatusNotifierHostRegistered();
    }

    // Drops an item as a host does that could not set it up.
    void dropItem(const QString &service)
    {
        m_registrations.removeAll(service);
        Q_EMIT StatusNotifierItemUnregistered(service);
    }

    const QStringList &registrations() const { return m_registrations; }
    bool isHostRegistered() const
    {
        ++m_hostQueries;
        return m_hostRegistered;
    }
    int hostQueries() const { return m_hostQueries; }
    // As a panel lists them: service and object path.
    QStringList registeredItems() const
    {
        QStringList items;
        if (fault == Fault::none) {
            for (const QString &service : m_registrations)
                items << service + "/StatusNotifierItem";
        }
        return items;
    }

    Fault fault = Fault::none;

public Q_SLOTS:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString &service)
    {
        m_registrations.append(service);
        if (fault == Fault::neverAnswers)
            setDelayedReply(true);
    }

Q_SIGNALS:
    Q_SCRIPTABLE void StatusNotifierHostRegistered();
    Q_SCRIPTABLE void StatusNotifierItemUnregistered(const QString &service);

private:
    static constexpr const char *kService = "org.kde.StatusNotifierWatcher";
    static constexpr const char *kPath = "/StatusNotifierWatcher";
    QDBusConnection m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-sni-watcher");
    bool m_hostRegistered = false;
    mutable int m_hostQueries = 0;
    QStringList m_registrations;
};

} // namespace tavelo::test
