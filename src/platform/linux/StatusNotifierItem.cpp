#include "platform/linux/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

#include "platform/linux/DBusMenu.h"
#include "platform/linux/StatusNotifierItemAdaptor.h"

namespace tavelo {

namespace {
constexpr int kBusTimeoutMs = 5000;
// A watcher that takes longer than this to register an item is taken as not answering.
constexpr int kRegisterTimeoutMs = 2000;
// Retries at 1, 2 and 4 s: a watcher still starting gets its chance, a broken one is
// given up on within some 15 s.
constexpr std::chrono::seconds kFirstRetry{1};
constexpr std::chrono::seconds kLastRetry{4};
constexpr int kRetries = 3;
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

StatusNotifierItem::StatusNotifierItem(QDBusConnection connection, MainLoop *loop, QObject *parent)
    : QObject(parent), m_connection(std::move(connection)),
      m_retry(loop ? *loop : m_qtLoop, kFirstRetry, kLastRetry, kRetries),
      m_adaptor(new StatusNotifierItemAdaptor(this)), m_menu(new DBusMenu(this)),
      m_watcherWatcher(new QDBusServiceWatcher(QString::fromLatin1(kWatcherService), m_connection,
                                               QDBusServiceWatcher::WatchForOwnerChange, this)),
      // Qt's own tray icon takes "-<pid>-1", "-2" and so on; a host that saw one of those
      // (the icon comes first when the watcher is slow to answer) would take our item for
      // it, half torn down.
      m_wellKnownName(QStringLiteral("org.kde.StatusNotifierItem-%1-tavelo%2")
                          .arg(QCoreApplication::applicationPid())
                          .arg(nextItemNumber()))
{
    registerStatusNotifierDBusTypes();
    m_toolTip.title = QString::fromLatin1(kTitle);
    connect(m_watcherWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) { watcherOwnerChanged(newOwner); });
    m_connection.connect(QString::fromLatin1(kWatcherService), QString::fromLatin1(kWatcherPath),
                         QString::fromLatin1(kWatcherService), QStringLiteral("StatusNotifierItemUnregistered"), this,
                         SLOT(itemUnregistered(QString)));
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
    if (!m_exported)
        return;
    m_connection.registerObject(QString::fromLatin1(kMenuPath), m_menu,
                                QDBusConnection::ExportScriptableContents | QDBusConnection::ExportAllProperties);
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
        m_connection.unregisterObject(QString::fromLatin1(kMenuPath));
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
    m_retry.reset();
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
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(request, kRegisterTimeoutMs), this);
    m_registering = true;
    const unsigned generation = ++m_generation;
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, generation] {
        call->deleteLater();
        if (generation != m_generation)
            return;
        if (call->isError()) {
            registrationFailed();
            return;
        }
        m_registeredWith = call->reply().service();
        verifyRegistration(generation);
    });
}

// Some watchers answer and still never show the item; the list tells.
void StatusNotifierItem::verifyRegistration(unsigned generation)
{
    QDBusMessage request =
        QDBusMessage::createMethodCall(QString::fromLatin1(kWatcherService), QString::fromLatin1(kWatcherPath),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    request << QString::fromLatin1(kWatcherService) << QStringLiteral("RegisteredStatusNotifierItems");
    request.setAutoStartService(false);
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(request, kRegisterTimeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, generation] {
        call->deleteLater();
        if (generation != m_generation)
            return;
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isValid()) {
            if (listsUs(reply.value().variant().toStringList()))
                registrationTook();
            else
                registrationFailed();
            return;
        }
        // A watcher without the list cannot be checked; its word is all there is.
        const QDBusError::ErrorType error = reply.error().type();
        if (error == QDBusError::UnknownProperty || error == QDBusError::UnknownInterface ||
            error == QDBusError::InvalidArgs)
            registrationTook();
        else
            registrationFailed();
    });
}

bool StatusNotifierItem::listsUs(const QStringList &items) const
{
    // Listed by the name we gave or by our connection, alone or followed by the object path.
    for (const QString &name : {m_serviceName, m_connection.baseService()}) {
        for (const QString &item : items) {
            if (item == name || item.startsWith(name + QLatin1Char('/')))
                return true;
        }
    }
    return false;
}

void StatusNotifierItem::registrationTook()
{
    m_registering = false;
    m_retry.reset();
    setRegistered(true);
    if (onAccepted)
        onAccepted();
    // A watcher that restarted while we asked has not heard of us.
    if (!m_watcherOwner.isEmpty() && m_watcherOwner != m_registeredWith)
        registerWithWatcher();
}

void StatusNotifierItem::registrationFailed()
{
    m_registering = false;
    m_registeredWith.clear();
    setRegistered(false);
    const bool again = m_retry.schedule([this] {
        if (m_visible && m_exported && !m_registering && !m_serviceName.isEmpty())
            registerWithWatcher();
    });
    if (!again && onRegistrationFailed)
        onRegistrationFailed();
}

// A host may drop an item it could not set up; it is asked again, as after a refusal.
void StatusNotifierItem::itemUnregistered(const QString &item)
{
    if (m_visible && m_registered && !m_registering && listsUs({item}))
        registrationFailed();
}

void StatusNotifierItem::watcherOwnerChanged(const QString &newOwner)
{
    m_watcherOwner = newOwner;
    // Another watcher gets tries of its own; none at all leaves nothing to retry.
    m_retry.reset();
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
