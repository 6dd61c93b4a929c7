#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tavelo {

namespace detail {
struct SlotState {
    bool connected = true;
};
} // namespace detail

// Keeps one observer attached; disconnects on destruction.
class Connection {
public:
    Connection() = default;
    explicit Connection(std::weak_ptr<detail::SlotState> slot) : m_slot(std::move(slot)) {}
    Connection(Connection &&) noexcept = default;
    Connection &operator=(Connection &&other) noexcept
    {
        if (this != &other) {
            disconnect();
            m_slot = std::move(other.m_slot);
        }
        return *this;
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection() { disconnect(); }

    void disconnect()
    {
        if (auto slot = m_slot.lock())
            slot->connected = false;
        m_slot.reset();
    }
    bool connected() const
    {
        auto slot = m_slot.lock();
        return slot && slot->connected;
    }

private:
    std::weak_ptr<detail::SlotState> m_slot;
};

// A list of observers. Observers may connect or disconnect others (or themselves)
// while being notified; a slot added during emission is first called at the next notification.
template <typename... Args>
class Signal {
public:
    Signal() = default;
    Signal(const Signal &) = delete;
    Signal &operator=(const Signal &) = delete;

    [[nodiscard]] Connection connect(std::function<void(Args...)> fn)
    {
        auto slot = std::make_shared<Slot>();
        slot->fn = std::move(fn);
        prune();
        m_slots.push_back(slot);
        return Connection(std::weak_ptr<detail::SlotState>(slot));
    }

    void notify(const Args &...args) const
    {
        if (m_slots.empty())
            return;
        const auto snapshot = m_slots;
        for (const auto &slot : snapshot) {
            if (slot->connected)
                slot->fn(args...);
        }
    }

    void operator()(const Args &...args) const { notify(args...); }

    std::size_t observerCount() const
    {
        std::size_t n = 0;
        for (const auto &slot : m_slots)
            n += slot->connected ? 1 : 0;
        return n;
    }

private:
    struct Slot : detail::SlotState {
        std::function<void(Args...)> fn;
    };

    void prune()
    {
        std::erase_if(m_slots, [](const auto &slot) { return !slot->connected; });
    }

    std::vector<std::shared_ptr<Slot>> m_slots;
};

} // namespace tavelo
