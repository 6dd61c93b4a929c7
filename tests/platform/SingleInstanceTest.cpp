#include <fstream>

#include <QDir>
#include <QTemporaryDir>

#include "platform/DesktopTools.h"

using namespace tavelo;

namespace {

// Starting a program and mapping its windows can take long with busy neighbours; the
// waits end as soon as their condition holds.
constexpr int kLaunchWaitMs = 30000;

// Without a bus the first instance cannot be asked to open its panel; the second still exits.
TEST(SingleInstance, SecondLaunchOpensTheFirstOnesPanelAndExits)
{
    for (const bool bus : {true, false}) {
        SCOPED_TRACE(bus ? "session bus" : "no session bus");
        // Past the first-run tour, so that only the panel can add a window.
        QTemporaryDir folder;
        QDir(folder.path()).mkpath("Tavelo");
        std::ofstream(folder.filePath("Tavelo/Tavelo.conf").toStdString())
            << "[General]\ncom.tavelo.app.onboardingCompleted=true\n";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", folder.path());
        environment.insert("XDG_DATA_HOME", folder.path());
        environment.insert("XDG_RUNTIME_DIR", folder.path());
        if (!bus)
            environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + folder.filePath("no-bus"));
        QProcess first, second;
        first.setProcessEnvironment(environment);
        second.setProcessEnvironment(environment);
        const QString program = qEnvironmentVariable("TAVELO_BINARY_DIR") + "/tavelo";
        // Visible windows of the first instance, as the X server knows them.
        const auto windows = [&] {
            return test::xdotool({"search", "--onlyvisible", "--pid", QString::number(first.processId())})
                .split('\n', Qt::SkipEmptyParts)
                .size();
        };

        first.start(program);
        // Up once its status item is; it has claimed its single instance before that.
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows() > 0; }, kLaunchWaitMs));
        const int windowsBefore = windows();
        second.start(program);
        ASSERT_TRUE(second.waitForFinished(kLaunchWaitMs)) << "a second copy runs";
        EXPECT_TRUE(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0) << second.exitCode();
        if (bus) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return windows() > windowsBefore; }, kLaunchWaitMs))
                << "the first instance did not open its panel";
        } else {
            EXPECT_TRUE(second.readAllStandardError().contains("Tavelo is already running.\n"));
        }
        // Polled: no wait above need have let the event loop hear how the first one is doing.
        EXPECT_TRUE(!first.waitForFinished(0) && first.state() == QProcess::Running) << "the first instance ended";
        first.terminate();
        first.waitForFinished(kLaunchWaitMs);
    }
}

} // namespace
