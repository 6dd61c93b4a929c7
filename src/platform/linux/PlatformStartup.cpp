#include "platform/PlatformStartup.h"

#include <QByteArray>
#include <QtGlobal>

namespace tavelo {

void preparePlatformBeforeApplication()
{
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const bool xwayland = !qEnvironmentVariableIsEmpty("DISPLAY");
    if (wayland && xwayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("xcb"));
}

} // namespace tavelo
