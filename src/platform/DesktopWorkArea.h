#pragma once

#include <optional>

#include <QRect>

namespace tavelo {

// The desktop's area without panels as the window manager publishes it (X11
// _NET_WORKAREA), for where Qt's screens leave it out: Qt 6.4 gives RandR monitors
// their whole area as available. Empty where there is no such area.
std::optional<QRect> desktopWorkArea();

} // namespace tavelo
