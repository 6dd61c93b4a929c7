#include "app/ui/StatusSnapshot.h"

#include <algorithm>

#include "core/BreakEngine.h"
#include "core/TimeMath.h"

namespace tavelo {

StatusSnapshot StatusSnapshot::of(const BreakEngine &engine, const BreakSettings &settings)
{
    StatusSnapshot s;
    s.phase = engine.phase();
    s.activeBreak = engine.activeBreak();
    s.remainingSeconds = engine.remainingSeconds();
    s.isPaused = engine.isPaused();
    s.pauseRemainingSeconds = engine.pauseRemainingSeconds();
    s.pausedElapsedSeconds = engine.pausedElapsedSeconds();
    s.isAway = engine.isAway();
    s.nextScheduledBreakType = engine.nextScheduledBreakType();
    s.completedFocusSessions = engine.completedFocusSessions();
    s.longBreakEvery = settings.longBreakEvery;
    s.postponeMinutes = settings.postponeMinutes;
    s.phaseLengthSeconds = phaseLength(s.phase, s.activeBreak, s.remainingSeconds, engine.settings());
    return s;
}

std::int64_t StatusSnapshot::phaseLength(TimerPhase phase, std::optional<BreakType> activeBreak,
                                         std::int64_t remainingSeconds, const BreakSettings &engineSettings)
{
    std::int64_t length = 0;
    if (phase == TimerPhase::focus)
        length = timemath::minutesToPhaseSeconds(engineSettings.focusMinutes);
    else if (activeBreak == BreakType::long_)
        length = timemath::minutesToPhaseSeconds(engineSettings.longBreakMinutes);
    else if (activeBreak == BreakType::micro)
        length = timemath::capPhaseSeconds(engineSettings.shortBreakSeconds);
    return std::max({length, remainingSeconds, std::int64_t{1}});
}

} // namespace tavelo
