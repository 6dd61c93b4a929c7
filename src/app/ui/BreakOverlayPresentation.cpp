#include "app/ui/BreakOverlayPresentation.h"
#include "app/PluralCount.h"

#include <algorithm>
#include <chrono>

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include "app/ui/DurationFormat.h"
#include "core/TimeMath.h"

namespace tavelo {

BreakOverlayPresentation BreakOverlayPresentation::make(const StatusSnapshot &state, TimePoint now,
                                                        const TimeFormatter &formatTime)
{
    BreakOverlayPresentation p;
    if (!state.activeBreak)
        p.headline = tr("Break");
    else if (*state.activeBreak == BreakType::long_)
        p.headline = tr("Long break");
    else
        p.headline = tr("Microbreak");
    p.countdown = QString::fromStdString(formatCountdown(state.remainingSeconds));
    const PluralCount remaining(state.remainingSeconds);
    p.countdownAccessibleName = remaining.shown(tr("%n seconds remaining", nullptr, remaining.form()));
    p.progress = progressOf(state);
    p.instruction = tr("Step away from the screen. Move, blink, and breathe.");
    p.subtitle = subtitleOf(state, now, formatTime);
    const PluralCount postpone(state.postponeMinutes);
    p.postponeTitle = postpone.shown(tr("Postpone %n min", nullptr, postpone.form()));
    p.skipTitle = state.activeBreak == BreakType::long_ ? tr("End Break") : tr("Skip");
    p.keyHint = tr("Esc postpones • Ctrl+↵ skips");
    return p;
}

double BreakOverlayPresentation::progressOf(const StatusSnapshot &state)
{
    const double total = double(std::max<std::int64_t>(state.phaseLengthSeconds, 1));
    const double left = double(std::max<std::int64_t>(state.remainingSeconds, 0));
    return std::clamp((total - left) / total, 0.0, 1.0);
}

QString BreakOverlayPresentation::subtitleOf(const StatusSnapshot &state, TimePoint now,
                                             const TimeFormatter &formatTime)
{
    QStringList parts;
    if (state.remainingSeconds >= 1)
        parts << tr("Back at %1").arg(formatTime(timemath::addSeconds(now, state.remainingSeconds)));
    const std::int64_t every = std::max<std::int64_t>(state.longBreakEvery, 1);
    if (state.activeBreak == BreakType::long_) {
        parts << PluralCount(state.completedFocusSessions)
                     .shown(tr("Long break • %n focus sessions done", nullptr,
                               PluralCount(state.completedFocusSessions).form()));
    } else {
        const std::int64_t k =
            std::max<std::int64_t>(timemath::saturatingAdd(state.completedFocusSessions, -1), 0) % every + 1;
        parts << tr("Break %1 of %2").arg(k).arg(every);
    }
    return parts.join(QStringLiteral(" • "));
}

QString BreakOverlayPresentation::localShortTime(TimePoint t)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms).time(), QLocale::ShortFormat);
}

} // namespace tavelo
