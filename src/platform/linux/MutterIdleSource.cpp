#include "platform/linux/MutterIdleSource.h"

namespace tavelo {

MutterIdleSource::MutterIdleSource(QDBusConnection connection)
    : DBusIdleSource(std::move(connection),
                     Endpoint{QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                              QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                              QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("GetIdletime")})
{
}

} // namespace tavelo
