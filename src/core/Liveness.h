#pragma once

#include <memory>
#include <utility>

namespace tavelo {

// A token an object holds so that callbacks it hands out (to timers, queued tasks,
// services) turn into no-ops once it is gone, instead of reaching a dead object.
class Liveness {
public:
    // Tells whether the owner still lives, for code that must check after a call that
    // might have ended it.
    class Watch {
    public:
        explicit Watch(std::weak_ptr<const bool> token) : m_token(std::move(token)) {}
        bool alive() const { return !m_token.expired(); }

    private:
        std::weak_ptr<const bool> m_token;
    };

    Liveness() = default;
    Liveness(const Liveness &) = delete;
    Liveness &operator=(const Liveness &) = delete;

    // `fn` wrapped so that it runs only while the owner lives; the result takes the
    // same arguments and returns nothing.
    template <typename Fn> auto guard(Fn fn) const
    {
        return [token = std::weak_ptr<const bool>(m_token), fn = std::move(fn)](auto &&...args) {
            if (!token.expired())
                fn(std::forward<decltype(args)>(args)...);
        };
    }

    Watch watch() const { return Watch(m_token); }

    // Ends the owner's life early, for a destructor that must silence its callbacks
    // before it tears down its members.
    void end() { m_token.reset(); }

private:
    std::shared_ptr<const bool> m_token = std::make_shared<const bool>(true);
};

} // namespace tavelo
