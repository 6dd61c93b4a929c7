#include <fstream>

#include <QDir>
#include <QTemporaryDir>

#include "platform/DesktopTools.h"

using namespace tavelo;

namespace {

TEST(SingleInstance, SecondLaunchOpensTheFirstOnesPanelAndExits)
{
    // Past the first-run tour, so that only the panel can add a window.
    QTemporaryDir config;
    QDir(config.path()).mkpath("Tavelo");
    std::ofstream(config.filePath("Tavelo/Tavelo.conf").toStdString())
        << "[General]\ncom.tavelo.app.onboardingCompleted=true\n";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
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
    // Up once its tray icon is; it claims its name on the bus before that.
    ASSERT_TRUE(test::waitFor([&] { return windows() > 0; }));
    const int windowsBefore = windows();
    second.start(program);
    ASSERT_TRUE(second.waitForFinished(test::kWaitMs));
    EXPECT_TRUE(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0) << second.exitCode();
    EXPECT_TRUE(test::waitFor([&] { return windows() > windowsBefore; }))
        << "the first instance did not open its panel";
    // Polled: no wait above need have let the event loop hear how the first one is doing.
    EXPECT_TRUE(!first.waitForFinished(0) && first.state() == QProcess::Running) << "the first instance ended";
    first.terminate();
    first.waitForFinished(test::kWaitMs);
}

} // namespace
