#pragma once

#include <memory>

#include <QObject>

#include "core/MainLoop.h"
#include "platform/linux/SecondBeat.h"

namespace tavelo {

// The core's main loop on Qt's event loop. Repeating timers are coarse QTimers so that
// the kernel may batch their wake-ups, and those of whole seconds up to a minute share
// one beat; `post` queues after the current event, the tasks posted during one event
// together. What a beat's task posts (the engine's tick, the refreshes it sets off) runs
// at the end of the beat itself: the idle second costs the loop one wake-up, not several.
class QtMainLoop final : public MainLoop {
public:
    // Rounds of posts that posts set off which a beat settles itself; anything left after
    // them is queued as usual, so a task that keeps posting itself cannot hold the beat.
    static constexpr int kBeatRounds = 4;

    explicit QtMainLoop(QObject *context = nullptr);

    TimerHandle every(std::chrono::milliseconds interval, Task task) override;
    void post(Task task) override;
    void postAfter(std::chrono::milliseconds delay, Task task) override;

    // What the beat does each second; callable directly, so that tests need no clock.
    void beatNow() { m_beat.beat(); }

private:
    struct Posted;

    QObject *m_context;
    SecondBeat m_beat;
    std::shared_ptr<Posted> m_posted;
};

} // namespace tavelo
