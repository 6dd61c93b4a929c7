#pragma once

#include <functional>
#include <utility>

#include "platform/DoNotDisturb.h"

namespace tavelo::test {

// Do Not Disturb as the test sets it: `on` quietly, `set()` as the desktop announces it.
struct FakeDoNotDisturb final : DoNotDisturb {
    bool isOn() const override { return on; }
    void setChangeHandler(std::function<void()> handler) override { onChange = std::move(handler); }
    void set(bool value)
    {
        on = value;
        if (onChange)
            onChange();
    }

    bool on = false;
    std::function<void()> onChange;
};

} // namespace tavelo::test
