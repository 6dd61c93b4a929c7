#pragma once

#include <functional>
#include <vector>

#include "platform/TimerEndpoint.h"

namespace tavelo::test {

// Keeps what was published and every state announced.
class FakeTimerEndpoint final : public TimerEndpoint {
public:
    bool publish(TimerCommands &published, std::function<TimerState()> source) override
    {
        commands = &published;
        state = std::move(source);
        return reachable;
    }
    void stateChanged(const TimerState &s) override { announced.push_back(s); }
    void withdraw() override
    {
        commands = nullptr;
        state = nullptr;
    }

    bool reachable = true;
    TimerCommands *commands = nullptr;
    std::function<TimerState()> state;
    std::vector<TimerState> announced;
};

} // namespace tavelo::test
