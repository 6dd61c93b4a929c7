#include "app/cli/CommandLineRunner.h"

#include <chrono>

#include "app/cli/StatusFollower.h"
#include "app/cli/StatusReport.h"
#include "app/history/StatsCommand.h"
#include "platform/TimerClient.h"

namespace tavelo {

CommandLineRunner::CommandLineRunner(TimerClient &client, std::ostream &out, std::ostream &err)
    : m_client(client), m_out(out), m_err(err)
{
}

QString CommandLineRunner::usage()
{
    return tr("Usage: tavelo [COMMAND]\n"
              "Without a command, starts Tavelo, or opens the panel of the one running.\n"
              "\n"
              "Commands:\n"
              "  status [--json] [--follow]   show the timer; --follow prints a line per change\n"
              "  pause [LENGTH|indefinitely]  pause for a length such as 90s, 15m or 1h30m,\n"
              "                               or without an end when none is given\n"
              "  resume                       resume the paused timer\n"
              "  break [micro|long]           start a break now (the next one due by default)\n"
              "  skip                         skip the current break, or the next one\n"
              "  postpone                     postpone the current break, or the next one\n"
              "  reset                        restart the focus timer\n"
              "  stats [--json] [--days N]    statistics of the last N days (7 by default)\n"
              "  --help                       show this help\n"
              "  --version                    show the version\n");
}

QString CommandLineRunner::usageError(const CommandLine &line)
{
    QString text = QCoreApplication::translate("tavelo::CommandLine", line.errorText);
    // arg() on a text without a placeholder would warn on stderr.
    return text.contains(QLatin1String("%1")) ? text.arg(QString::fromStdString(line.errorArgument)) : text;
}

int CommandLineRunner::run(const CommandLine &line)
{
    using Action = CommandLine::Action;
    switch (line.action) {
    case Action::launch:
        break;
    case Action::usageError:
        m_err << "tavelo: " << usageError(line).toStdString() << "\n\n" << usage().toStdString();
        return 2;
    case Action::help:
        m_out << usage().toStdString();
        return 0;
    case Action::version:
        m_out << "tavelo " << TAVELO_VERSION_STRING << '\n';
        return 0;
    case Action::status:
        return status(line);
    case Action::pause:
        return finish(m_client.pause(line.pauseSeconds));
    case Action::resume:
        return finish(m_client.resume());
    case Action::startBreak:
        return startBreak(line);
    case Action::skip:
        return finish(m_client.skip());
    case Action::postpone:
        return finish(m_client.postpone());
    case Action::reset:
        return finish(m_client.resetFocus());
    case Action::stats:
        // The statistics read the history file themselves; they need no running instance.
        return runStatsCommand(line.json, line.days, m_out, m_err);
    }
    m_err << "tavelo: " << tr("Nothing to do.").toStdString() << '\n';
    return 2;
}

int CommandLineRunner::status(const CommandLine &line)
{
    if (line.follow) {
        StatusFollower follower(m_client, m_out, line.json);
        follower.start();
        return QCoreApplication::exec();
    }
    auto read = m_client.read();
    if (const auto *reply = std::get_if<TimerReply>(&read))
        return finish(*reply);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const StatusReport report(std::get<TimerState>(read), std::chrono::floor<std::chrono::seconds>(now).count());
    m_out << (line.json ? report.fullJson() : report.text().toStdString()) << '\n';
    return 0;
}

int CommandLineRunner::startBreak(const CommandLine &line)
{
    std::string kind;
    if (line.breakType) {
        kind = rawValue(*line.breakType);
    } else {
        auto read = m_client.read();
        if (const auto *reply = std::get_if<TimerReply>(&read))
            return finish(*reply);
        kind = std::get<TimerState>(read).nextBreak;
    }
    return finish(m_client.startBreak(kind));
}

int CommandLineRunner::finish(const TimerReply &reply)
{
    switch (reply.status) {
    case TimerReply::Status::done:
        return 0;
    case TimerReply::Status::noInstance:
        m_err << "tavelo: " << tr("Tavelo is not running.").toStdString() << '\n';
        return 1;
    case TimerReply::Status::failed:
        m_err << "tavelo: " << tr("Tavelo did not answer: %1").arg(QString::fromStdString(reply.message)).toStdString()
              << '\n';
        return 1;
    case TimerReply::Status::invalidArgument:
    case TimerReply::Status::notNow:
        break;
    }
    m_err << "tavelo: " << reply.message << '\n';
    return 1;
}

} // namespace tavelo
