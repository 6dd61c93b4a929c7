#pragma once

namespace tavelo {

// Settles process-wide platform choices; call before the QApplication exists.
// On a Wayland session with XWayland, and no platform chosen by the user, Tavelo runs
// through XWayland so that overlays can cover every output and stack above windows.
void preparePlatformBeforeApplication();

} // namespace tavelo
