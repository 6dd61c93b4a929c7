#include "platform/linux/QtMainLoop.h"

#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace tavelo {

struct QtMainLoop::Posted {
    std::vector<Task> tasks;
    bool drainQueued = false;

    void drain()
    {
        drainQueued = false;
        // Tasks these post go into a fresh batch, after the current event as before.
        const std::vector<Task> batch = std::exchange(tasks, {});
        for (const Task &task : batch)
            task();
    }
};

QtMainLoop::QtMainLoop(QObject *context)
    : m_context(context ? context : QCoreApplication::instance()), m_posted(std::make_shared<Posted>())
{
}

TimerHandle QtMainLoop::every(std::chrono::milliseconds interval, Task task)
{
    using std::chrono::seconds;
    if (interval >= seconds(1) && interval <= seconds(60) && interval % seconds(1) == interval.zero())
        return m_beat.every(static_cast<int>(interval / seconds(1)), std::move(task));
    auto token = std::make_shared<TimerToken>();
    auto *timer = new QTimer(m_context);
    timer->setTimerType(interval >= std::chrono::seconds(1) ? Qt::CoarseTimer : Qt::PreciseTimer);
    timer->setInterval(interval);
    std::weak_ptr<TimerToken> weak = token;
    QObject::connect(timer, &QTimer::timeout, timer, [weak, task = std::move(task)] {
        if (auto t = weak.lock(); t && t->active)
            task();
    });
    QPointer<QTimer> guard(timer);
    token->onCancel = [guard] {
        if (guard) {
            guard->stop();
            guard->deleteLater();
        }
    };
    timer->start();
    return TimerHandle(token);
}

void QtMainLoop::post(Task task)
{
    m_posted->tasks.push_back(std::move(task));
    if (m_posted->drainQueued)
        return;
    m_posted->drainQueued = true;
    QMetaObject::invokeMethod(
        m_context,
        [weak = std::weak_ptr<Posted>(m_posted)] {
            if (const auto posted = weak.lock())
                posted->drain();
        },
        Qt::QueuedConnection);
}

void QtMainLoop::postAfter(std::chrono::milliseconds delay, Task task)
{
    QTimer::singleShot(delay, m_context, std::move(task));
}

} // namespace tavelo
