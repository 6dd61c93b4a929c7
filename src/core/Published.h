#pragma once

#include <functional>
#include <utility>

#include "core/Signal.h"

namespace tavelo {

// A value that notifies its observers on every assignment, also when the value is
// unchanged. `anyChanged`, when given, is the owner's "something changed" signal.
template <typename T>
class Published {
public:
    explicit Published(T initial, const Signal<> *anyChanged = nullptr)
        : m_value(std::move(initial)), m_anyChanged(anyChanged)
    {
    }
    Published(const Published &) = delete;
    Published &operator=(const Published &) = delete;

    const T &get() const { return m_value; }
    operator const T &() const { return m_value; }

    void set(T value)
    {
        m_value = std::move(value);
        m_changed.notify(m_value);
        if (m_anyChanged)
            m_anyChanged->notify();
    }
    Published &operator=(T value)
    {
        set(std::move(value));
        return *this;
    }

    [[nodiscard]] Connection observe(std::function<void(const T &)> fn) { return m_changed.connect(std::move(fn)); }

private:
    T m_value;
    Signal<const T &> m_changed;
    const Signal<> *m_anyChanged;
};

} // namespace tavelo
