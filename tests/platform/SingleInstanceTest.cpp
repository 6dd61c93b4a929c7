#include <fstream>

#include <QDir>
#include <QTemporaryDir>

#include "platform/DesktopTools.h"

using namespace tavelo;

namespace {

// Starting a program and mapping its windows can take long with busy neighbours; the
// waits end as soon as their condition holds.
constexpr int kLaunchWaitMs = 30000;

// Two launches of the program, past the first-run tour so that only the panel can add a
// window, with private configuration and runtime folders.
class SingleInstance : public ::testing::Test {
protected:
    SingleInstance()
    {
        QDir(folder.path()).mkpath("Tavelo");
        std::ofstream(folder.filePath("Tavelo/Tavelo.conf").toStdString())
            << "[General]\ncom.tavelo.app.onboardingCompleted=true\n";
        environment.insert("XDG_CONFIG_HOME", folder.path());
        environment.insert("XDG_RUNTIME_DIR", folder.path());
    }
    ~SingleInstance() override
    {
        first.terminate();
        first.waitForFinished(kLaunchWaitMs);
    }
    void start(QProcess &process)
    {
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("TAVELO_BINARY_DIR") + "/tavelo");
    }
    // Visible windows of the first instance, as the X server knows them.
    int windows()
    {
        return test::xdotool({"search", "--onlyvisible", "--pid", QString::number(first.processId())})
            .split('\n', Qt::SkipEmptyParts)
            .size();
    }
    // Up once its status item is; it has claimed its single instance before that.
    bool startFirst()
    {
        start(first);
        return QTest::qWaitFor([&] { return windows() > 0; }, kLaunchWaitMs);
    }
    bool firstStillRuns()
    {
        // Polled: no wait need have let the event loop hear how the first one is doing.
        return !first.waitForFinished(0) && first.state() == QProcess::Running;
    }

    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess first, second;
};

TEST_F(SingleInstance, SecondLaunchOpensTheFirstOnesPanelAndExits)
{
    ASSERT_TRUE(startFirst());
    const int windowsBefore = windows();
    start(second);
    ASSERT_TRUE(second.waitForFinished(kLaunchWaitMs));
    EXPECT_TRUE(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0) << second.exitCode();
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows() > windowsBefore; }, kLaunchWaitMs))
        << "the first instance did not open its panel";
    EXPECT_TRUE(firstStillRuns()) << "the first instance ended";
}

TEST_F(SingleInstance, WithoutABusTheSecondLaunchSaysSoAndExits)
{
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + folder.filePath("no-bus"));
    ASSERT_TRUE(startFirst());
    start(second);
    ASSERT_TRUE(second.waitForFinished(kLaunchWaitMs)) << "a second copy runs";
    EXPECT_TRUE(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0) << second.exitCode();
    EXPECT_TRUE(second.readAllStandardError().contains("Tavelo is already running.\n"));
    EXPECT_TRUE(firstStillRuns()) << "the first instance ended";
}

} // namespace
