#pragma once

#include <csignal>

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace tavelo::test {

// Runs tavelo-fake-logind on a bus, announces sleep through its signals and follows its
// report on standard output. The helper is stopped by PID when this is destroyed.
class FakeLogind {
public:
    explicit FakeLogind(const QString &busAddress)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(qEnvironmentVariable("TAVELO_BINARY_DIR") + "/tests/support/fake-logind/tavelo-fake-logind",
                        {busAddress});
        // Ready once the helper owns org.freedesktop.login1.
        EXPECT_TRUE(QTest::qWaitFor([this] { return output().contains("ready\n") || !m_process.processId(); }, 10000) &&
                    output().contains("ready\n"))
            << "tavelo-fake-logind did not start: " << m_process.errorString().toStdString();
    }
    ~FakeLogind()
    {
        // QProcess kills what does not end in time.
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

    void announceSleep(bool start) { ::kill(pid_t(m_process.processId()), start ? SIGUSR1 : SIGUSR2); }
    // What the helper has printed so far; read as the event loop delivers it.
    const QString &output() { return m_output += QString::fromLocal8Bit(m_process.readAllStandardOutput()); }
    int openInhibitors() { return output().count("inhibit taken") - m_output.count("inhibit released"); }

private:
    QProcess m_process;
    QString m_output;
};

} // namespace tavelo::test
