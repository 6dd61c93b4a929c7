#include "app/ui/StatusMenuPresentation.h"
#include "app/PluralCount.h"

#include <algorithm>

#include "app/ui/DurationFormat.h"

namespace tavelo {

namespace {

QString countdownOf(std::int64_t seconds)
{
    return QString::fromStdString(formatCountdown(seconds));
}

} // namespace

QString StatusMenuPresentation::kindName(std::optional<BreakType> type)
{
    if (!type)
        return tr("Break");
    return *type == BreakType::micro ? tr("Microbreak") : tr("Long break");
}

QString StatusMenuPresentation::versionLine(const QString &version)
{
    return tr("Tavelo %1").arg(version);
}

QString StatusMenuPresentation::pausedFor() const
{
    return localPausedDuration(m_s.pausedElapsedSeconds);
}

QString StatusMenuPresentation::menuTitle() const
{
    if (m_s.isPaused)
        return pausedUnderAMinute() ? tr("Paused") : tr("Paused %1").arg(pausedFor());
    if (m_s.isAway && m_s.phase == TimerPhase::focus)
        return tr("Away");
    return countdownOf(m_s.remainingSeconds);
}

std::optional<std::int64_t> StatusMenuPresentation::toolTipSecondsAhead() const
{
    if (m_s.isPaused) {
        if (m_s.pauseRemainingSeconds >= 1)
            return m_s.pauseRemainingSeconds;
        return std::nullopt;
    }
    if (m_s.isAway && m_s.phase == TimerPhase::focus)
        return std::nullopt;
    return std::max<std::int64_t>(m_s.remainingSeconds, 0);
}

QString StatusMenuPresentation::toolTip(TimePoint due, const BreakOverlayPresentation::TimeFormatter &formatTime) const
{
    // In the order of the menu title: a pause first, then away, then the phase.
    if (m_s.isPaused)
        return m_s.pauseRemainingSeconds >= 1 ? tr("Paused until %1").arg(formatTime(due)) : tr("Paused");
    if (m_s.isAway && m_s.phase == TimerPhase::focus)
        return tr("Away — focus resumes when you're back");
    if (m_s.phase == TimerPhase::breakTime)
        return tr("%1 until %2").arg(kindName(m_s.activeBreak), formatTime(due));
    return tr("Next: %1 at %2").arg(kindName(m_s.nextScheduledBreakType), formatTime(due));
}

QString StatusMenuPresentation::headline() const
{
    if (m_s.isPaused)
        return pausedUnderAMinute() ? tr("Timer paused") : tr("Timer paused · %1").arg(pausedFor());
    if (m_s.phase == TimerPhase::focus)
        return m_s.isAway ? tr("Away — timer frozen") : tr("Focus in progress");
    return tr("%1 in progress").arg(kindName(m_s.activeBreak));
}

QString StatusMenuPresentation::countdown() const
{
    return countdownOf(m_s.remainingSeconds);
}

QString StatusMenuPresentation::statusLine() const
{
    if (m_s.phase == TimerPhase::breakTime)
        return tr("%1 ends in %2").arg(kindName(m_s.activeBreak), countdownOf(m_s.remainingSeconds));
    if (!m_s.isPaused) {
        if (m_s.isAway)
            return tr("Away — focus resumes when you're back");
        return tr("Next: %1 in %2").arg(kindName(m_s.nextScheduledBreakType), countdownOf(m_s.remainingSeconds));
    }
    if (m_s.pauseRemainingSeconds >= 1)
        return tr("Paused — resumes in %1").arg(countdownOf(m_s.pauseRemainingSeconds));
    if (pausedUnderAMinute())
        return tr("Paused — timer frozen");
    return tr("Paused %1 ago — timer frozen").arg(pausedFor());
}

QString StatusMenuPresentation::sessionLine() const
{
    const std::int64_t every = std::max<std::int64_t>(m_s.longBreakEvery, 1);
    // A negative count would only come from a fault; keep the session number in range.
    const std::int64_t n = std::max<std::int64_t>(m_s.completedFocusSessions, 0);
    return tr("Session %1 of %2 • %3 completed")
        .arg(QString::number(n % every + 1), QString::number(every), QString::number(n));
}

QString StatusMenuPresentation::skipTitle() const
{
    if (m_s.phase == TimerPhase::breakTime)
        return tr("Skip Current Break");
    return tr("Skip Next Break (%1)").arg(kindName(m_s.nextScheduledBreakType));
}

QString StatusMenuPresentation::resumeLabel() const
{
    if (m_s.pauseRemainingSeconds >= 1)
        return tr("Resume Timer (%1)").arg(countdownOf(m_s.pauseRemainingSeconds));
    if (pausedUnderAMinute())
        return tr("Resume Timer");
    return tr("Resume Timer (paused %1)").arg(pausedFor());
}

QString StatusMenuPresentation::postponeTitle() const
{
    const PluralCount minutes(m_s.postponeMinutes);
    return minutes.shown(tr("Postpone %n min", nullptr, minutes.form()));
}

} // namespace tavelo
