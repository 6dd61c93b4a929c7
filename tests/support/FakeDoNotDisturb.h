#pragma once

#include <functional>

#include "platform/DoNotDisturb.h"

namespace tavelo::test {

// Do Not Disturb as the test sets it with `set`.
class FakeDoNotDisturb final : public DoNotDisturb {
public:
    bool isOn() const override { return m_on; }
    void setChangeHandler(std::function<void()> onChange) override { m_onChange = std::move(onChange); }

    void set(bool on)
    {
        const bool changed = on != m_on;
        m_on = on;
        if (changed && m_onChange)
            m_onChange();
    }

private:
    bool m_on = false;
    std::function<void()> m_onChange;
};

} // namespace tavelo::test
