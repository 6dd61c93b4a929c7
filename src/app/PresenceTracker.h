#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/Clock.h"
#include "core/Liveness.h"
#include "core/MainLoop.h"

namespace tavelo {

class BreakEngine;
class IdleMonitor;
class SleepWatcher;

// Tells the engine about the user's presence: the input-idle time, sampled every five
// seconds, and how long the machine slept, measured from the sleep and wake
// announcements. Main thread only; must not outlive the engine, monitor or watcher.
class PresenceTracker {
public:
    static constexpr std::chrono::milliseconds kSampleInterval{5000};

    PresenceTracker(BreakEngine &engine, IdleMonitor &idleMonitor, SleepWatcher &sleepWatcher, const Clock &clock,
                    MainLoop &loop);
    ~PresenceTracker();
    PresenceTracker(const PresenceTracker &) = delete;
    PresenceTracker &operator=(const PresenceTracker &) = delete;

    // Takes a first idle sample at once, starts the five-second sampling and registers for
    // sleep and wake. A second call restarts the sampling only.
    void start();

    // The idle time as the engine takes it: truncated to whole seconds, at least 0.
    static std::int64_t wholeIdleSeconds(double seconds);

    std::optional<TimePoint> sleepDateForTesting() const { return m_sleepDate; }

private:
    void startIdleMonitoring();
    void observeSleepWake();
    void sampleIdle();
    void takeSample(double seconds);
    void handleDidWake();

    BreakEngine &m_engine;
    IdleMonitor &m_idleMonitor;
    SleepWatcher &m_sleepWatcher;
    const Clock &m_clock;
    MainLoop &m_loop;
    Liveness m_liveness;
    TimerHandle m_idleTimer;
    std::optional<TimePoint> m_sleepDate;
    bool m_observingSleep = false;
};

} // namespace tavelo
