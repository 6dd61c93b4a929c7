#pragma once

#include <cstdint>
#include <string>

namespace tavelo {

// The timer as other programs see it, in plain values; instants are seconds since the epoch.
struct TimerState {
    std::string phase = "focus"; // "focus" or "break"
    std::string activeBreak;     // "micro" or "long" during a break, else empty
    std::int64_t remainingSeconds = 0;
    bool paused = false;
    std::int64_t pauseRemainingSeconds = 0; // 0 while paused without an end
    bool away = false;
    std::string nextBreak = "micro";
    std::int64_t completedFocusSessions = 0;
    // When the countdown reaches zero; 0 while it stands still (paused, or away in focus).
    std::int64_t phaseEndsAt = 0;
    // When a timed pause ends; 0 otherwise.
    std::int64_t pauseEndsAt = 0;
    // The phase's length as set, for progress displays.
    std::int64_t phaseLengthSeconds = 1;

    bool operator==(const TimerState &) const = default;
};

} // namespace tavelo
