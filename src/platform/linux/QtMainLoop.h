#pragma once

#include <memory>

#include <QObject>

#include "core/MainLoop.h"
#include "platform/linux/SecondBeat.h"

namespace tavelo {

// The core's main loop on Qt's event loop. Repeating timers are coarse QTimers so that
// the kernel may batch their wake-ups, and those of whole seconds up to a minute share
// one beat; `post` queues after the current event, the tasks posted during one event
// together, so that a tick and what it sets off cost one wake-up of the loop, not several.
class QtMainLoop final : public MainLoop {
public:
    explicit QtMainLoop(QObject *context = nullptr);

    TimerHandle every(std::chrono::milliseconds interval, Task task) override;
    void post(Task task) override;
    void postAfter(std::chrono::milliseconds delay, Task task) override;

private:
    struct Posted;

    QObject *m_context;
    SecondBeat m_beat;
    std::shared_ptr<Posted> m_posted;
};

} // namespace tavelo
