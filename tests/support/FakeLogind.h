#pragma once

#include <QProcess>
#include <QString>

namespace tavelo::test {

// Runs tavelo-fake-logind on a bus, announces sleep through its signals and follows its
// report on standard output. The helper is stopped by PID when this is destroyed.
class FakeLogind {
public:
    explicit FakeLogind(const QString &busAddress);
    ~FakeLogind();
    FakeLogind(const FakeLogind &) = delete;
    FakeLogind &operator=(const FakeLogind &) = delete;

    // True once the helper owns org.freedesktop.login1.
    bool isReady() const { return m_ready; }
    QString errorText() const { return m_error; }

    void announceSleep(bool start);
    // What the helper has printed so far; read as the event loop delivers it.
    const QString &output();
    int openInhibitors();

private:
    QProcess m_process;
    bool m_ready = false;
    QString m_error;
    QString m_output;
};

} // namespace tavelo::test
