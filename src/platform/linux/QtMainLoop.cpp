#include "platform/linux/QtMainLoop.h"

#include <utility>
#include <vector>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace tavelo {

struct QtMainLoop::Posted : std::enable_shared_from_this<Posted> {
    explicit Posted(QObject *context) : context(context) {}

    QObject *context;
    std::vector<Task> tasks;
    bool drainQueued = false;
    // The event loop level a beat's task runs at, while it runs; -1 otherwise. A nested
    // loop (a dialog's, say) started by the task gets what was held and queues its posts
    // as usual.
    int beatLevel = -1;

    void add(Task task)
    {
        tasks.push_back(std::move(task));
        const bool heldForBeat = beatLevel >= 0 && QThread::currentThread()->loopLevel() == beatLevel;
        if (!heldForBeat)
            queueDrain();
    }

    void queueDrain()
    {
        if (drainQueued || tasks.empty())
            return;
        drainQueued = true;
        QMetaObject::invokeMethod(
            context,
            [weak = weak_from_this()] {
                if (const auto posted = weak.lock()) {
                    posted->drainQueued = false;
                    posted->runBatch();
                }
            },
            Qt::QueuedConnection);
    }

    void runBatch()
    {
        // Tasks these post go into a fresh batch, after the current one.
        const std::vector<Task> batch = std::exchange(tasks, {});
        for (const Task &task : batch)
            task();
    }

    void runBeatTask(const Task &task)
    {
        const auto keep = shared_from_this();
        const int outer = std::exchange(beatLevel, QThread::currentThread()->loopLevel());
        task();
        for (int round = 0; round < kBeatRounds && !tasks.empty(); ++round)
            runBatch();
        beatLevel = outer;
        queueDrain();
    }
};

QtMainLoop::QtMainLoop(QObject *context)
    : m_context(context ? context : QCoreApplication::instance()), m_posted(std::make_shared<Posted>(m_context))
{
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, m_context,
                         [weak = std::weak_ptr<Posted>(m_posted)] {
                             if (const auto posted = weak.lock(); posted && posted->beatLevel >= 0)
                                 posted->queueDrain();
                         });
}

TimerHandle QtMainLoop::every(std::chrono::milliseconds interval, Task task)
{
    using std::chrono::seconds;
    if (interval >= seconds(1) && interval <= seconds(60) && interval % seconds(1) == interval.zero())
        return m_beat.every(static_cast<int>(interval / seconds(1)),
                            [weak = std::weak_ptr<Posted>(m_posted), task = std::move(task)] {
                                if (const auto posted = weak.lock())
                                    posted->runBeatTask(task);
                            });
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
    m_posted->add(std::move(task));
}

void QtMainLoop::postAfter(std::chrono::milliseconds delay, Task task)
{
    QTimer::singleShot(delay, m_context, std::move(task));
}

} // namespace tavelo
