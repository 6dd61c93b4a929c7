#include "core/HistoryEvent.h"

#include <array>
#include <utility>

namespace tavelo {

namespace {
// The names stored in the history file: never change one.
constexpr std::array<std::pair<HistoryEventKind, std::string_view>, 12> kNames{{
    {HistoryEventKind::launched, "launched"},
    {HistoryEventKind::quit, "quit"},
    {HistoryEventKind::breakStarted, "break-started"},
    {HistoryEventKind::breakCompleted, "break-completed"},
    {HistoryEventKind::breakTakenWhileAway, "break-taken-while-away"},
    {HistoryEventKind::breakSkipped, "break-skipped"},
    {HistoryEventKind::breakPostponed, "break-postponed"},
    {HistoryEventKind::breakCancelled, "break-cancelled"},
    {HistoryEventKind::paused, "paused"},
    {HistoryEventKind::resumed, "resumed"},
    {HistoryEventKind::away, "away"},
    {HistoryEventKind::back, "back"},
}};
} // namespace

std::string_view rawValue(HistoryEventKind kind)
{
    for (const auto &[k, name] : kNames) {
        if (k == kind)
            return name;
    }
    return {};
}

std::optional<HistoryEventKind> historyEventKindFromRaw(std::string_view raw)
{
    for (const auto &[k, name] : kNames) {
        if (name == raw)
            return k;
    }
    return std::nullopt;
}

} // namespace tavelo
