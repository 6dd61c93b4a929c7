#include "app/TimerControl.h"

#include <algorithm>

#include "app/AppModel.h"
#include "core/TimeMath.h"

namespace tavelo {

namespace {

using Status = TimerReply::Status;

TimerReply refused(Status status, const QString &message)
{
    return {status, message.toStdString()};
}

// Whole seconds since the epoch of the moment `seconds` from `now`.
std::int64_t secondsFromNow(TimePoint now, std::int64_t seconds)
{
    const auto epoch = std::chrono::floor<std::chrono::seconds>(now.time_since_epoch()).count();
    return timemath::saturatingAdd(epoch, seconds);
}

// The countdown is whole seconds measured at the tick, so now + countdown wobbles by a
// second around the true moment; only a larger shift is a change of plan.
std::int64_t steady(std::int64_t held, std::int64_t reading)
{
    return held != 0 && reading >= held - 1 && reading <= held + 1 ? held : reading;
}

// What listeners are told about: all but the countdowns.
TimerState announced(TimerState state)
{
    state.remainingSeconds = 0;
    state.pauseRemainingSeconds = 0;
    return state;
}

} // namespace

TimerControl::TimerControl(AppModel &model, TimerEndpoint &endpoint, MainLoop &loop, std::function<void()> openPanel)
    : m_model(model), m_endpoint(endpoint), m_loop(loop), m_openPanel(std::move(openPanel))
{
    m_engineChanged = m_model.engine().changed.connect([this] { requestRefresh(); });
    m_modelChanged = m_model.changed.connect([this] { requestRefresh(); });
    m_told = state();
    m_phaseEndsAt = m_told.phaseEndsAt;
    m_pauseEndsAt = m_told.pauseEndsAt;
    m_published = m_endpoint.publish(*this, [this] { return state(); });
}

TimerControl::~TimerControl()
{
    m_endpoint.withdraw();
}

TimerState TimerControl::state() const
{
    const BreakEngine &engine = m_model.engine();
    const TimePoint now = m_model.clock().now();
    TimerState s;
    const bool inBreak = engine.phase() == TimerPhase::breakTime;
    s.phase = inBreak ? "break" : "focus";
    if (const std::optional<BreakType> running = engine.activeBreak())
        s.activeBreak = rawValue(*running);
    s.remainingSeconds = engine.remainingSeconds();
    s.paused = engine.isPaused();
    s.pauseRemainingSeconds = engine.pauseRemainingSeconds();
    s.away = engine.isAway();
    s.nextBreak = rawValue(engine.nextScheduledBreakType());
    s.completedFocusSessions = engine.completedFocusSessions();
    // Away from focus the countdown is held; away from a break it runs on.
    if (!s.paused && !(s.away && !inBreak))
        s.phaseEndsAt = steady(m_phaseEndsAt, secondsFromNow(now, s.remainingSeconds));
    if (s.paused && s.pauseRemainingSeconds >= 1)
        s.pauseEndsAt = steady(m_pauseEndsAt, secondsFromNow(now, s.pauseRemainingSeconds));

    const BreakSettings &settings = engine.settings();
    std::int64_t length = timemath::minutesToPhaseSeconds(settings.focusMinutes);
    if (inBreak && s.activeBreak == "long")
        length = timemath::minutesToPhaseSeconds(settings.longBreakMinutes);
    else if (inBreak)
        length = timemath::capPhaseSeconds(settings.shortBreakSeconds);
    s.phaseLengthSeconds = std::max<std::int64_t>(length, 1);
    return s;
}

void TimerControl::requestRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    m_loop.post(m_liveness.guard([this] { refresh(); }));
}

void TimerControl::refresh()
{
    m_refreshPending = false;
    const TimerState now = state();
    m_phaseEndsAt = now.phaseEndsAt;
    m_pauseEndsAt = now.pauseEndsAt;
    if (announced(now) == announced(m_told))
        return;
    m_told = now;
    m_endpoint.stateChanged(now);
}

TimerReply TimerControl::pause(std::int64_t seconds)
{
    if (seconds < 0 || seconds > timemath::kMaxPhaseSeconds)
        return refused(Status::invalidArgument,
                       tr("A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.", nullptr,
                          int(timemath::kMaxPhaseSeconds)));
    if (m_model.engine().isPaused())
        return refused(Status::notNow, tr("The timer is already paused. Resume it first."));
    if (seconds == 0)
        m_model.togglePause();
    else
        m_model.pauseFor(seconds);
    return {};
}

TimerReply TimerControl::resume()
{
    if (!m_model.engine().isPaused())
        return refused(Status::notNow, tr("The timer is not paused."));
    m_model.togglePause();
    return {};
}

TimerReply TimerControl::startBreak(const std::string &kind)
{
    const std::optional<BreakType> type = breakTypeFromRaw(kind);
    if (!type)
        return refused(
            Status::invalidArgument,
            tr("Unknown kind of break \"%1\": use \"micro\" or \"long\".").arg(QString::fromStdString(kind)));
    const BreakEngine &engine = m_model.engine();
    if (engine.phase() == TimerPhase::breakTime && engine.activeBreak() == type)
        return refused(Status::notNow, tr("This kind of break is already running."));
    m_model.startBreakNow(*type);
    return {};
}

TimerReply TimerControl::skip()
{
    m_model.skipBreak();
    return {};
}

TimerReply TimerControl::postpone()
{
    m_model.postponeBreak();
    return {};
}

TimerReply TimerControl::resetFocus()
{
    m_model.resetFocus();
    return {};
}

TimerReply TimerControl::openPanel()
{
    if (!m_openPanel)
        return refused(Status::failed, tr("There is no panel to open."));
    m_openPanel();
    return {};
}

} // namespace tavelo
