#pragma once

#include <QObject>

#include "core/MainLoop.h"
#include "platform/linux/SecondBeat.h"

namespace tavelo {

// The core's main loop on Qt's event loop. Repeating timers are coarse QTimers so that
// the kernel may batch their wake-ups, and those of whole seconds up to a minute share
// one beat; `post` queues after the current event.
class QtMainLoop final : public MainLoop {
public:
    explicit QtMainLoop(QObject *context = nullptr);

    TimerHandle every(std::chrono::milliseconds interval, Task task) override;
    void post(Task task) override;
    void postAfter(std::chrono::milliseconds delay, Task task) override;

private:
    QObject *m_context;
    SecondBeat m_beat;
};

} // namespace tavelo
