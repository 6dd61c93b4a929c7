#pragma once

#include <functional>
#include <optional>

#include <QDBusConnection>
#include <QObject>

class QDBusServiceWatcher;

namespace tavelo {

// Tells whether a StatusNotifierItem would be seen: an org.kde.StatusNotifierWatcher is
// on the bus and reports a host. Follows watchers and hosts coming and going. All bus
// calls are asynchronous; the first answer arrives through `onChanged` as well.
class StatusNotifierHostProbe final : public QObject {
    Q_OBJECT

public:
    explicit StatusNotifierHostProbe(QDBusConnection connection = QDBusConnection::sessionBus(),
                                     QObject *parent = nullptr);

    void start();
    // Empty until the first answer.
    std::optional<bool> available() const { return m_available; }

    std::function<void(bool)> onChanged;

private Q_SLOTS:
    void hostsChanged();

private:
    void checkOwner();
    void queryHost();
    void settle(bool available);

    QDBusConnection m_connection;
    QDBusServiceWatcher *m_serviceWatcher;
    std::optional<bool> m_available;
    bool m_started = false;
    // Bumped with each query so that only the latest answer counts.
    unsigned m_serial = 0;
};

} // namespace tavelo
