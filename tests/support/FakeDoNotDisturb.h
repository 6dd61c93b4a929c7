#pragma once

#include "platform/DoNotDisturb.h"

namespace tavelo::test {

// Do Not Disturb as the test sets `on`; nothing here listens for changes.
struct FakeDoNotDisturb final : DoNotDisturb {
    bool isOn() const override { return on; }
    void setChangeHandler(std::function<void()>) override {}

    bool on = false;
};

} // namespace tavelo::test
