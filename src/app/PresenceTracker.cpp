#include "app/PresenceTracker.h"

#include <algorithm>
#include <limits>

#include "app/IdleMonitor.h"
#include "core/BreakEngine.h"
#include "core/TimeMath.h"
#include "platform/SleepWatcher.h"

namespace tavelo {

PresenceTracker::PresenceTracker(BreakEngine &engine, IdleMonitor &idleMonitor, SleepWatcher &sleepWatcher,
                                 const Clock &clock, MainLoop &loop)
    : m_engine(engine), m_idleMonitor(idleMonitor), m_sleepWatcher(sleepWatcher), m_clock(clock), m_loop(loop),
      m_alive(std::make_shared<Alive>(Alive{this}))
{
}

PresenceTracker::~PresenceTracker() = default;

void PresenceTracker::start()
{
    startIdleMonitoring();
    observeSleepWake();
}

std::int64_t PresenceTracker::wholeIdleSeconds(double seconds)
{
    // !(s > 0) also catches NaN. The upper bound keeps the conversion defined.
    if (!(seconds > 0))
        return 0;
    if (seconds >= static_cast<double>(std::numeric_limits<std::int64_t>::max()))
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(seconds);
}

void PresenceTracker::startIdleMonitoring()
{
    m_idleTimer.cancel();
    std::weak_ptr<Alive> weak = m_alive;
    MainLoop &loop = m_loop;
    m_idleTimer = m_loop.every(kSampleInterval, [weak, &loop] {
        if (weak.expired())
            return;
        loop.post([weak] {
            if (auto alive = weak.lock())
                alive->tracker->sampleIdle();
        });
    });
    sampleIdle();
}

void PresenceTracker::observeSleepWake()
{
    if (m_observingSleep)
        return;
    m_observingSleep = true;
    std::weak_ptr<Alive> weak = m_alive;
    m_sleepWatcher.start(
        [weak] {
            auto alive = weak.lock();
            if (!alive)
                return;
            // Read the instant now: the machine may sleep as soon as this returns, before
            // the queued task gets to run.
            const TimePoint sleptAt = alive->tracker->m_clock.now();
            alive->tracker->m_loop.post([weak, sleptAt] {
                if (auto self = weak.lock())
                    self->tracker->m_sleepDate = sleptAt;
            });
        },
        [weak] {
            auto alive = weak.lock();
            if (!alive)
                return;
            alive->tracker->m_loop.post([weak] {
                if (auto self = weak.lock())
                    self->tracker->handleDidWake();
            });
        });
}

void PresenceTracker::sampleIdle()
{
    m_engine.setCurrentIdleSeconds(wholeIdleSeconds(m_idleMonitor.idleSeconds()));
}

void PresenceTracker::handleDidWake()
{
    if (!m_sleepDate)
        return;
    const TimePoint sleptAt = *m_sleepDate;
    m_sleepDate.reset();
    const std::int64_t slept = std::clamp<std::int64_t>(timemath::truncSecondsBetween(m_clock.now(), sleptAt), 0,
                                                        kMaxSleepCompensationSeconds);
    m_engine.compensateForSleep(slept);
    sampleIdle();
}

} // namespace tavelo
