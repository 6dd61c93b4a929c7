#pragma once

#include <functional>

#include "platform/TimerCommands.h"
#include "platform/TimerState.h"

namespace tavelo {

// Where the running program offers its timer to scripts and status bars.
class TimerEndpoint {
public:
    virtual ~TimerEndpoint() = default;

    // Answers other programs through `commands` and `state` from now on; false when
    // nobody could reach it (no session bus, or another instance owns the name).
    virtual bool publish(TimerCommands &commands, std::function<TimerState()> state) = 0;
    // Tells listeners about `state`, which differs from the last one in something they
    // cannot work out for themselves.
    virtual void stateChanged(const TimerState &state) = 0;
    // Stops answering through what publish() was given, before that goes away.
    virtual void withdraw() = 0;
};

} // namespace tavelo
