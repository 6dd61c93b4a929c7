#pragma once

#include "platform/ColorSchemeSource.h"

namespace tavelo::test {

// The desktop's light or dark preference, switched by the test.
class FakeColorSchemeSource final : public ColorSchemeSource {
public:
    ColorScheme scheme() const override { return m_scheme; }
    void setChangeHandler(std::function<void()> onChange) override { m_onChange = std::move(onChange); }

    void set(ColorScheme scheme)
    {
        m_scheme = scheme;
        if (m_onChange)
            m_onChange();
    }

private:
    ColorScheme m_scheme = ColorScheme::noPreference;
    std::function<void()> m_onChange;
};

} // namespace tavelo::test
