#pragma once

#include <cstdint>

namespace tavelo {

// Whether a window of ours must be one the window manager manages and focuses before our
// windows get the keyboard: through Xwayland (GNOME Shell, Plasma, sway), the compositor
// sends keys to Xwayland only while one of its managed windows has the focus, so an
// unmanaged window's grab alone catches nothing. sway focuses such a window as it maps
// (an activation request only marks it urgent there).
bool keyboardNeedsManagedWindow();

// Asks the window manager to focus `nativeId` as a pager or the user would (X11
// _NET_ACTIVE_WINDOW, source 2), which focus-stealing prevention does not hold back.
void requestUserActivation(std::uintptr_t nativeId);

} // namespace tavelo
