#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString tavelo()
{
    return qEnvironmentVariable("TAVELO_BINARY_DIR") + QStringLiteral("/tavelo");
}

// Generous: a loaded machine may take many seconds to start the program.
constexpr int kWaitMs = 30000;

// Visible windows of a process, as the X server knows them.
int visibleWindowsOf(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(kWaitMs);
    return QString::fromUtf8(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size();
}

TEST(SingleInstance, SecondLaunchOpensTheFirstOnesPanelAndExits)
{
    QTemporaryDir config;
    // Past the first-run tour, so that only the panel can add a window.
    QDir(config.path()).mkpath(QStringLiteral("Tavelo"));
    QFile defaults(config.filePath(QStringLiteral("Tavelo/Tavelo.conf")));
    ASSERT_TRUE(defaults.open(QIODevice::WriteOnly));
    defaults.write("[General]\ncom.tavelo.app.onboardingCompleted=true\n");
    defaults.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(tavelo(), {});
    ASSERT_TRUE(first.waitForStarted(kWaitMs));
    auto *bus = QDBusConnection::sessionBus().interface();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return bus->isServiceRegistered(QStringLiteral("com.tavelo.app")).value(); }, kWaitMs));
    // Up once its tray icon is.
    ASSERT_TRUE(QTest::qWaitFor([&] { return visibleWindowsOf(first.processId()) > 0; }, kWaitMs));
    const int windowsBefore = visibleWindowsOf(first.processId());

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(tavelo(), {});
    ASSERT_TRUE(second.waitForFinished(kWaitMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_TRUE(QTest::qWaitFor([&] { return visibleWindowsOf(first.processId()) > windowsBefore; }, kWaitMs))
        << "the first instance did not open its panel";
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(kWaitMs);
}

} // namespace
