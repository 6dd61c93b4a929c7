#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QDBusConnection>
#include <QObject>

#include "platform/NotificationCenter.h"

class QDBusMessage;
class QDBusPendingCallWatcher;

namespace tavelo {

// The notification centre over org.freedesktop.Notifications. Every call is
// asynchronous and bounded by a reply time-out, so a server that never answers cannot
// stall the main thread. The server knows notices only by its own ids; this class keeps
// our identifier -> server id map for replacement and withdrawal.
class FreedesktopNotificationCenter final : public QObject, public NotificationCenter {
    Q_OBJECT

public:
    static constexpr int defaultReplyTimeoutMs = 5000;

    explicit FreedesktopNotificationCenter(QDBusConnection connection = QDBusConnection::sessionBus(),
                                           int replyTimeoutMs = defaultReplyTimeoutMs, QObject *parent = nullptr);
    ~FreedesktopNotificationCenter() override;

    void add(const NotificationRequest &request) override;
    void removeDelivered(const std::vector<std::string> &identifiers) override;
    void removePending(const std::vector<std::string> &identifiers) override;
    void getAuthorizationStatus(std::function<void(AuthorizationStatus)> completion) override;
    void requestAuthorization(std::function<void(bool granted)> completion) override;
    void setClickHandler(std::function<void(const std::string &identifier)> handler) override;

    // Calls sent and not yet answered (or timed out); lets callers wait until the
    // server has seen everything.
    int callsInFlight() const { return m_callsInFlight; }

    static QString escapeMarkup(const QString &text);

private Q_SLOTS:
    void onNotificationClosed(uint id, uint reason);
    void onActionInvoked(uint id, const QString &actionKey);

private:
    // One of our identifiers as the server sees it.
    struct Entry {
        std::uint32_t serverId = 0;              // the notice on screen, 0 when none is known
        bool awaitingId = false;                 // a Notify has gone out and its id has not come back
        bool closeOnArrival = false;             // withdrawn while awaiting its id
        std::optional<NotificationRequest> next; // a newer request held until the id is known
    };

    void sendNotify(const NotificationRequest &request, std::uint32_t replacesId);
    void onNotifyAnswered(const std::string &identifier, std::optional<std::uint32_t> serverId);
    void closeOnServer(std::uint32_t serverId);
    void askServer(std::function<void(bool answered)> done);
    QDBusPendingCallWatcher *send(const QDBusMessage &message);
    void forgetIfIdle(const std::string &identifier);
    std::map<std::string, Entry>::iterator findByServerId(std::uint32_t serverId);

    QDBusConnection m_connection;
    int m_replyTimeoutMs;
    int m_callsInFlight = 0;
    std::map<std::string, Entry> m_entries;
    std::function<void(const std::string &)> m_clickHandler;
};

} // namespace tavelo
