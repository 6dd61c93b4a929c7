#pragma once

#include <memory>

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace tavelo::test {

// A private dbus-daemon with nothing on it: stands in for the system bus, or for a session
// bus without services. Stopped by PID when destroyed.
class FakeSystemBus {
public:
    FakeSystemBus();
    ~FakeSystemBus();
    FakeSystemBus(const FakeSystemBus &) = delete;
    FakeSystemBus &operator=(const FakeSystemBus &) = delete;

    bool isRunning() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    QString errorText() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QString m_error;
};

} // namespace tavelo::test
