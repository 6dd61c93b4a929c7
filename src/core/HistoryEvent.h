#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/BreakModels.h"
#include "core/Clock.h"

namespace tavelo {

// What the break history records. `launched` and `quit` bound the time the timer ran;
// `away` and `back` bound an absence (focus stands still meanwhile).
enum class HistoryEventKind {
    launched,
    quit,
    breakStarted,
    breakCompleted,
    // A break that ran out while the user was away from the computer.
    breakTakenWhileAway,
    breakSkipped,
    breakPostponed,
    // A running break ended by resetting the focus timer.
    breakCancelled,
    paused,
    resumed,
    away,
    back,
};

std::string_view rawValue(HistoryEventKind kind);
std::optional<HistoryEventKind> historyEventKindFromRaw(std::string_view raw);

struct HistoryEvent {
    TimePoint at;
    HistoryEventKind kind = HistoryEventKind::launched;
    // For break events: which break, and its full planned length.
    std::optional<BreakType> breakType;
    // Break events: the break's length; `paused`: the pause's length, 0 for an indefinite one.
    std::int64_t plannedSeconds = 0;

    bool operator==(const HistoryEvent &) const = default;
};

} // namespace tavelo
