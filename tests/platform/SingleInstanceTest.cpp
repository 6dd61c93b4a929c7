#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

QString tavelo()
{
    return qEnvironmentVariable("TAVELO_BINARY_DIR") + QStringLiteral("/tavelo");
}

bool waitFor(const std::function<bool()> &condition, int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

// Visible windows of a process, as the X server knows them.
int visibleWindowsOf(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(5000);
    return QString::fromUtf8(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size();
}

TEST(SingleInstance, SecondLaunchOpensTheFirstOnesPanelAndExits)
{
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(tavelo(), {});
    ASSERT_TRUE(first.waitForStarted(5000));
    auto *bus = QDBusConnection::sessionBus().interface();
    ASSERT_TRUE(waitFor([&] { return bus->isServiceRegistered(QStringLiteral("com.tavelo.app")).value(); }, 10000));
    const int windowsBefore = visibleWindowsOf(first.processId());

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(tavelo(), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_TRUE(waitFor([&] { return visibleWindowsOf(first.processId()) > windowsBefore; }, 5000))
        << "the first instance did not open its panel";
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(5000);
}

} // namespace
