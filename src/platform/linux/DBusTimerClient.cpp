#include "platform/linux/DBusTimerClient.h"

#include <QDBusArgument>
#include <QDBusServiceWatcher>
#include <QVariantMap>

#include "platform/linux/DBusSingleInstance.h"
#include "platform/linux/DBusTimerAdaptor.h"

namespace tavelo {

namespace {
// A command line waits this long for the instance before it gives up.
constexpr int kCallTimeoutMs = 5000;
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
} // namespace

std::unique_ptr<TimerClient> connectTimerClient()
{
    return std::make_unique<DBusTimerClient>();
}

DBusTimerClient::DBusTimerClient(QDBusConnection connection, QObject *parent)
    : QObject(parent), m_connection(std::move(connection))
{
}

QDBusMessage DBusTimerClient::call(const QString &interface, const QString &method, const QVariantList &arguments)
{
    if (!m_connection.isConnected())
        return QDBusMessage::createError(QStringLiteral("org.freedesktop.DBus.Error.NoServer"),
                                         m_connection.lastError().message());
    QDBusMessage request =
        QDBusMessage::createMethodCall(QString::fromLatin1(DBusSingleInstance::kServiceName),
                                       QString::fromLatin1(DBusSingleInstance::kObjectPath), interface, method);
    request.setArguments(arguments);
    // Not started by the bus: a command should not launch the program.
    request.setAutoStartService(false);
    return m_connection.call(request, QDBus::Block, kCallTimeoutMs);
}

TimerReply DBusTimerClient::replyOf(const QDBusMessage &answer) const
{
    if (answer.type() != QDBusMessage::ErrorMessage)
        return {};
    const QString name = answer.errorName();
    using Status = TimerReply::Status;
    Status status = Status::failed;
    if (name == "org.freedesktop.DBus.Error.ServiceUnknown" || name == "org.freedesktop.DBus.Error.NameHasNoOwner" ||
        name == "org.freedesktop.DBus.Error.NoServer")
        status = Status::noInstance;
    else if (name == "org.freedesktop.DBus.Error.InvalidArgs")
        status = Status::invalidArgument;
    else if (name == DBusTimerAdaptor::kNotNowError)
        status = Status::notNow;
    return {status, answer.errorMessage().toStdString()};
}

TimerReply DBusTimerClient::pause(std::int64_t seconds)
{
    return replyOf(call(DBusTimerAdaptor::kInterface, "Pause", {QVariant::fromValue(uint(seconds))}));
}

TimerReply DBusTimerClient::resume()
{
    return replyOf(call(DBusTimerAdaptor::kInterface, "Resume"));
}

TimerReply DBusTimerClient::startBreak(const std::string &kind)
{
    return replyOf(call(DBusTimerAdaptor::kInterface, "StartBreak", {QString::fromStdString(kind)}));
}

TimerReply DBusTimerClient::skip()
{
    return replyOf(call(DBusTimerAdaptor::kInterface, "Skip"));
}

TimerReply DBusTimerClient::postpone()
{
    return replyOf(call(DBusTimerAdaptor::kInterface, "Postpone"));
}

TimerReply DBusTimerClient::resetFocus()
{
    return replyOf(call(DBusTimerAdaptor::kInterface, "ResetFocus"));
}

TimerReply DBusTimerClient::openPanel()
{
    return replyOf(call(DBusTimerAdaptor::kInterface, "OpenPanel"));
}

std::variant<TimerState, TimerReply> DBusTimerClient::read()
{
    const QDBusMessage answer = call(kProperties, "GetAll", {QString::fromLatin1(DBusTimerAdaptor::kInterface)});
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty())
        return replyOf(answer);
    QVariantMap values;
    answer.arguments().constFirst().value<QDBusArgument>() >> values;
    const auto text = [&values](const char *name) { return values.value(name).toString().toStdString(); };
    const auto number = [&values](const char *name) { return std::int64_t(values.value(name).toLongLong()); };
    TimerState state;
    state.phase = text("Phase");
    state.activeBreak = text("ActiveBreak");
    state.remainingSeconds = number("RemainingSeconds");
    state.paused = values.value("Paused").toBool();
    state.pauseRemainingSeconds = number("PauseRemainingSeconds");
    state.away = values.value("Away").toBool();
    state.nextBreak = text("NextBreak");
    state.completedFocusSessions = number("CompletedFocusSessions");
    state.phaseEndsAt = number("PhaseEndsAt");
    state.pauseEndsAt = number("PauseEndsAt");
    state.phaseLengthSeconds = number("PhaseLengthSeconds");
    return state;
}

void DBusTimerClient::watch(std::function<void()> changed)
{
    m_changed = std::move(changed);
    const QString service = QString::fromLatin1(DBusSingleInstance::kServiceName);
    m_connection.connect(service, QString::fromLatin1(DBusSingleInstance::kObjectPath), kProperties,
                         QStringLiteral("PropertiesChanged"), this, SLOT(propertiesChanged(QDBusMessage)));
    if (!m_watcher) {
        m_watcher = new QDBusServiceWatcher(service, m_connection, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] {
            if (m_changed)
                m_changed();
        });
    }
}

void DBusTimerClient::propertiesChanged(const QDBusMessage &message)
{
    if (!message.arguments().isEmpty() && message.arguments().constFirst().toString() == DBusTimerAdaptor::kInterface &&
        m_changed)
        m_changed();
}

} // namespace tavelo
