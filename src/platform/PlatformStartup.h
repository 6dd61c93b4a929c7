#pragma once

#include <optional>
#include <string>

namespace tavelo {

// Settles process-wide platform choices; call first thing in main, with its arguments,
// before the QApplication exists. Returns why the program cannot run here, if it cannot.
// On a Wayland session with XWayland, and no platform chosen by the user, Tavelo runs
// through XWayland so that overlays can cover every output and stack above windows.
std::optional<std::string> preparePlatformBeforeApplication(int argc, char **argv);

} // namespace tavelo
