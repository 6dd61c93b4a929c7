#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/BreakModels.h"
#include "core/Clock.h"
#include "core/Liveness.h"
#include "core/MainLoop.h"
#include "core/Published.h"
#include "core/Signal.h"

namespace tavelo {

// Alternates focus sessions with breaks against the wall clock, with pause, absence
// and sleep handling. Main thread only. Every published property notifies `changed`
// on each assignment; callbacks run last in the operation that causes them.
class BreakEngine {
public:
    static constexpr std::int64_t pausedReminderAfterSeconds = 3600;

    BreakEngine(const BreakSettings &settings, const Clock &clock, MainLoop &loop);
    ~BreakEngine();
    BreakEngine(const BreakEngine &) = delete;
    BreakEngine &operator=(const BreakEngine &) = delete;

    // Published state.
    TimerPhase phase() const { return m_phase; }
    std::optional<BreakType> activeBreak() const { return m_activeBreak; }
    std::int64_t remainingSeconds() const { return m_remainingSeconds; }
    bool isPaused() const { return m_isPaused; }
    std::int64_t pauseRemainingSeconds() const { return m_pauseRemainingSeconds; }
    std::int64_t completedFocusSessions() const { return m_completedFocusSessions; }
    bool isAway() const { return m_isAway; }
    std::int64_t pausedElapsedSeconds() const { return m_pausedElapsedSeconds; }
    // The full length of the current phase, stretched when a postpone made the countdown
    // longer than that; at least 1. Follows the published values.
    std::int64_t phaseLengthSeconds() const;
    // Fires on every assignment of a published property.
    Signal<> changed;

    const BreakSettings &settings() const { return m_settings; }
    BreakType nextScheduledBreakType() const;

    std::int64_t currentIdleSeconds() const { return m_currentIdleSeconds; }
    void setCurrentIdleSeconds(std::int64_t seconds) { m_currentIdleSeconds = seconds; }
    void noteIdle(std::int64_t seconds);

    std::function<void(BreakType, std::int64_t)> onBreakStarted;
    std::function<void()> onBreakFinished;
    std::function<void()> onBreakCancelled;
    std::function<void(std::int64_t)> onBreakWarning;
    std::function<void(std::int64_t)> onPausedReminder;

    void stop();
    void startBreakNow(BreakType type);
    void postpone();
    void skip();
    void resetFocusTimer();
    void updateSettings(const BreakSettings &settings);

    void pauseFor(std::int64_t seconds);
    void togglePause();
    void compensateForSleep(std::int64_t sleptSeconds);

    // Testing hooks: they move the clock's reference points, then tick.
    void advanceForTesting(std::int64_t seconds);
    void expireForTesting();
    void advancePausedClockForTesting(std::int64_t seconds);

private:
    void startTicker();
    void tick();
    void pausedTick();
    bool absenceCheckFroze();
    void beginScheduledBreak();
    void beginBreak(BreakType type);
    void transitionToFocus(std::int64_t afterSeconds, bool notifyBreakFinished);
    void pauseNow(std::optional<TimePoint> until);
    void resumeFromPause();
    void clearPauseState();
    std::int64_t breakDuration(BreakType type) const;
    std::int64_t focusSeconds() const;
    // Publishes the whole seconds left from `at` (now by default) and remembers when.
    void measureCountdown(std::optional<TimePoint> at = std::nullopt);
    // The instant the countdown is measured from: now, or while paused the moment the
    // countdown stood still.
    TimePoint countdownReference() const;
    TimePoint now() const { return m_clock.now(); }

    const Clock &m_clock;
    MainLoop &m_loop;
    Liveness m_liveness;

    Published<TimerPhase> m_phase{TimerPhase::focus, &changed};
    Published<std::optional<BreakType>> m_activeBreak{std::nullopt, &changed};
    Published<std::int64_t> m_remainingSeconds{0, &changed};
    Published<bool> m_isPaused{false, &changed};
    Published<std::int64_t> m_pauseRemainingSeconds{0, &changed};
    Published<std::int64_t> m_completedFocusSessions{0, &changed};
    Published<bool> m_isAway{false, &changed};
    Published<std::int64_t> m_pausedElapsedSeconds{0, &changed};

    BreakSettings m_settings = BreakSettings::standard;
    std::int64_t m_currentIdleSeconds = 0;
    TimerHandle m_ticker;
    TimePoint m_deadline;
    // When the published countdown was last measured against the deadline: the span since
    // then is what a freeze while away holds back, however late the tick.
    TimePoint m_countedAt;
    std::optional<TimePoint> m_pausedAt;
    std::optional<TimePoint> m_pausedUntil;
    bool m_breakWarningSent = false;
    std::int64_t m_lastPausedReminderElapsed = 0;
};

} // namespace tavelo
