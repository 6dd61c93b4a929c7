#include "platform/linux/SecondBeat.h"

#include <algorithm>
#include <vector>

#include <QTimer>

namespace tavelo {

namespace {

struct Listener {
    int period = 1;
    int left = 1;
    MainLoop::Task task;
    bool cancelled = false;
};

} // namespace

struct SecondBeat::State {
    QTimer timer;
    std::vector<std::shared_ptr<Listener>> listeners;

    void beat()
    {
        // A copy: a task may cancel any listener or add one; an added one counts from the
        // next beat.
        const std::vector<std::shared_ptr<Listener>> now = listeners;
        for (const auto &listener : now) {
            if (listener->cancelled || --listener->left > 0)
                continue;
            listener->left = listener->period;
            listener->task();
        }
    }

    void remove(const std::shared_ptr<Listener> &listener)
    {
        listener->cancelled = true;
        listeners.erase(std::remove(listeners.begin(), listeners.end(), listener), listeners.end());
        if (listeners.empty())
            timer.stop();
    }
};

SecondBeat::SecondBeat() : m_state(std::make_shared<State>())
{
    // Coarse: the kernel may fold other wake-ups into it.
    m_state->timer.setTimerType(Qt::CoarseTimer);
    m_state->timer.setInterval(1000);
    QObject::connect(&m_state->timer, &QTimer::timeout, [state = m_state.get()] { state->beat(); });
}

SecondBeat::~SecondBeat() = default;

void SecondBeat::beat()
{
    m_state->beat();
}

bool SecondBeat::isBeating() const
{
    return m_state->timer.isActive();
}

TimerHandle SecondBeat::every(int beats, MainLoop::Task task)
{
    auto listener = std::make_shared<Listener>();
    listener->period = std::max(beats, 1);
    listener->left = listener->period;
    listener->task = std::move(task);
    m_state->listeners.push_back(listener);
    if (!m_state->timer.isActive())
        m_state->timer.start();

    auto token = std::make_shared<TimerToken>();
    token->onCancel = [weakState = std::weak_ptr<State>(m_state), weakListener = std::weak_ptr<Listener>(listener)] {
        const auto state = weakState.lock();
        const auto listener = weakListener.lock();
        if (state && listener)
            state->remove(listener);
    };
    return TimerHandle(token);
}

} // namespace tavelo
