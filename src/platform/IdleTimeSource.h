#pragma once

#include <functional>
#include <optional>

namespace tavelo {

// One way of reading how long the keyboard and pointer have been idle.
class IdleTimeSource {
public:
    using Answer = std::function<void(std::optional<double>)>;

    virtual ~IdleTimeSource() = default;

    // Seconds since the last input; nullopt when this source cannot tell (now or at all).
    virtual std::optional<double> idleSeconds() = 0;

    // The same reading handed to `answer`: at once, or by a source that asks a server, from a
    // later turn of the loop, so that the periodic sample never waits for the server.
    virtual void readIdleSeconds(Answer answer) { answer(idleSeconds()); }
};

} // namespace tavelo
