#pragma once

#include "platform/WindowList.h"

namespace tavelo::test {

// A window list the test fills in; `windows` nullopt plays an unavailable list.
class FakeWindowList final : public WindowList {
public:
    std::optional<std::vector<WindowBounds>> windows = std::vector<WindowBounds>{};
    mutable int calls = 0;

    std::optional<std::vector<WindowBounds>> onScreenWindows() const override
    {
        ++calls;
        return windows;
    }
};

} // namespace tavelo::test
