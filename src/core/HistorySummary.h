#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace tavelo {

// The break counts and focus time of one local day.
struct DayTally {
    std::chrono::sys_days day;
    std::int64_t taken = 0;
    // Skipped, or ended early by a reset.
    std::int64_t skipped = 0;
    std::int64_t postponed = 0;
    std::int64_t focusSeconds = 0;

    bool operator==(const DayTally &) const = default;
};

// What the history says about a run of local days, the last of them today.
struct HistorySummary {
    std::chrono::sys_days firstDay;
    std::chrono::sys_days lastDay;
    std::int64_t taken = 0;
    std::int64_t skipped = 0;
    std::int64_t postponed = 0;
    // taken / (taken + skipped); nothing while there was no break to keep.
    std::optional<double> shareKept;
    std::int64_t focusSeconds = 0;
    // The most focus time between two breaks taken (absences and restarts end a stretch too).
    std::int64_t longestStretchSeconds = 0;
    // One per day, oldest first.
    std::vector<DayTally> days;
};

} // namespace tavelo
