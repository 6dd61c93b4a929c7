#include "platform/PlatformStartup.h"

#include <algorithm>
#include <csignal>

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

namespace tavelo {

namespace {

// The platform plug-ins Qt will try, in order: those of -platform, else of
// QT_QPA_PLATFORM; none named means Qt's default.
QStringList requestedPlatforms(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            return QString::fromLocal8Bit(argv[i + 1]).split(';', Qt::SkipEmptyParts);
    }
    return qEnvironmentVariable("QT_QPA_PLATFORM").split(';', Qt::SkipEmptyParts);
}

// Qt aborts when none of the plug-ins it tries can start; those that draw off screen
// need no display.
bool needsDisplay(const QStringList &platforms)
{
    return std::all_of(platforms.begin(), platforms.end(), [](const QString &platform) {
        const QString name = platform.section(':', 0, 0).trimmed();
        return name.startsWith("xcb") || name.startsWith("wayland");
    });
}

} // namespace

std::optional<std::string> preparePlatformBeforeApplication(int argc, char **argv)
{
    // Past a file size limit a write fails with EFBIG, reported like any other failed
    // write, instead of the signal ending the program. Caught rather than ignored, so
    // that every program started from here gets the default back at exec.
    struct sigaction onFileSizeLimit = {};
    onFileSizeLimit.sa_handler = [](int) {};
    sigemptyset(&onFileSizeLimit.sa_mask);
    ::sigaction(SIGXFSZ, &onFileSizeLimit, nullptr);

    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const QStringList platforms = requestedPlatforms(argc, argv);
    if (!wayland && !x11 && needsDisplay(platforms)) {
        return QCoreApplication::translate("tavelo::PlatformStartup",
                                           "no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)")
            .toStdString();
    }
    if (wayland && x11 && platforms.isEmpty())
        qputenv("QT_QPA_PLATFORM", QByteArray("xcb"));
    return std::nullopt;
}

} // namespace tavelo
