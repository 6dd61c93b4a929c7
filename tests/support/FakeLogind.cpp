#include "support/FakeLogind.h"

#include <csignal>

#include <QTest>

#include <gtest/gtest.h>

namespace tavelo::test {

FakeLogind::FakeLogind(const QString &busAddress)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(qEnvironmentVariable("TAVELO_BINARY_DIR") + "/tests/support/fake-logind/tavelo-fake-logind",
                    {busAddress});
    const bool ended =
        QTest::qWaitFor([this] { return isReady() || m_process.state() == QProcess::NotRunning; }, 10000);
    EXPECT_TRUE(ended && isReady()) << "tavelo-fake-logind did not start: " << m_process.errorString().toStdString();
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

} // namespace tavelo::test
