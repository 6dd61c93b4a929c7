#pragma once

#include "platform/linux/DBusIdleSource.h"

namespace tavelo {

// org.freedesktop.ScreenSaver.GetSessionIdleTime. The interface was never standardised;
// the desktops that implement it (KDE's screen locker among them) answer in milliseconds,
// and KDE refuses it on Wayland, which the base class then remembers.
class FreedesktopScreenSaverIdleSource final : public DBusIdleSource {
public:
    explicit FreedesktopScreenSaverIdleSource(QDBusConnection connection = QDBusConnection::sessionBus());
};

} // namespace tavelo
