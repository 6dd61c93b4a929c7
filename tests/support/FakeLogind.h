#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tavelo::test {

// Runs tavelo-fake-logind on a bus and drives it over its control interface. The helper
// is stopped by PID when this is destroyed.
class FakeLogind {
public:
    // The helper built with the tests, found through TAVELO_BINARY_DIR.
    static QString defaultProgram();

    explicit FakeLogind(const QString &busAddress, const QString &program = defaultProgram());
    ~FakeLogind();
    FakeLogind(const FakeLogind &) = delete;
    FakeLogind &operator=(const FakeLogind &) = delete;

    // True once the helper owns org.freedesktop.login1.
    bool isReady() const { return m_ready; }
    QString errorText() const { return m_error; }

    void announceSleep(bool start);
    uint openInhibitors();
    QStringList lastInhibit();

private:
    QDBusMessage control(const QString &method, const QVariantList &arguments = {});

    QProcess m_process;
    QDBusConnection m_bus;
    bool m_ready = false;
    QString m_error;
    QString m_output;
};

} // namespace tavelo::test
