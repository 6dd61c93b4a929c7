#pragma once

#include <chrono>
#include <functional>

#include "core/MainLoop.h"

namespace tavelo {

// Waits between tries of something that may never succeed: each wait doubles, from
// `first` up to `cap`, and after `tries` waits (0: no limit) there is no next one, so a
// loop built on it quietens and ends on its own.
class BackoffTimer {
public:
    BackoffTimer(MainLoop &loop, std::chrono::milliseconds first, std::chrono::milliseconds cap, int tries = 0);

    // Runs `task` after the next wait, replacing a wait under way; false, with nothing
    // scheduled, once the tries are used up.
    bool schedule(std::function<void()> task);
    // Drops a wait under way and starts again from `first`.
    void reset();
    bool isWaiting() const { return m_wait.isActive(); }
    int waitsSoFar() const { return m_waits; }

private:
    MainLoop &m_loop;
    std::chrono::milliseconds m_first;
    std::chrono::milliseconds m_cap;
    int m_tries;
    int m_waits = 0;
    std::chrono::milliseconds m_next;
    TimerHandle m_wait;
};

} // namespace tavelo
