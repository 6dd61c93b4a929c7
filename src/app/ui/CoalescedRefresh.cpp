#include "app/ui/CoalescedRefresh.h"

#include <utility>

namespace tavelo {

CoalescedRefresh::CoalescedRefresh(MainLoop &loop, std::function<void()> refresh)
    : m_loop(loop), m_refresh(std::move(refresh))
{
}

void CoalescedRefresh::request()
{
    if (m_pending)
        return;
    m_pending = true;
    m_loop.post(m_liveness.guard([this] {
        m_pending = false;
        m_refresh();
    }));
}

} // namespace tavelo
