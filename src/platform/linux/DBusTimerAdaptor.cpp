#include "platform/linux/DBusTimerAdaptor.h"

#include <QVariantMap>

namespace tavelo {

DBusTimerAdaptor::DBusTimerAdaptor(QObject *host, QDBusConnection connection, QString path, TimerCommands *commands,
                                   std::function<TimerState()> state)
    : QDBusAbstractAdaptor(host), m_connection(std::move(connection)), m_path(std::move(path)), m_commands(commands),
      m_state(std::move(state)), m_sent(this->state())
{
}

void DBusTimerAdaptor::attach(TimerCommands *commands, std::function<TimerState()> state)
{
    m_commands = commands;
    m_state = std::move(state);
}

void DBusTimerAdaptor::stateChanged(const TimerState &state)
{
    QVariantMap changed;
    const auto compare = [&changed](const char *name, const auto &before, const auto &now, QVariant value) {
        if (before != now)
            changed.insert(QString::fromLatin1(name), std::move(value));
    };
    compare("Phase", m_sent.phase, state.phase, QString::fromStdString(state.phase));
    compare("ActiveBreak", m_sent.activeBreak, state.activeBreak, QString::fromStdString(state.activeBreak));
    compare("Paused", m_sent.paused, state.paused, state.paused);
    compare("Away", m_sent.away, state.away, state.away);
    compare("NextBreak", m_sent.nextBreak, state.nextBreak, QString::fromStdString(state.nextBreak));
    compare("CompletedFocusSessions", m_sent.completedFocusSessions, state.completedFocusSessions,
            qlonglong(state.completedFocusSessions));
    compare("PhaseEndsAt", m_sent.phaseEndsAt, state.phaseEndsAt, qlonglong(state.phaseEndsAt));
    compare("PauseEndsAt", m_sent.pauseEndsAt, state.pauseEndsAt, qlonglong(state.pauseEndsAt));
    compare("PhaseLengthSeconds", m_sent.phaseLengthSeconds, state.phaseLengthSeconds,
            qlonglong(state.phaseLengthSeconds));
    m_sent = state;
    if (changed.isEmpty())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(m_path, QStringLiteral("org.freedesktop.DBus.Properties"), "PropertiesChanged");
    signal << QString::fromLatin1(kInterface) << changed << QStringList();
    m_connection.send(signal);
}

void DBusTimerAdaptor::answer(const QDBusMessage &message, const TimerReply &reply)
{
    if (reply.ok())
        return;
    const char *name = reply.status == TimerReply::Status::invalidArgument ? "org.freedesktop.DBus.Error.InvalidArgs"
                       : reply.status == TimerReply::Status::notNow        ? kNotNowError
                                                                           : "org.freedesktop.DBus.Error.Failed";
    message.setDelayedReply(true);
    m_connection.send(message.createErrorReply(QString::fromLatin1(name), QString::fromStdString(reply.message)));
}

template <typename Command> void DBusTimerAdaptor::run(const QDBusMessage &message, Command command)
{
    answer(message,
           m_commands ? command(*m_commands) : TimerReply{TimerReply::Status::failed, "The timer is shutting down."});
}

void DBusTimerAdaptor::Pause(uint seconds, const QDBusMessage &message)
{
    run(message, [&](TimerCommands &c) { return c.pause(seconds); });
}

void DBusTimerAdaptor::Resume(const QDBusMessage &message)
{
    run(message, [&](TimerCommands &c) { return c.resume(); });
}

void DBusTimerAdaptor::StartBreak(const QString &kind, const QDBusMessage &message)
{
    run(message, [&](TimerCommands &c) { return c.startBreak(kind.toStdString()); });
}

void DBusTimerAdaptor::Skip(const QDBusMessage &message)
{
    run(message, [&](TimerCommands &c) { return c.skip(); });
}

void DBusTimerAdaptor::Postpone(const QDBusMessage &message)
{
    run(message, [&](TimerCommands &c) { return c.postpone(); });
}

void DBusTimerAdaptor::ResetFocus(const QDBusMessage &message)
{
    run(message, [&](TimerCommands &c) { return c.resetFocus(); });
}

void DBusTimerAdaptor::OpenPanel(const QDBusMessage &message)
{
    run(message, [&](TimerCommands &c) { return c.openPanel(); });
}

} // namespace tavelo
