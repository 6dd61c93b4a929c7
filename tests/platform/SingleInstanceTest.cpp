#include <QDir>
#include <QTemporaryDir>

#include "platform/DesktopTools.h"

namespace {

// Visible windows of a process, as the X server knows them.
int visibleWindowsOf(const QProcess &process)
{
    const QString found =
        tavelo::test::run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(process.processId())});
    return found.split('\n', Qt::SkipEmptyParts).size();
}

TEST(SingleInstance, SecondLaunchOpensTheFirstOnesPanelAndExits)
{
    // Past the first-run tour, so that only the panel can add a window.
    QTemporaryDir config;
    QDir(config.path()).mkpath("Tavelo");
    QFile defaults(config.filePath("Tavelo/Tavelo.conf"));
    ASSERT_TRUE(defaults.open(QIODevice::WriteOnly));
    defaults.write("[General]\ncom.tavelo.app.onboardingCompleted=true\n");
    defaults.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    QProcess first, second;
    for (QProcess *p : {&first, &second}) {
        p->setProcessEnvironment(environment);
        p->setProgram(qEnvironmentVariable("TAVELO_BINARY_DIR") + "/tavelo");
    }

    first.start();
    // Up once its tray icon is; it claims its name on the bus before that.
    ASSERT_TRUE(tavelo::test::waitFor([&] { return visibleWindowsOf(first) > 0; }));
    const int windowsBefore = visibleWindowsOf(first);
    second.start();
    ASSERT_TRUE(second.waitForFinished(tavelo::test::kWaitMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(tavelo::test::waitFor([&] { return visibleWindowsOf(first) > windowsBefore; }))
        << "the first instance did not open its panel";
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(tavelo::test::kWaitMs);
}

} // namespace
