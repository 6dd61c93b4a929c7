#include "support/FakeLogind.h"

#include <atomic>

#include <QDBusMessage>
#include <QDeadlineTimer>

namespace tavelo::test {

namespace {

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("fake-logind-control-%1").arg(++counter);
}

} // namespace

QString FakeLogind::defaultProgram()
{
    return qEnvironmentVariable("TAVELO_BINARY_DIR") + QStringLiteral("/tests/support/fake-logind/tavelo-fake-logind");
}

FakeLogind::FakeLogind(const QString &busAddress, const QString &program)
    : m_bus(QDBusConnection::connectToBus(busAddress, uniqueConnectionName()))
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, {busAddress});
    const QDeadlineTimer deadline(10000);
    while (!m_output.contains(QLatin1String("ready\n")) && !deadline.hasExpired() &&
           m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
        m_output += QString::fromLocal8Bit(m_process.readAllStandardOutput());
    }
    m_ready = m_output.contains(QLatin1String("ready\n")) && m_bus.isConnected();
    if (!m_ready)
        m_error = QStringLiteral("%1 did not start: %2").arg(program, m_process.errorString());
}

FakeLogind::~FakeLogind()
{
    QDBusConnection::disconnectFromBus(m_bus.name());
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
}

QDBusMessage FakeLogind::control(const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                                       QStringLiteral("/com/tavelo/FakeLogind"),
                                                       QStringLiteral("com.tavelo.FakeLogind"), method);
    call.setArguments(arguments);
    return m_bus.call(call, QDBus::Block, 5000);
}

void FakeLogind::announceSleep(bool start)
{
    control(QStringLiteral("EmitPrepareForSleep"), {start});
}

uint FakeLogind::openInhibitors()
{
    return control(QStringLiteral("OpenInhibitors")).arguments().value(0).toUInt();
}

QStringList FakeLogind::lastInhibit()
{
    return control(QStringLiteral("LastInhibit")).arguments().value(0).toStringList();
}

} // namespace tavelo::test
