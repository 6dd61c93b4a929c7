#include "support/ManualMainLoop.h"

#include <algorithm>
#include <optional>

namespace tavelo::test {

TimerHandle ManualMainLoop::every(std::chrono::milliseconds interval, Task task)
{
    auto token = std::make_shared<TimerToken>();
    const auto step = std::max(interval, std::chrono::milliseconds(1));
    m_timers.push_back(std::make_shared<Timer>(Timer{token, step, m_clock.now() + step, std::move(task)}));
    return TimerHandle(token);
}

void ManualMainLoop::postAfter(std::chrono::milliseconds delay, Task task)
{
    m_delayed.push_back(Delayed{m_clock.now() + std::max(delay, std::chrono::milliseconds(0)), std::move(task)});
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
    const auto timers = m_timers;
    for (const auto &timer : timers) {
        if (timer->token->active) {
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
        std::shared_ptr<Timer> nextTimer;
        for (const auto &t : m_timers) {
            if (!nextTimer || t->next < nextTimer->next)
                nextTimer = t;
        }
        // The earliest delayed task; among equals the first posted.
        std::optional<std::size_t> nextDelayed;
        for (std::size_t i = 0; i < m_delayed.size(); ++i) {
            if (!nextDelayed || m_delayed[i].when < m_delayed[*nextDelayed].when)
                nextDelayed = i;
        }
        const bool timerDue = nextTimer && nextTimer->next <= target;
        const bool delayedDue = nextDelayed && m_delayed[*nextDelayed].when <= target;
        if (!timerDue && !delayedDue)
            break;
        if (delayedDue && (!timerDue || m_delayed[*nextDelayed].when <= nextTimer->next)) {
            Delayed item = std::move(m_delayed[*nextDelayed]);
            m_delayed.erase(m_delayed.begin() + static_cast<std::ptrdiff_t>(*nextDelayed));
            m_clock.set(std::max(m_clock.now(), item.when));
            item.task();
        } else {
            // Like a real repeating timer, one that fell behind fires once, not once per missed interval.
            m_clock.set(std::max(m_clock.now(), nextTimer->next));
            nextTimer->next = m_clock.now() + nextTimer->interval;
            nextTimer->task();
        }
        runPending();
    }
    m_clock.set(target);
    runPending();
}

std::size_t ManualMainLoop::activeTimerCount() const
{
    return static_cast<std::size_t>(
        std::count_if(m_timers.begin(), m_timers.end(), [](const auto &t) { return t->token->active; }));
}

} // namespace tavelo::test
