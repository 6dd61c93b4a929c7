#include "app/ui/StatusSnapshot.h"

#include "core/BreakEngine.h"

namespace tavelo {

StatusSnapshot StatusSnapshot::of(const BreakEngine &engine)
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
    s.longBreakEvery = engine.settings().longBreakEvery;
    s.postponeMinutes = engine.settings().postponeMinutes;
    s.phaseLengthSeconds = engine.phaseLengthSeconds();
    return s;
}

} // namespace tavelo
