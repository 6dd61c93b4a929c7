#pragma once

#include "platform/WindowList.h"

namespace tavelo {

// The viewable top-level windows of an X11 display, as the window manager frames them.
// The program's own windows and desktop-type windows (background, icons) are left out:
// they span a display by construction and are not content the user is watching.
// Off X11 (a native Wayland session) the list is empty.
class X11WindowList final : public WindowList {
public:
    std::optional<std::vector<WindowBounds>> onScreenWindows() const override;
};

} // namespace tavelo
