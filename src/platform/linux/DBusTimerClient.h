#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

#include "platform/TimerClient.h"

class QDBusServiceWatcher;

namespace tavelo {

// Talks to com.tavelo.app.Timer1 of the instance that owns the program's bus name.
class DBusTimerClient final : public QObject, public TimerClient {
    Q_OBJECT
public:
    explicit DBusTimerClient(QDBusConnection connection = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    TimerReply pause(std::int64_t seconds) override;
    TimerReply resume() override;
    TimerReply startBreak(const std::string &kind) override;
    TimerReply skip() override;
    TimerReply postpone() override;
    TimerReply resetFocus() override;
    TimerReply openPanel() override;
    std::variant<TimerState, TimerReply> read() override;
    void watch(std::function<void()> changed) override;

private Q_SLOTS:
    void propertiesChanged(const QDBusMessage &message);

private:
    // Calls `method` and waits for the answer, for a few seconds at most.
    QDBusMessage call(const QString &interface, const QString &method, const QVariantList &arguments = {});
    TimerReply replyOf(const QDBusMessage &answer) const;

    QDBusConnection m_connection;
    QDBusServiceWatcher *m_watcher = nullptr;
    std::function<void()> m_changed;
};

} // namespace tavelo
