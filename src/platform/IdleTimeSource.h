#pragma once

#include <optional>

namespace tavelo {

// One way of reading how long the keyboard and pointer have been idle.
class IdleTimeSource {
public:
    virtual ~IdleTimeSource() = default;

    // Seconds since the last input; nullopt when this source cannot tell (now or at all).
    virtual std::optional<double> idleSeconds() = 0;
};

} // namespace tavelo
