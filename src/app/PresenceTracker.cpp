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
    : m_engine(engine), m_idleMonitor(idleMonitor), m_sleepWatcher(sleepWatcher), m_clock(clock), m_loop(loop)
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
    // The periodic sample takes the answer whenever the source has it; the first one, like
    // the one at wake-up, is waited for, so that the engine has it before anything else runs.
    m_idleTimer = m_loop.every(kSampleInterval, m_liveness.guard([this] {
        m_loop.post(m_liveness.guard([this] {
            m_idleMonitor.readIdleSeconds(m_liveness.guard([this](double seconds) { takeSample(seconds); }));
        }));
    }));
    sampleIdle();
}

void PresenceTracker::observeSleepWake()
{
    if (m_observingSleep)
        return;
    m_observingSleep = true;
    m_sleepWatcher.start(m_liveness.guard([this] {
        // Read the instant now: the machine may sleep as soon as this
        // returns, before the queued task gets to run.
        const TimePoint sleptAt = m_clock.now();
        m_loop.post(m_liveness.guard([this, sleptAt] { m_sleepDate = sleptAt; }));
    }),
                         m_liveness.guard([this] { m_loop.post(m_liveness.guard([this] { handleDidWake(); })); }));
}

void PresenceTracker::sampleIdle()
{
    takeSample(m_idleMonitor.idleSeconds());
}

void PresenceTracker::takeSample(double seconds)
{
    m_engine.setCurrentIdleSeconds(wholeIdleSeconds(seconds));
}

void PresenceTracker::handleDidWake()
{
    if (!m_sleepDate)
        return;
    const TimePoint sleptAt = *m_sleepDate;
    m_sleepDate.reset();
    // Given back whole, however long: the deadline is on the same wall clock, so even a
    // clock reset during the sleep leaves the countdown where it stood.
    const std::int64_t slept = std::max<std::int64_t>(timemath::truncSecondsBetween(m_clock.now(), sleptAt), 0);
    m_engine.compensateForSleep(slept);
    sampleIdle();
}

} // namespace tavelo
