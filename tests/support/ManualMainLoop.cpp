#include "support/ManualMainLoop.h"

#include <algorithm>
#include <utility>

namespace tavelo::test {

TimerHandle ManualMainLoop::every(std::chrono::milliseconds interval, Task task)
{
    ++m_armed;
    const auto step = std::max(interval, std::chrono::milliseconds(1));
    m_timers.push_back(
        std::make_shared<Timer>(Timer{std::make_shared<TimerToken>(), step, m_clock.now() + step, std::move(task)}));
    return TimerHandle(m_timers.back()->token);
}

void ManualMainLoop::postAfter(std::chrono::milliseconds delay, Task task)
{
    ++m_armed;
    const TimePoint when = m_clock.now() + std::max(delay, std::chrono::milliseconds(0));
    m_timers.push_back(std::make_shared<Timer>(Timer{std::make_shared<TimerToken>(), {}, when, std::move(task)}));
}

void ManualMainLoop::runPending()
{
    while (!m_posted.empty()) {
        Task task = std::move(m_posted.front());
        m_posted.pop_front();
        task();
    }
}

void ManualMainLoop::fireTimersOnce(bool runPosted)
{
    for (const auto &timer : std::vector(m_timers)) { // a copy: tasks may add timers
        if (timer->token->active && timer->repeats()) {
            timer->next = m_clock.now() + timer->interval;
            timer->task();
        }
    }
    if (runPosted)
        runPending();
}

void ManualMainLoop::advance(std::chrono::nanoseconds d)
{
    const TimePoint target = m_clock.now() + std::chrono::duration_cast<TimePoint::duration>(d);
    runPending();
    for (;;) {
        std::erase_if(m_timers, [](const auto &t) { return !t->token->active; });
        // The earliest; among equals delayed tasks before timers, then the first added.
        std::shared_ptr<Timer> next;
        for (const auto &t : m_timers) {
            if (!next || std::pair(t->next, t->repeats()) < std::pair(next->next, next->repeats()))
                next = t;
        }
        if (!next || next->next > target)
            break;
        // Like a real repeating timer, one that fell behind fires once, not once per missed interval.
        m_clock.set(std::max(m_clock.now(), next->next));
        next->next = m_clock.now() + next->interval;
        next->token->active = next->repeats();
        next->task();
        runPending();
    }
    m_clock.set(target);
    runPending();
}

std::size_t ManualMainLoop::activeTimerCount() const
{
    return std::ranges::count_if(m_timers, [](auto &t) { return t->token->active && t->repeats(); });
}

} // namespace tavelo::test
