#pragma once

#include <vector>

#include <QRect>

namespace tavelo {

// The desktop's areas without panels as the window manager publishes them (X11
// _NET_WORKAREA, one for the whole desktop; sway, one per output), for where Qt's screens
// leave them out: Qt 6.4 gives RandR monitors their whole area as available. Empty where
// there is no such area.
std::vector<QRect> desktopWorkAreas();

} // namespace tavelo
