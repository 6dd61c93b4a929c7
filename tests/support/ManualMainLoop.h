#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <vector>

#include "core/MainLoop.h"
#include "support/ManualClock.h"

namespace tavelo::test {

// A main loop driven by the test: `advance` moves the manual clock and runs every
// timer and delayed task that falls due on the way, in time order, draining posted
// tasks after each one. Nothing runs on its own.
class ManualMainLoop final : public MainLoop {
public:
    explicit ManualMainLoop(ManualClock &clock) : m_clock(clock) {}

    TimerHandle every(std::chrono::milliseconds interval, Task task) override;
    void post(Task task) override { m_posted.push_back(std::move(task)); }
    void postAfter(std::chrono::milliseconds delay, Task task) override;

    // Runs posted tasks (and those they post) until none is left.
    void runPending();
    // Moves time forward by `d`, firing what falls due on the way.
    void advance(std::chrono::nanoseconds d);
    // Fires every live repeating timer once, without moving time (each next fires one
    // interval from now), then drains posted tasks unless told not to.
    void fireTimersOnce(bool runPosted = true);

    std::size_t activeTimerCount() const;
    // How many timers and delayed tasks have been set up so far: the wake-ups asked for.
    std::size_t armedCount() const { return m_armed; }

private:
    // A repeating timer, or a delayed task (no interval) that runs once.
    struct Timer {
        std::shared_ptr<TimerToken> token;
        std::chrono::milliseconds interval;
        TimePoint next;
        Task task;
        bool repeats() const { return interval.count() > 0; }
    };

    ManualClock &m_clock;
    std::vector<std::shared_ptr<Timer>> m_timers; // in the order added
    std::deque<Task> m_posted;
    std::size_t m_armed = 0;
};

} // namespace tavelo::test
