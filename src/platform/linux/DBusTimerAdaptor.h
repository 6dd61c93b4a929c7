#pragma once

#include <functional>

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>

#include "platform/TimerCommands.h"
#include "platform/TimerState.h"

namespace tavelo {

// com.tavelo.app.Timer1 on the object that owns the program's bus name. Commands answer
// with a D-Bus error when they fail; PropertiesChanged carries only the values that
// changed and that a listener cannot compute (the countdowns follow from the instants).
class DBusTimerAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.tavelo.app.Timer1")
    Q_CLASSINFO("D-Bus Introspection",
                "  <interface name=\"com.tavelo.app.Timer1\">\n"
                "    <method name=\"Pause\"><arg name=\"seconds\" type=\"u\" direction=\"in\"/></method>\n"
                "    <method name=\"Resume\"/>\n"
                "    <method name=\"StartBreak\"><arg name=\"kind\" type=\"s\" direction=\"in\"/></method>\n"
                "    <method name=\"Skip\"/>\n"
                "    <method name=\"Postpone\"/>\n"
                "    <method name=\"ResetFocus\"/>\n"
                "    <method name=\"OpenPanel\"/>\n"
                "    <property name=\"Phase\" type=\"s\" access=\"read\"/>\n"
                "    <property name=\"ActiveBreak\" type=\"s\" access=\"read\"/>\n"
                "    <property name=\"RemainingSeconds\" type=\"x\" access=\"read\">\n"
                "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"false\"/>\n"
                "    </property>\n"
                "    <property name=\"Paused\" type=\"b\" access=\"read\"/>\n"
                "    <property name=\"PauseRemainingSeconds\" type=\"x\" access=\"read\">\n"
                "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"false\"/>\n"
                "    </property>\n"
                "    <property name=\"Away\" type=\"b\" access=\"read\"/>\n"
                "    <property name=\"NextBreak\" type=\"s\" access=\"read\"/>\n"
                "    <property name=\"CompletedFocusSessions\" type=\"x\" access=\"read\"/>\n"
                "    <property name=\"PhaseEndsAt\" type=\"x\" access=\"read\"/>\n"
                "    <property name=\"PauseEndsAt\" type=\"x\" access=\"read\"/>\n"
                "    <property name=\"PhaseLengthSeconds\" type=\"x\" access=\"read\"/>\n"
                "  </interface>\n")
    Q_PROPERTY(QString Phase READ phase)
    Q_PROPERTY(QString ActiveBreak READ activeBreak)
    Q_PROPERTY(qlonglong RemainingSeconds READ remainingSeconds)
    Q_PROPERTY(bool Paused READ paused)
    Q_PROPERTY(qlonglong PauseRemainingSeconds READ pauseRemainingSeconds)
    Q_PROPERTY(bool Away READ away)
    Q_PROPERTY(QString NextBreak READ nextBreak)
    Q_PROPERTY(qlonglong CompletedFocusSessions READ completedFocusSessions)
    Q_PROPERTY(qlonglong PhaseEndsAt READ phaseEndsAt)
    Q_PROPERTY(qlonglong PauseEndsAt READ pauseEndsAt)
    Q_PROPERTY(qlonglong PhaseLengthSeconds READ phaseLengthSeconds)

public:
    static constexpr const char *kInterface = "com.tavelo.app.Timer1";
    static constexpr const char *kNotNowError = "com.tavelo.app.Error.NotNow";

    // Exported with `host`, which must be registered with ExportAdaptors.
    DBusTimerAdaptor(QObject *host, QDBusConnection connection, QString path, TimerCommands *commands,
                     std::function<TimerState()> state);

    // Answers through `commands` and `state` from now on; without them it reports
    // failures and a default state.
    void attach(TimerCommands *commands, std::function<TimerState()> state);

    // Sends PropertiesChanged for what differs from the last state sent.
    void stateChanged(const TimerState &state);

    QString phase() const { return QString::fromStdString(state().phase); }
    QString activeBreak() const { return QString::fromStdString(state().activeBreak); }
    qlonglong remainingSeconds() const { return state().remainingSeconds; }
    bool paused() const { return state().paused; }
    qlonglong pauseRemainingSeconds() const { return state().pauseRemainingSeconds; }
    bool away() const { return state().away; }
    QString nextBreak() const { return QString::fromStdString(state().nextBreak); }
    qlonglong completedFocusSessions() const { return state().completedFocusSessions; }
    qlonglong phaseEndsAt() const { return state().phaseEndsAt; }
    qlonglong pauseEndsAt() const { return state().pauseEndsAt; }
    qlonglong phaseLengthSeconds() const { return state().phaseLengthSeconds; }

public Q_SLOTS:
    void Pause(uint seconds, const QDBusMessage &message);
    void Resume(const QDBusMessage &message);
    void StartBreak(const QString &kind, const QDBusMessage &message);
    void Skip(const QDBusMessage &message);
    void Postpone(const QDBusMessage &message);
    void ResetFocus(const QDBusMessage &message);
    void OpenPanel(const QDBusMessage &message);

private:
    TimerState state() const { return m_state ? m_state() : TimerState{}; }
    // Runs `command` on the commands, if any, and answers `message` with its reply.
    template <typename Command> void run(const QDBusMessage &message, Command command);
    // A failed command answers with an error instead of the empty reply.
    void answer(const QDBusMessage &message, const TimerReply &reply);

    QDBusConnection m_connection;
    QString m_path;
    TimerCommands *m_commands;
    std::function<TimerState()> m_state;
    TimerState m_sent;
};

} // namespace tavelo
