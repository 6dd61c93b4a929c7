#pragma once

#include <functional>

#include "core/Liveness.h"
#include "core/MainLoop.h"

namespace tavelo {

// Folds a burst of change notices into one refresh after the current event, in the same
// batch as the loop's other posted tasks; dropped if this goes first.
class CoalescedRefresh {
public:
    CoalescedRefresh(MainLoop &loop, std::function<void()> refresh);
    CoalescedRefresh(const CoalescedRefresh &) = delete;
    CoalescedRefresh &operator=(const CoalescedRefresh &) = delete;

    void request();

private:
    MainLoop &m_loop;
    std::function<void()> m_refresh;
    bool m_pending = false;
    Liveness m_liveness;
};

} // namespace tavelo
