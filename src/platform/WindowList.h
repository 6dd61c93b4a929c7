#pragma once

#include <optional>
#include <vector>

namespace tavelo {

// Position and size of an on-screen window, in the windowing system's root coordinates.
struct WindowBounds {
    double x, y, width, height;
};

// The windows other programs have on screen, for telling whether something already
// fills a display (a full-screen video, a shared screen).
class WindowList {
public:
    virtual ~WindowList() = default;
    // nullopt when the list is unavailable.
    virtual std::optional<std::vector<WindowBounds>> onScreenWindows() const = 0;
};

} // namespace tavelo
