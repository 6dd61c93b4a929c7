#include "app/cli/StatusReport.h"
#include "app/PluralCount.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "app/ui/BreakOverlayPresentation.h"
#include "app/ui/DurationFormat.h"
#include "app/ui/StatusMenuPresentation.h"

namespace tavelo {

namespace {

std::int64_t left(std::int64_t endsAt, std::int64_t now)
{
    return std::max<std::int64_t>(endsAt - now, 0);
}

std::int64_t minutesRoundedUp(std::int64_t seconds)
{
    return (seconds + 59) / 60;
}

// A plural text (marked with QT_TR_N_NOOP) for a number of seconds, shown in whole minutes.
QString minutesText(const char *text, std::int64_t seconds)
{
    const PluralCount minutes(minutesRoundedUp(seconds));
    return minutes.shown(StatusReport::tr(text, nullptr, minutes.form()));
}

// Seconds until a count shown in whole minutes, rounded up, shows one less.
std::int64_t toNextMinute(std::int64_t seconds)
{
    return seconds - (minutesRoundedUp(seconds) - 1) * 60;
}

StatusSnapshot snapshotOf(const TimerState &s)
{
    StatusSnapshot snapshot;
    snapshot.phase = s.phase == "break" ? TimerPhase::breakTime : TimerPhase::focus;
    snapshot.activeBreak = breakTypeFromRaw(s.activeBreak);
    snapshot.remainingSeconds = s.remainingSeconds;
    snapshot.isPaused = s.paused;
    snapshot.pauseRemainingSeconds = s.pauseRemainingSeconds;
    snapshot.isAway = s.away;
    snapshot.nextScheduledBreakType = breakTypeFromRaw(s.nextBreak).value_or(BreakType::micro);
    snapshot.completedFocusSessions = s.completedFocusSessions;
    snapshot.phaseLengthSeconds = std::max<std::int64_t>(s.phaseLengthSeconds, 1);
    return snapshot;
}

} // namespace

StatusReport::StatusReport(const TimerState &state, std::int64_t now) : m_state(state), m_now(now)
{
    if (m_state.phaseEndsAt != 0)
        m_state.remainingSeconds = left(m_state.phaseEndsAt, now);
    if (m_state.pauseEndsAt != 0)
        m_state.pauseRemainingSeconds = left(m_state.pauseEndsAt, now);
}

bool StatusReport::countdownHeld() const
{
    return m_state.paused || (m_state.away && m_state.phase == "focus");
}

QString StatusReport::text() const
{
    const StatusMenuPresentation p(snapshotOf(m_state));
    return p.headline() + '\n' + p.statusLine() + '\n' +
           tr("Completed focus sessions: %1").arg(m_state.completedFocusSessions);
}

QString StatusReport::barText() const
{
    if (m_state.paused) {
        if (m_state.pauseRemainingSeconds < 1)
            return tr("Paused");
        return minutesText(QT_TR_N_NOOP("Paused %n min"), m_state.pauseRemainingSeconds);
    }
    if (m_state.away && m_state.phase == "focus")
        return tr("Away");
    if (m_state.phase == "break")
        return tr("Break %1").arg(QString::fromStdString(formatCountdown(m_state.remainingSeconds)));
    return minutesText(QT_TR_N_NOOP("%n min"), m_state.remainingSeconds);
}

QString StatusReport::toolTip() const
{
    const StatusMenuPresentation p(snapshotOf(m_state));
    const std::int64_t endsAt = m_state.paused ? m_state.pauseEndsAt : m_state.phaseEndsAt;
    return p.toolTip(TimePoint(std::chrono::seconds(endsAt)), BreakOverlayPresentation::localShortTime);
}

std::string StatusReport::barClass() const
{
    if (m_state.paused)
        return "paused";
    if (m_state.away && m_state.phase == "focus")
        return "away";
    return m_state.phase == "break" ? "break" : "focus";
}

int StatusReport::percentage() const
{
    const std::int64_t length = std::max<std::int64_t>(m_state.phaseLengthSeconds, 1);
    const std::int64_t remaining = std::clamp<std::int64_t>(m_state.remainingSeconds, 0, length);
    return static_cast<int>((remaining * 100 + length - 1) / length);
}

namespace {

nlohmann::json barFieldsOf(const StatusReport &report)
{
    return {{"text", report.barText().toStdString()},
            {"tooltip", report.toolTip().toStdString()},
            {"class", report.barClass()},
            {"percentage", report.percentage()}};
}

} // namespace

std::string StatusReport::barJson() const
{
    return barFieldsOf(*this).dump();
}

std::string StatusReport::fullJson() const
{
    const TimerState &s = m_state;
    nlohmann::json json = barFieldsOf(*this);
    json.update(
        nlohmann::json{{"phase", s.phase},
                       {"activeBreak", s.activeBreak.empty() ? nlohmann::json() : nlohmann::json(s.activeBreak)},
                       {"remainingSeconds", s.remainingSeconds},
                       {"paused", s.paused},
                       {"pauseRemainingSeconds", s.pauseRemainingSeconds},
                       {"away", s.away},
                       {"nextBreak", s.nextBreak},
                       {"completedFocusSessions", s.completedFocusSessions},
                       {"phaseEndsAt", s.phaseEndsAt},
                       {"pauseEndsAt", s.pauseEndsAt},
                       {"phaseLengthSeconds", s.phaseLengthSeconds}});
    return json.dump();
}

std::optional<std::int64_t> StatusReport::secondsToNextChange() const
{
    if (m_state.paused) {
        if (m_state.pauseRemainingSeconds < 1)
            return std::nullopt;
        return toNextMinute(m_state.pauseRemainingSeconds);
    }
    if (countdownHeld() || m_state.remainingSeconds < 1)
        return std::nullopt;
    if (m_state.phase == "break")
        return 1;
    return toNextMinute(m_state.remainingSeconds);
}

std::string StatusReport::notRunningJson()
{
    return nlohmann::json{
        {"text", ""}, {"tooltip", tr("Tavelo is not running.").toStdString()}, {"class", "stopped"}, {"percentage", 0}}
        .dump();
}

} // namespace tavelo
