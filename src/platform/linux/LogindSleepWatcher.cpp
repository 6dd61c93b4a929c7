#include "platform/linux/LogindSleepWatcher.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace tavelo {

namespace {
// logind answers at once; the limit only keeps a wedged bus from holding a call open.
constexpr int kCallTimeoutMs = 10000;
} // namespace

LogindSleepWatcher::LogindSleepWatcher(QDBusConnection connection, QObject *parent)
    : QObject(parent), m_connection(std::move(connection))
{
}

LogindSleepWatcher::~LogindSleepWatcher()
{
    if (m_started && m_connection.isConnected()) {
        m_connection.disconnect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kManagerInterface),
                                QStringLiteral("PrepareForSleep"), this,
                                SLOT(handlePrepareForSleep(bool, QDBusMessage)));
    }
}

void LogindSleepWatcher::start(std::function<void()> onWillSleep, std::function<void()> onDidWake)
{
    if (m_started)
        return;
    m_started = true;
    m_onWillSleep = std::move(onWillSleep);
    m_onDidWake = std::move(onDidWake);
    if (!m_connection.isConnected())
        return;

    // The sender is checked in the slot: naming the service here would make Qt look its
    // owner up with a blocking call.
    m_connection.connect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kManagerInterface),
                         QStringLiteral("PrepareForSleep"), this, SLOT(handlePrepareForSleep(bool, QDBusMessage)));
    m_serviceWatcher = new QDBusServiceWatcher(QString::fromLatin1(kService), m_connection,
                                               QDBusServiceWatcher::WatchForOwnerChange, this);
    // Owner changes may be reported out of order (a quick release and re-claim): look the
    // owner up again rather than trust the signal's arguments.
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &LogindSleepWatcher::lookUpLogind);
    lookUpLogind();
}

void LogindSleepWatcher::lookUpLogind()
{
    QDBusMessage ask =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetNameOwner"));
    ask << QString::fromLatin1(kService);
    const quint64 lookup = ++m_lookups;
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(ask, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, lookup](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        if (lookup != m_lookups)
            return; // a later lookup is on its way
        const QDBusPendingReply<QString> reply = *call;
        // No owner (an error reply) is no failure: the service watcher tells when logind appears.
        setLogindOwner(reply.isValid() ? reply.value() : QString());
    });
}

void LogindSleepWatcher::setLogindOwner(const QString &owner)
{
    if (owner == m_logindOwner)
        return;
    m_logindOwner = owner;
    // An inhibitor, or the promise of one, belongs to the logind that handed it out.
    if (m_pendingInhibit) {
        m_pendingInhibit->deleteLater();
        m_pendingInhibit = nullptr;
    }
    releaseInhibitor();
    m_asleep = false;
    if (!m_logindOwner.isEmpty())
        requestInhibitor();
}

void LogindSleepWatcher::handlePrepareForSleep(bool start, const QDBusMessage &message)
{
    if (m_logindOwner.isEmpty() || message.service() != m_logindOwner)
        return;
    if (start) {
        m_asleep = true;
        if (m_onWillSleep)
            m_onWillSleep();
        // The sleep instant is recorded: logind may go ahead.
        releaseInhibitor();
    } else {
        m_asleep = false;
        if (m_onDidWake)
            m_onDidWake();
        requestInhibitor();
    }
}

void LogindSleepWatcher::requestInhibitor()
{
    if (m_inhibitor.isValid() || m_pendingInhibit || m_asleep || m_logindOwner.isEmpty())
        return;
    QDBusMessage inhibit =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kManagerInterface), QStringLiteral("Inhibit"));
    inhibit << QStringLiteral("sleep") << QStringLiteral("Tavelo") << QStringLiteral("Record the time of suspend")
            << QStringLiteral("delay");
    m_pendingInhibit = new QDBusPendingCallWatcher(m_connection.asyncCall(inhibit, kCallTimeoutMs), this);
    connect(m_pendingInhibit, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        // The reply message keeps its own copy of the descriptor open: let it go soon.
        call->deleteLater();
        if (call != m_pendingInhibit)
            return; // asked of a logind that has gone since
        m_pendingInhibit = nullptr;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *call;
        // Refused or failed: sleep is still announced, only without the guarantee.
        // Answered after the machine began to sleep: dropping it lets the suspend go on.
        if (reply.isValid() && !m_asleep && reply.argumentAt<0>().isValid())
            m_inhibitor = reply.argumentAt<0>();
    });
}

void LogindSleepWatcher::releaseInhibitor()
{
    m_inhibitor = QDBusUnixFileDescriptor();
}

} // namespace tavelo
