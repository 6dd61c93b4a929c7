#include "platform/linux/BackoffTimer.h"

#include <algorithm>

namespace tavelo {

BackoffTimer::BackoffTimer(MainLoop &loop, std::chrono::milliseconds first, std::chrono::milliseconds cap, int tries)
    : m_loop(loop), m_first(first), m_cap(cap), m_tries(tries), m_next(first)
{
}

bool BackoffTimer::schedule(std::function<void()> task)
{
    m_wait.cancel();
    if (m_tries > 0 && m_waits >= m_tries)
        return false;
    ++m_waits;
    const std::chrono::milliseconds delay = m_next;
    m_next = std::min(m_next * 2, m_cap);
    // A repeating timer stopped at its first firing: unlike postAfter it can be cancelled.
    m_wait = m_loop.every(delay, [this, task = std::move(task)] {
        m_wait.cancel();
        task();
    });
    return true;
}

void BackoffTimer::reset()
{
    m_wait.cancel();
    m_waits = 0;
    m_next = m_first;
}

} // namespace tavelo
