#pragma once

#include <string>

namespace tavelo {

// How a command to the timer went, with a message for people when it did not.
struct TimerReply {
    enum class Status {
        done,
        invalidArgument, // the caller's fault: a value out of range or unknown
        notNow,          // fine in itself, but the timer's state rules it out (as the panel would)
        noInstance,      // nobody answers: Tavelo is not running
        failed,          // the bus or the instance failed to answer
    };

    Status status = Status::done;
    std::string message;

    bool ok() const { return status == Status::done; }
};

} // namespace tavelo
