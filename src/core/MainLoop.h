#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace tavelo {

// Shared between a repeating timer and its handle. The loop runs the task only while
// `active`; `onCancel` lets a loop release its own resources (a QTimer, say) at once.
struct TimerToken {
    bool active = true;
    std::function<void()> onCancel;
    void cancel();
};

// Owns a repeating timer: destroying or resetting the handle cancels it.
class TimerHandle {
public:
    TimerHandle() = default;
    explicit TimerHandle(std::shared_ptr<TimerToken> token) : m_token(std::move(token)) {}
    TimerHandle(TimerHandle &&other) noexcept = default;
    TimerHandle &operator=(TimerHandle &&other) noexcept;
    TimerHandle(const TimerHandle &) = delete;
    TimerHandle &operator=(const TimerHandle &) = delete;
    ~TimerHandle() { cancel(); }

    void cancel();
    bool isActive() const { return m_token && m_token->active; }

private:
    std::shared_ptr<TimerToken> m_token;
};

// The main thread's event loop, as far as the core needs it.
class MainLoop {
public:
    using Task = std::function<void()>;
    virtual ~MainLoop() = default;

    // Runs `task` every `interval` until the returned handle is destroyed.
    virtual TimerHandle every(std::chrono::milliseconds interval, Task task) = 0;
    // Runs `task` on the main thread after the current event.
    virtual void post(Task task) = 0;
    // Runs `task` on the main thread once `delay` has passed.
    virtual void postAfter(std::chrono::milliseconds delay, Task task) = 0;
};

} // namespace tavelo
