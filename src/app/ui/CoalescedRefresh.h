#pragma once

#include <functional>

class QObject;

namespace tavelo {

// Folds a burst of change notices into one refresh on the next turn of the event loop,
// queued on `context` so that it is dropped if the context goes first.
class CoalescedRefresh {
public:
    CoalescedRefresh(QObject *context, std::function<void()> refresh);
    CoalescedRefresh(const CoalescedRefresh &) = delete;
    CoalescedRefresh &operator=(const CoalescedRefresh &) = delete;

    void request();

private:
    QObject *m_context;
    std::function<void()> m_refresh;
    bool m_pending = false;
};

} // namespace tavelo
