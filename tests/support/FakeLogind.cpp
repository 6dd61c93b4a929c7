#include "support/FakeLogind.h"

#include <csignal>

#include <QDeadlineTimer>

namespace tavelo::test {

FakeLogind::FakeLogind(const QString &busAddress)
{
    const QString program =
        qEnvironmentVariable("TAVELO_BINARY_DIR") + QStringLiteral("/tests/support/fake-logind/tavelo-fake-logind");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, {busAddress});
    const QDeadlineTimer deadline(10000);
    while (!m_output.contains(QLatin1String("ready\n")) && !deadline.hasExpired() &&
           m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
        output();
    }
    m_ready = m_output.contains(QLatin1String("ready\n"));
    if (!m_ready)
        m_error = QStringLiteral("%1 did not start: %2").arg(program, m_process.errorString());
}

FakeLogind::~FakeLogind()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

void FakeLogind::announceSleep(bool start)
{
    ::kill(static_cast<pid_t>(m_process.processId()), start ? SIGUSR1 : SIGUSR2);
}

const QString &FakeLogind::output()
{
    m_output += QString::fromLocal8Bit(m_process.readAllStandardOutput());
    return m_output;
}

int FakeLogind::openInhibitors()
{
    return static_cast<int>(output().count(QStringLiteral("inhibit taken")) -
                            m_output.count(QStringLiteral("inhibit released")));
}

} // namespace tavelo::test
