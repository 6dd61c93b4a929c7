#include "platform/linux/QtMainLoop.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace tavelo {

QtMainLoop::QtMainLoop(QObject *context) : m_context(context ? context : QCoreApplication::instance()) {}

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
    QMetaObject::invokeMethod(m_context, std::move(task), Qt::QueuedConnection);
}

void QtMainLoop::postAfter(std::chrono::milliseconds delay, Task task)
{
    QTimer::singleShot(delay, m_context, std::move(task));
}

} // namespace tavelo
