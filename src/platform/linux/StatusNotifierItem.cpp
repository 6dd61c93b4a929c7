#include "platform/linux/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

#include "platform/linux/StatusNotifierItemAdaptor.h"

namespace tavelo {

namespace {
constexpr int kBusTimeoutMs = 5000;
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;
constexpr uint kAlreadyOwner = 4;

// One name per item, so that a second item in the process never collides.
int nextItemNumber()
{
    static int number = 0;
    return ++number;
}

QDBusMessage busDaemonCall(const char *method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                          QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), QString::fromLatin1(method));
}
} // namespace

StatusNotifierItem::StatusNotifierItem(QDBusConnection connection, QObject *parent)
    : QObject(parent), m_connection(std::move(connection)), m_adaptor(new StatusNotifierItemAdaptor(this)),
      m_watcherWatcher(new QDBusServiceWatcher(QString::fromLatin1(kWatcherService), m_connection,
                                               QDBusServiceWatcher::WatchForOwnerChange, this)),
      m_wellKnownName(QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                          .arg(QCoreApplication::applicationPid())
                          .arg(nextItemNumber()))
{
    registerStatusNotifierDBusTypes();
    m_toolTip.title = QString::fromLatin1(kTitle);
    connect(m_watcherWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) { watcherOwnerChanged(newOwner); });
}

StatusNotifierItem::~StatusNotifierItem()
{
    hide();
}

void StatusNotifierItem::show()
{
    if (m_visible)
        return;
    m_visible = true;
    ++m_generation;
    if (!m_connection.isConnected())
        return;
    m_exported = m_connection.registerObject(QString::fromLatin1(kObjectPath), this, QDBusConnection::ExportAdaptors);
    if (m_exported)
        requestName();
}

void StatusNotifierItem::hide()
{
    if (!m_visible)
        return;
    m_visible = false;
    ++m_generation;
    if (m_exported) {
        m_connection.unregisterObject(QString::fromLatin1(kObjectPath));
        m_exported = false;
        // Queued behind any RequestName still under way, so the name is let go either way;
        // the watcher drops the item when its name vanishes.
        QDBusMessage release = busDaemonCall("ReleaseName");
        release << m_wellKnownName;
        m_connection.send(release);
    }
    m_serviceName.clear();
    m_registeredWith.clear();
    m_registering = false;
    setRegistered(false);
}

void StatusNotifierItem::requestName()
{
    QDBusMessage request = busDaemonCall("RequestName");
    request << m_wellKnownName << kDoNotQueue;
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(request, kBusTimeoutMs), this);
    const unsigned generation = m_generation;
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, generation] {
        call->deleteLater();
        if (generation != m_generation)
            return;
        const QDBusPendingReply<uint> reply = *call;
        const bool owned = reply.isValid() && (reply.value() == kPrimaryOwner || reply.value() == kAlreadyOwner);
        // Watchers accept a unique connection name too, should the conventional one be taken.
        m_serviceName = owned ? m_wellKnownName : m_connection.baseService();
        registerWithWatcher();
    });
}

void StatusNotifierItem::registerWithWatcher()
{
    QDBusMessage request = QDBusMessage::createMethodCall(
        QString::fromLatin1(kWatcherService), QString::fromLatin1(kWatcherPath), QString::fromLatin1(kWatcherService),
        QStringLiteral("RegisterStatusNotifierItem"));
    request << m_serviceName;
    // No watcher now means none until one appears on its own, which we notice.
    request.setAutoStartService(false);
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(request, kBusTimeoutMs), this);
    m_registering = true;
    const unsigned generation = ++m_generation;
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, generation] {
        call->deleteLater();
        if (generation != m_generation)
            return;
        m_registering = false;
        if (call->isError()) {
            setRegistered(false);
            return;
        }
        m_registeredWith = call->reply().service();
        setRegistered(true);
        // A watcher that restarted while we asked has not heard of us.
        if (!m_watcherOwner.isEmpty() && m_watcherOwner != m_registeredWith)
            registerWithWatcher();
    });
}

void StatusNotifierItem::watcherOwnerChanged(const QString &newOwner)
{
    m_watcherOwner = newOwner;
    if (newOwner.isEmpty()) {
        m_registeredWith.clear();
        setRegistered(false);
        return;
    }
    // A new or restarted watcher knows nothing of us. Before our name is settled the
    // answer to RequestName registers anyway; a request under way checks who answered.
    if (m_visible && m_exported && !m_serviceName.isEmpty() && !m_registering && newOwner != m_registeredWith)
        registerWithWatcher();
}

void StatusNotifierItem::setRegistered(bool registered)
{
    if (m_registered == registered)
        return;
    m_registered = registered;
    if (onRegisteredChanged)
        onRegisteredChanged(registered);
}

void StatusNotifierItem::setIcon(const std::vector<QImage> &images)
{
    StatusNotifierPixmaps pixmaps;
    pixmaps.reserve(qsizetype(images.size()));
    for (const QImage &image : images) {
        if (!image.isNull())
            pixmaps.append(StatusNotifierPixmap::fromImage(image));
    }
    if (pixmaps == m_icon)
        return;
    m_icon = std::move(pixmaps);
    if (m_exported)
        Q_EMIT m_adaptor->NewIcon();
}

void StatusNotifierItem::setToolTip(std::string_view title, std::string_view text)
{
    const QString newTitle = QString::fromUtf8(title.data(), qsizetype(title.size()));
    const QString newText = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (newTitle == m_toolTip.title && newText == m_toolTip.text)
        return;
    m_toolTip.title = newTitle;
    m_toolTip.text = newText;
    if (m_exported)
        Q_EMIT m_adaptor->NewToolTip();
}

void StatusNotifierItem::setLabel(std::string_view label)
{
    const QString newLabel = QString::fromUtf8(label.data(), qsizetype(label.size()));
    if (newLabel == m_label)
        return;
    m_label = newLabel;
    m_guide = QString::fromStdString(labelGuide(label));
    if (m_exported)
        Q_EMIT m_adaptor->XAyatanaNewLabel(m_label, m_guide);
}

void StatusNotifierItem::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    if (m_exported)
        Q_EMIT m_adaptor->NewStatus(statusText());
}

std::string StatusNotifierItem::labelGuide(std::string_view label)
{
    std::string guide(label);
    for (char &c : guide) {
        if (c >= '0' && c <= '9')
            c = '0';
    }
    return guide;
}

QString StatusNotifierItem::statusText() const
{
    switch (m_status) {
    case Status::passive:
        return QStringLiteral("Passive");
    case Status::needsAttention:
        return QStringLiteral("NeedsAttention");
    case Status::active:
        break;
    }
    return QStringLiteral("Active");
}

void StatusNotifierItem::activate(QPoint point)
{
    if (onActivate)
        onActivate(point);
}

} // namespace tavelo
