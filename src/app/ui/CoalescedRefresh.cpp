#include "app/ui/CoalescedRefresh.h"

#include <utility>

#include <QMetaObject>
#include <QObject>

namespace tavelo {

CoalescedRefresh::CoalescedRefresh(QObject *context, std::function<void()> refresh)
    : m_context(context), m_refresh(std::move(refresh))
{
}

void CoalescedRefresh::request()
{
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(
        m_context,
        [this] {
            m_pending = false;
            m_refresh();
        },
        Qt::QueuedConnection);
}

} // namespace tavelo
