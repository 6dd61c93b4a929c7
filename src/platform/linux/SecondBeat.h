#pragma once

#include <memory>

#include "core/MainLoop.h"

namespace tavelo {

// One repeating one-second timer for every timer whose interval is whole seconds: a
// task every n seconds runs on every n-th beat, in the same wake-up as the others, so
// the engine's tick and the idle sample cost the process one wake-up, not two. The
// beat runs only while someone listens.
class SecondBeat {
public:
    SecondBeat();
    ~SecondBeat();
    SecondBeat(const SecondBeat &) = delete;
    SecondBeat &operator=(const SecondBeat &) = delete;

    // Runs `task` on every `beats`-th beat (at least 1) until the handle goes.
    TimerHandle every(int beats, MainLoop::Task task);
    // What the timer does each second; callable directly, so that the counting can be
    // checked without waiting for the clock.
    void beat();
    bool isBeating() const;

private:
    struct State;
    std::shared_ptr<State> m_state;
};

} // namespace tavelo
