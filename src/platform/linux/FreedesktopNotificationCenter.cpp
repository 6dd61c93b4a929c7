#include "platform/linux/FreedesktopNotificationCenter.h"

#include <algorithm>
#include <climits>

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace tavelo {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");

QDBusMessage methodCall(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

// In milliseconds; -1 leaves it to the server, and 0 would mean never.
int expireTimeout(const NotificationRequest &request)
{
    if (!request.expiresAfter)
        return -1;
    return int(std::clamp<std::chrono::milliseconds::rep>(request.expiresAfter->count(), 1, INT_MAX));
}

} // namespace

FreedesktopNotificationCenter::FreedesktopNotificationCenter(QDBusConnection connection, int replyTimeoutMs,
                                                             QObject *parent)
    : QObject(parent), m_connection(std::move(connection)), m_replyTimeoutMs(replyTimeoutMs)
{
    m_connection.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                         SLOT(onNotificationClosed(uint, uint)));
    m_connection.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                         SLOT(onActionInvoked(uint, QString)));
}

FreedesktopNotificationCenter::~FreedesktopNotificationCenter()
{
    m_connection.disconnect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                            SLOT(onNotificationClosed(uint, uint)));
    m_connection.disconnect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                            SLOT(onActionInvoked(uint, QString)));
}

void FreedesktopNotificationCenter::add(const NotificationRequest &request)
{
    Entry &entry = m_entries[request.identifier];
    if (entry.awaitingId) {
        // Without the server's id a second Notify would put up a second notice; send it
        // as a replacement once the id is known.
        entry.next = request;
        entry.closeOnArrival = false;
        return;
    }
    entry.awaitingId = true;
    sendNotify(request, entry.serverId);
}

void FreedesktopNotificationCenter::removeDelivered(const std::vector<std::string> &identifiers)
{
    for (const std::string &identifier : identifiers) {
        auto it = m_entries.find(identifier);
        // A notice awaiting its id is pending: its Notify replaces what is shown, and a
        // CloseNotification now would reach the server after it and close the new notice.
        if (it == m_entries.end() || it->second.awaitingId || it->second.serverId == 0)
            continue;
        closeOnServer(it->second.serverId);
        it->second.serverId = 0;
        forgetIfIdle(identifier);
    }
}

void FreedesktopNotificationCenter::removePending(const std::vector<std::string> &identifiers)
{
    for (const std::string &identifier : identifiers) {
        auto it = m_entries.find(identifier);
        if (it == m_entries.end() || !it->second.awaitingId)
            continue;
        it->second.closeOnArrival = true;
        it->second.next.reset();
    }
}

void FreedesktopNotificationCenter::getAuthorizationStatus(std::function<void(AuthorizationStatus)> completion)
{
    askServer([completion = std::move(completion)](bool answered) {
        if (completion)
            completion(answered ? AuthorizationStatus::authorized : AuthorizationStatus::unavailable);
    });
}

void FreedesktopNotificationCenter::requestAuthorization(std::function<void(bool granted)> completion)
{
    // There is no permission prompt here: a server that answers shows our notices.
    askServer([completion = std::move(completion)](bool answered) {
        if (completion)
            completion(answered);
    });
}

void FreedesktopNotificationCenter::setClickHandler(std::function<void(const std::string &identifier)> handler)
{
    m_clickHandler = std::move(handler);
}

QString FreedesktopNotificationCenter::escapeMarkup(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&':
            escaped += QLatin1String("&amp;");
            break;
        case '<':
            escaped += QLatin1String("&lt;");
            break;
        case '>':
            escaped += QLatin1String("&gt;");
            break;
        case '"':
            escaped += QLatin1String("&quot;");
            break;
        case '\'':
            escaped += QLatin1String("&#39;");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

void FreedesktopNotificationCenter::onNotificationClosed(uint id, uint /*reason*/)
{
    auto it = findByServerId(id);
    if (it == m_entries.end())
        return;
    it->second.serverId = 0;
    forgetIfIdle(it->first);
}

void FreedesktopNotificationCenter::onActionInvoked(uint id, const QString &actionKey)
{
    if (actionKey != kDefaultAction || !m_clickHandler)
        return;
    auto it = findByServerId(id);
    if (it == m_entries.end())
        return;
    // The handler may post or withdraw, which can erase the entry.
    const std::string identifier = it->first;
    m_clickHandler(identifier);
}

void FreedesktopNotificationCenter::sendNotify(const NotificationRequest &request, std::uint32_t replacesId)
{
    QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("com.tavelo.app")}};
    if (request.playSound)
        hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    else
        hints.insert(QStringLiteral("suppress-sound"), true);

    QDBusMessage message = methodCall(QStringLiteral("Notify"));
    message << QStringLiteral("Tavelo") << uint(replacesId) << QStringLiteral("com.tavelo.app")
            << QString::fromStdString(request.title) << escapeMarkup(QString::fromStdString(request.body))
            << QStringList{kDefaultAction, tr("Open")} << hints << expireTimeout(request);

    QDBusPendingCallWatcher *watcher = send(message);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, identifier = request.identifier](QDBusPendingCallWatcher *call) {
                QDBusPendingReply<uint> reply = *call;
                onNotifyAnswered(identifier, reply.isError() ? std::nullopt : std::optional(reply.value()));
            });
}

void FreedesktopNotificationCenter::onNotifyAnswered(const std::string &identifier,
                                                     std::optional<std::uint32_t> serverId)
{
    auto it = m_entries.find(identifier);
    if (it == m_entries.end())
        return;
    Entry &entry = it->second;
    const std::uint32_t previousId = entry.serverId;
    entry.awaitingId = false;
    // On failure the previous notice, if any, may still be on screen: keep its id.
    if (serverId)
        entry.serverId = *serverId;

    if (entry.next) {
        NotificationRequest next = std::move(*entry.next);
        entry.next.reset();
        entry.awaitingId = true;
        sendNotify(next, entry.serverId);
        return;
    }
    if (entry.closeOnArrival) {
        entry.closeOnArrival = false;
        if (serverId)
            closeOnServer(*serverId);
        if (previousId != 0 && previousId != serverId)
            closeOnServer(previousId);
        entry.serverId = 0;
    }
    forgetIfIdle(identifier);
}

void FreedesktopNotificationCenter::closeOnServer(std::uint32_t serverId)
{
    QDBusMessage message = methodCall(QStringLiteral("CloseNotification"));
    message << uint(serverId);
    send(message);
}

void FreedesktopNotificationCenter::askServer(std::function<void(bool answered)> done)
{
    // Calls on a bus that is gone never finish; the answer would never come.
    if (!m_connection.isConnected()) {
        QMetaObject::invokeMethod(
            this, [done = std::move(done)] { done(false); }, Qt::QueuedConnection);
        return;
    }
    QDBusPendingCallWatcher *watcher = send(methodCall(QStringLiteral("GetServerInformation")));
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [done = std::move(done)](QDBusPendingCallWatcher *call) { done(!call->isError()); });
}

QDBusPendingCallWatcher *FreedesktopNotificationCenter::send(const QDBusMessage &message)
{
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(message, m_replyTimeoutMs), this);
    ++m_callsInFlight;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        --m_callsInFlight;
        call->deleteLater();
    });
    return watcher;
}

void FreedesktopNotificationCenter::forgetIfIdle(const std::string &identifier)
{
    auto it = m_entries.find(identifier);
    if (it != m_entries.end() && !it->second.awaitingId && it->second.serverId == 0 && !it->second.next)
        m_entries.erase(it);
}

std::map<std::string, FreedesktopNotificationCenter::Entry>::iterator
FreedesktopNotificationCenter::findByServerId(std::uint32_t serverId)
{
    if (serverId == 0)
        return m_entries.end();
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->second.serverId == serverId)
            return it;
    }
    return m_entries.end();
}

} // namespace tavelo
