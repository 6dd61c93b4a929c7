#pragma once

#include <cstdint>
#include <optional>

#include "core/BreakModels.h"

namespace tavelo {

class BreakEngine;

// The engine's published values and the two settings the status item and panel show,
// copied once so their texts and icon can be computed (and tested) without an engine.
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
    // The full length of the current phase, for the icon's ring; at least `remainingSeconds`.
    std::int64_t phaseLengthSeconds = 0;

    bool operator==(const StatusSnapshot &) const = default;

    // `settings` is the model's published record (session and postpone texts); the
    // phase length comes from the engine's own settings, which timed the phase.
    static StatusSnapshot of(const BreakEngine &engine, const BreakSettings &settings);
    // The length of a phase as the ring measures it: a break's full length, or the focus
    // length, stretched when a postpone made the countdown longer than that.
    static std::int64_t phaseLength(TimerPhase phase, std::optional<BreakType> activeBreak,
                                    std::int64_t remainingSeconds, const BreakSettings &engineSettings);
};

} // namespace tavelo
