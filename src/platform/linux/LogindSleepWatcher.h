#pragma once

#include <functional>

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QPointer>
#include <QString>

#include "platform/SleepWatcher.h"

class QDBusMessage;
class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

namespace tavelo {

// Suspend and resume from logind's PrepareForSleep on the system bus. While awake it
// holds a "delay" sleep inhibitor, so logind waits until the will-sleep callback has run
// before suspending; the inhibitor is given back right after it, and taken again on wake.
// Every bus call is asynchronous. Without a system bus or without logind it stays silent.
class LogindSleepWatcher final : public QObject, public SleepWatcher {
    Q_OBJECT

public:
    static constexpr const char *kService = "org.freedesktop.login1";
    static constexpr const char *kPath = "/org/freedesktop/login1";
    static constexpr const char *kManagerInterface = "org.freedesktop.login1.Manager";

    explicit LogindSleepWatcher(QDBusConnection connection = QDBusConnection::systemBus(), QObject *parent = nullptr);
    ~LogindSleepWatcher() override;

    void start(std::function<void()> onWillSleep, std::function<void()> onDidWake) override;

    bool holdsInhibitor() const { return m_inhibitor.isValid(); }

private Q_SLOTS:
    void handlePrepareForSleep(bool start, const QDBusMessage &message);

private:
    void lookUpLogind();
    void setLogindOwner(const QString &owner);
    void requestInhibitor();
    void releaseInhibitor();

    QDBusConnection m_connection;
    std::function<void()> m_onWillSleep;
    std::function<void()> m_onDidWake;
    bool m_started = false;
    bool m_asleep = false;
    // logind's unique name: signals from anyone else are not suspend announcements.
    QString m_logindOwner;
    quint64 m_lookups = 0;
    QDBusUnixFileDescriptor m_inhibitor;
    QPointer<QDBusPendingCallWatcher> m_pendingInhibit;
    QDBusServiceWatcher *m_serviceWatcher = nullptr;
};

} // namespace tavelo
