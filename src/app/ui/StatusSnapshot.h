#pragma once

#include <cstdint>
#include <optional>

#include "core/BreakModels.h"

namespace tavelo {

class BreakEngine;

// The engine's published values and the settings the status item, panel and break
// overlay show, copied once so their texts and pictures can be computed (and tested)
// without an engine.
struct StatusSnapshot {
    TimerPhase phase = TimerPhase::focus;
    std::optional<BreakType> activeBreak;
    std::int64_t remainingSeconds = 0;
    bool isPaused = false;
    std::int64_t pauseRemainingSeconds = 0;
    std::int64_t pausedElapsedSeconds = 0;
    bool isAway = false;
    BreakType nextScheduledBreakType = BreakType::micro;
    std::int64_t completedFocusSessions = 0;
    std::int64_t longBreakEvery = BreakSettings::standard.longBreakEvery;
    std::int64_t postponeMinutes = BreakSettings::standard.postponeMinutes;
    // The full length of the current phase, for the ring and the overlay's progress.
    std::int64_t phaseLengthSeconds = 1;

    bool operator==(const StatusSnapshot &) const = default;

    static StatusSnapshot of(const BreakEngine &engine);
};

} // namespace tavelo
