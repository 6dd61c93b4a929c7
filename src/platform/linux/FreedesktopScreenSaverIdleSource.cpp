#include "platform/linux/FreedesktopScreenSaverIdleSource.h"

namespace tavelo {

FreedesktopScreenSaverIdleSource::FreedesktopScreenSaverIdleSource(QDBusConnection connection)
    : DBusIdleSource(std::move(connection),
                     Endpoint{QStringLiteral("org.freedesktop.ScreenSaver"),
                              QStringLiteral("/org/freedesktop/ScreenSaver"),
                              QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("GetSessionIdleTime")})
{
}

} // namespace tavelo
