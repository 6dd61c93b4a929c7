#pragma once

#include <QProcess>

namespace tavelo::test {

// Runs tavelo-fake-logind on a bus, announces sleep through its signals and follows its
// report on standard output. The helper is stopped by PID when this is destroyed.
class FakeLogind {
public:
    explicit FakeLogind(const QString &busAddress);
    ~FakeLogind();

    // True once the helper owns org.freedesktop.login1.
    bool isReady() { return output().contains(QLatin1String("ready\n")); }
    void announceSleep(bool start);
    // What the helper has printed so far; read as the event loop delivers it.
    const QString &output();
    int openInhibitors()
    {
        return output().count(QLatin1String("inhibit taken")) - m_output.count(QLatin1String("inhibit released"));
    }

private:
    QProcess m_process;
    QString m_output;
};

} // namespace tavelo::test
