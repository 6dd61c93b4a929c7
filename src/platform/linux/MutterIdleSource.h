#pragma once

#include "platform/linux/DBusIdleSource.h"

namespace tavelo {

// GNOME's idle monitor (org.gnome.Mutter.IdleMonitor.GetIdletime, milliseconds), which
// also sees input on Wayland sessions.
class MutterIdleSource final : public DBusIdleSource {
public:
    explicit MutterIdleSource(QDBusConnection connection = QDBusConnection::sessionBus());
};

} // namespace tavelo
