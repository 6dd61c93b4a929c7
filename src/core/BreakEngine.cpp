#include "core/BreakEngine.h"

#include <algorithm>

#include "core/TimeMath.h"

namespace tavelo {

using namespace timemath;

namespace {
// Fires a callback only if set; copies it first so that the callback may replace itself.
// (Not named invoke: argument-dependent lookup would pick std::invoke for std::function.)
template <typename Fn, typename... Args> void notify(const Fn &callback, Args... args)
{
    if (callback) {
        auto copy = callback;
        copy(args...);
    }
}
} // namespace

BreakEngine::BreakEngine(const BreakSettings &settings, const Clock &clock, MainLoop &loop)
    : m_clock(clock), m_loop(loop), m_deadline(clampInstant(clock.now())), m_countedAt(m_deadline)
{
    m_settings = settings.sanitized();
    transitionToFocus(focusSeconds(), false);
    startTicker();
}

BreakEngine::~BreakEngine()
{
    m_liveness.end();
}

std::int64_t BreakEngine::phaseLengthSeconds() const
{
    std::int64_t length = 0;
    if (m_phase == TimerPhase::focus)
        length = focusSeconds();
    else if (const std::optional<BreakType> running = m_activeBreak)
        length = breakDuration(*running);
    return std::max<std::int64_t>({length, m_remainingSeconds, 1});
}

BreakType BreakEngine::nextScheduledBreakType() const
{
    const std::int64_t n = saturatingAdd(m_completedFocusSessions, 1);
    return n % m_settings.longBreakEvery == 0 ? BreakType::long_ : BreakType::micro;
}

void BreakEngine::noteIdle(std::int64_t seconds)
{
    m_currentIdleSeconds = std::max<std::int64_t>(seconds, 0);
}

std::int64_t BreakEngine::breakDuration(BreakType type) const
{
    return type == BreakType::long_ ? minutesToPhaseSeconds(m_settings.longBreakMinutes)
                                    : capPhaseSeconds(m_settings.shortBreakSeconds);
}

std::int64_t BreakEngine::focusSeconds() const
{
    return minutesToPhaseSeconds(m_settings.focusMinutes);
}

void BreakEngine::measureCountdown(std::optional<TimePoint> at)
{
    m_countedAt = at.value_or(now());
    m_remainingSeconds = std::max<std::int64_t>(ceilSecondsBetween(m_deadline, m_countedAt), 0);
}

TimePoint BreakEngine::countdownReference() const
{
    const TimePoint t = now();
    if (m_isPaused && m_pausedAt)
        return std::min(*m_pausedAt, t);
    return t;
}

void BreakEngine::startTicker()
{
    m_ticker.cancel();
    MainLoop *loop = &m_loop;
    m_ticker = m_loop.every(std::chrono::seconds(1),
                            [loop, tick = m_liveness.guard([this] { this->tick(); })] { loop->post(tick); });
    tick();
}

void BreakEngine::stop()
{
    m_ticker.cancel();
}

void BreakEngine::tick()
{
    if (m_isPaused) {
        pausedTick();
        return;
    }
    if (absenceCheckFroze())
        return;

    measureCountdown();

    // A warning nobody hears is not spent: the first tick runs before the owner has wired
    // its callbacks, and a lead as long as the focus would otherwise never be announced.
    if (m_phase == TimerPhase::focus && !m_breakWarningSent && onBreakWarning &&
        m_settings.preBreakWarningSeconds >= 1 && m_settings.preBreakWarningSeconds >= m_remainingSeconds) {
        m_breakWarningSent = true;
        notify(onBreakWarning, m_settings.preBreakWarningSeconds);
        // A handler that paused keeps its pause: the break waits for the resume.
        if (m_isPaused)
            return;
    }

    if (m_remainingSeconds != 0)
        return;
    if (m_phase == TimerPhase::breakTime)
        transitionToFocus(focusSeconds(), true);
    else
        beginScheduledBreak();
}

void BreakEngine::pausedTick()
{
    m_isAway = false;
    const TimePoint t = now();
    if (m_pausedAt) {
        m_pausedElapsedSeconds = std::max<std::int64_t>(truncSecondsBetween(t, *m_pausedAt), 0);
        if (m_pausedElapsedSeconds >= pausedReminderAfterSeconds &&
            m_pausedElapsedSeconds - m_lastPausedReminderElapsed >= pausedReminderAfterSeconds) {
            m_lastPausedReminderElapsed = m_pausedElapsedSeconds;
            notify(onPausedReminder, m_pausedElapsedSeconds.get());
            // The reminder may have resumed or restarted the pause.
            if (!m_isPaused)
                return;
        }
    }
    if (!m_pausedUntil)
        return;
    const std::int64_t left = ceilSecondsBetween(*m_pausedUntil, now());
    if (left >= 1)
        m_pauseRemainingSeconds = left;
    else
        resumeFromPause();
}

bool BreakEngine::absenceCheckFroze()
{
    const std::int64_t threshold = m_settings.idleThresholdSeconds;
    if (threshold >= 1 && m_currentIdleSeconds >= threshold) {
        m_isAway = true;
        if (m_phase == TimerPhase::focus) {
            // Held at the last count whatever the spacing of the ticks, so a late tick
            // (or a clock set back) neither takes nor gives focus time.
            m_deadline = addNanos(m_deadline, nanosBetween(now(), m_countedAt));
            measureCountdown();
            return true;
        }
        return false;
    }
    m_isAway = false;
    return false;
}

void BreakEngine::beginScheduledBreak()
{
    const BreakType type = nextScheduledBreakType();
    m_completedFocusSessions = saturatingAdd(m_completedFocusSessions, 1);
    beginBreak(type);
}

void BreakEngine::beginBreak(BreakType type)
{
    clearPauseState();
    m_phase = TimerPhase::breakTime;
    m_activeBreak = type;
    const std::int64_t duration = breakDuration(type);
    const TimePoint t = now();
    m_deadline = addSeconds(t, duration);
    measureCountdown(t);
    notify(onBreakStarted, type, duration);
}

void BreakEngine::startBreakNow(BreakType type)
{
    beginBreak(type);
}

void BreakEngine::transitionToFocus(std::int64_t afterSeconds, bool notifyBreakFinished)
{
    clearPauseState();
    const bool wasBreak = m_phase == TimerPhase::breakTime;
    m_phase = TimerPhase::focus;
    m_activeBreak = std::nullopt;
    const std::int64_t length = std::max<std::int64_t>(capPhaseSeconds(afterSeconds), 1);
    const TimePoint t = now();
    m_deadline = addSeconds(t, length);
    measureCountdown(t);
    m_breakWarningSent = false;
    if (notifyBreakFinished)
        notify(onBreakFinished);
    else if (wasBreak)
        notify(onBreakCancelled);
}

void BreakEngine::postpone()
{
    const std::int64_t p = std::max<std::int64_t>(minutesToPhaseSeconds(m_settings.postponeMinutes), 1);
    if (m_phase == TimerPhase::breakTime) {
        transitionToFocus(p, false);
        return;
    }
    const TimePoint t = countdownReference();
    m_deadline = addSeconds(m_deadline, p);
    if (nanosBetween(m_deadline, t) < kNanosPerSecond)
        m_deadline = addSeconds(t, p);
    measureCountdown(t);
}

void BreakEngine::skip()
{
    if (m_phase == TimerPhase::focus)
        m_completedFocusSessions = saturatingAdd(m_completedFocusSessions, 1);
    transitionToFocus(focusSeconds(), false);
}

void BreakEngine::resetFocusTimer()
{
    m_phase = TimerPhase::focus;
    m_activeBreak = std::nullopt;
    transitionToFocus(focusSeconds(), false);
}

void BreakEngine::updateSettings(const BreakSettings &settings)
{
    m_settings = settings.sanitized();
    if (m_phase == TimerPhase::breakTime) {
        const std::optional<BreakType> running = m_activeBreak;
        if (!running)
            return;
        const std::int64_t d = breakDuration(*running);
        if (d < m_remainingSeconds) {
            const TimePoint t = countdownReference();
            m_deadline = addSeconds(t, d);
            measureCountdown(t);
        }
        return;
    }
    const std::int64_t f = std::max<std::int64_t>(focusSeconds(), 1);
    if (f < m_remainingSeconds) {
        const TimePoint t = countdownReference();
        m_deadline = addSeconds(t, f);
        measureCountdown(t);
    }
    if (m_settings.preBreakWarningSeconds < m_remainingSeconds)
        m_breakWarningSent = false;
}

void BreakEngine::pauseNow(std::optional<TimePoint> until)
{
    const TimePoint t = now();
    m_isPaused = true;
    m_pausedAt = clampInstant(t);
    // A pause started afresh counts its hours afresh.
    m_lastPausedReminderElapsed = 0;
    m_pausedUntil = until;
    m_pauseRemainingSeconds = until ? std::max<std::int64_t>(ceilSecondsBetween(*until, t), 1) : 0;
}

void BreakEngine::pauseFor(std::int64_t seconds)
{
    const std::int64_t length = std::max<std::int64_t>(capPhaseSeconds(seconds), 1);
    pauseNow(addSeconds(now(), length));
}

void BreakEngine::togglePause()
{
    if (m_isPaused)
        resumeFromPause();
    else
        pauseNow(std::nullopt);
}

void BreakEngine::resumeFromPause()
{
    if (!m_pausedAt) {
        m_isPaused = false;
        return;
    }
    const std::int64_t pausedNanos = nanosBetween(now(), *m_pausedAt);
    if (pausedNanos > 0)
        m_deadline = addNanos(m_deadline, pausedNanos);
    clearPauseState();
    measureCountdown();
}

void BreakEngine::clearPauseState()
{
    m_pausedAt.reset();
    m_pausedUntil.reset();
    m_pauseRemainingSeconds = 0;
    m_pausedElapsedSeconds = 0;
    m_lastPausedReminderElapsed = 0;
    m_isPaused = false;
}

void BreakEngine::compensateForSleep(std::int64_t sleptSeconds)
{
    if (sleptSeconds < 1)
        return;
    const std::int64_t s = capPhaseSeconds(sleptSeconds);
    if (m_isPaused) {
        // The resume gives back the whole time since pausedAt, sleep included; moving the
        // deadline here as well would count the sleep twice.
        if (m_pausedUntil) {
            m_pausedUntil = addSeconds(*m_pausedUntil, s);
            // At least 1: a pause that has run out anyway ends at the next tick.
            m_pauseRemainingSeconds = std::max<std::int64_t>(ceilSecondsBetween(*m_pausedUntil, now()), 1);
        }
        return;
    }
    m_deadline = addSeconds(m_deadline, s);
    measureCountdown();
}

void BreakEngine::advanceForTesting(std::int64_t seconds)
{
    m_deadline = addSeconds(m_deadline, -std::max<std::int64_t>(seconds, INT64_MIN + 1));
    tick();
}

void BreakEngine::expireForTesting()
{
    m_deadline = addSeconds(now(), -1);
    tick();
}

void BreakEngine::advancePausedClockForTesting(std::int64_t seconds)
{
    if (m_pausedAt)
        m_pausedAt = addSeconds(*m_pausedAt, -std::max<std::int64_t>(seconds, INT64_MIN + 1));
    tick();
}

} // namespace tavelo
