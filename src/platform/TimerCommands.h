#pragma once

#include <cstdint>
#include <string>

#include "platform/TimerReply.h"

namespace tavelo {

// What other programs may ask of the timer: the panel's commands.
class TimerCommands {
public:
    virtual ~TimerCommands() = default;

    // 0 pauses without an end.
    virtual TimerReply pause(std::int64_t seconds) = 0;
    virtual TimerReply resume() = 0;
    // "micro" or "long".
    virtual TimerReply startBreak(const std::string &kind) = 0;
    virtual TimerReply skip() = 0;
    virtual TimerReply postpone() = 0;
    virtual TimerReply resetFocus() = 0;
    virtual TimerReply openPanel() = 0;
};

} // namespace tavelo
