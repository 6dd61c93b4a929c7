#pragma once

#include <vector>

#include "core/Clock.h"
#include "core/HistoryEvent.h"
#include "core/HistorySummary.h"
#include "core/LocalCalendar.h"

namespace tavelo {

// Turns the recorded events into counts and focus time per local day. Focus time is
// time in focus while the timer ran, not paused and the user not away.
class HistoryStatistics {
public:
    explicit HistoryStatistics(LocalCalendar calendar) : m_calendar(std::move(calendar)) {}

    // The first instant of the `days` local days that end with today.
    TimePoint rangeStart(TimePoint now, int days) const;
    // Where the events must start for `summarize`: a day earlier than the range, so that
    // the state at its start is known.
    TimePoint eventsNeededFrom(TimePoint now, int days) const;
    // `events` in time order; those outside the range only set the state.
    HistorySummary summarize(const std::vector<HistoryEvent> &events, TimePoint now, int days) const;

private:
    // Adds [from, to) to the local days it covers, `perDay[0]` being `firstDay`.
    void addFocus(std::vector<std::chrono::nanoseconds> &perDay, std::chrono::sys_days firstDay, TimePoint from,
                  TimePoint to) const;

    LocalCalendar m_calendar;
};

} // namespace tavelo
