#pragma once

#include <functional>
#include <memory>
#include <variant>

#include "platform/TimerCommands.h"
#include "platform/TimerState.h"

namespace tavelo {

// The running instance's timer, seen from another process. Every call blocks, but for
// a few seconds at most.
class TimerClient : public TimerCommands {
public:
    virtual std::variant<TimerState, TimerReply> read() = 0;
    // `changed` runs whenever the instance's state changes, and when an instance starts
    // or ends; the caller runs the event loop.
    virtual void watch(std::function<void()> changed) = 0;
};

// A client on this system's session bus.
std::unique_ptr<TimerClient> connectTimerClient();

} // namespace tavelo
