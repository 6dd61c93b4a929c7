#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QTemporaryDir>

#include "platform/DesktopTools.h"

namespace {

constexpr int kLaunchWaitMs = 30000;

// The program as a user starts it, where it cannot run and where it only just can.
TEST(Startup, RefusesPlainlyWithoutADisplayAndRunsWhereItCan)
{
    const struct {
        const char *name;
        QStringList unset;
        QString set;     // NAME=value
        QString limits;  // shell commands run before the program
        QString refusal; // all it writes before it exits 1; empty when it runs
    } cases[] = {
        {"no display",
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},
         {},
         {},
         "tavelo: no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)\n"},
        {"no display, drawing off screen", {"DISPLAY", "WAYLAND_DISPLAY"}, "QT_QPA_PLATFORM=offscreen", {}, {}},
        // Its standard error is a file that cannot grow, and Qt has much to say there.
        {"no room to write", {}, "QT_LOGGING_RULES=*.debug=true", "ulimit -f 0;", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : c.unset)
            environment.remove(name);
        if (!c.set.isEmpty())
            environment.insert(c.set.section('=', 0, 0), c.set.section('=', 1));
        environment.insert("XDG_CONFIG_HOME", folder.path());
        environment.insert("XDG_DATA_HOME", folder.path());
        environment.insert("XDG_RUNTIME_DIR", folder.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setStandardErrorFile(folder.filePath("log"));
        process.start("/bin/sh",
                      {"-c", c.limits + " exec \"$0\"", qEnvironmentVariable("TAVELO_BINARY_DIR") + "/tavelo"});
        const auto log = [&] {
            QFile file(folder.filePath("log"));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };

        if (!c.refusal.isEmpty()) {
            ASSERT_TRUE(process.waitForFinished(kLaunchWaitMs));
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(process.exitCode(), 1);
            EXPECT_EQ(log().toStdString(), c.refusal.toStdString());
            continue;
        }
        // Up once it holds its name on the bus.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return QDBusConnection::sessionBus().interface()->isServiceRegistered("com.tavelo.app") ||
                       process.waitForFinished(0) || process.state() == QProcess::NotRunning;
            },
            kLaunchWaitMs));
        EXPECT_EQ(process.state(), QProcess::Running) << log().toStdString();
        process.terminate();
        process.waitForFinished(kLaunchWaitMs);
    }
}

} // namespace
