#include "core/HistoryStatistics.h"

#include <algorithm>

namespace tavelo {

using namespace std::chrono;

namespace {

// What the timer was doing between two events.
struct TimerState {
    bool running = false;
    bool onBreak = false;
    bool paused = false;
    bool away = false;
    bool focusing() const { return running && !onBreak && !paused && !away; }
};

std::int64_t wholeSeconds(TimePoint::duration d)
{
    return duration_cast<seconds>(d).count();
}

} // namespace

TimePoint HistoryStatistics::rangeStart(TimePoint now, int days) const
{
    return m_calendar.startOf(m_calendar.dayOf(now) - std::chrono::days(std::max(days, 1) - 1));
}

TimePoint HistoryStatistics::eventsNeededFrom(TimePoint now, int days) const
{
    return rangeStart(now, days) - std::chrono::days(1);
}

HistorySummary HistoryStatistics::summarize(const std::vector<HistoryEvent> &events, TimePoint now, int days) const
{
    HistorySummary summary;
    summary.lastDay = m_calendar.dayOf(now);
    summary.firstDay = summary.lastDay - std::chrono::days(std::max(days, 1) - 1);
    for (sys_days day = summary.firstDay; day <= summary.lastDay; day += std::chrono::days(1))
        summary.days.push_back(DayTally{day});
    const TimePoint start = m_calendar.startOf(summary.firstDay);

    // Only time inside the range counts, so the walk starts at its beginning.
    TimerState state;
    TimePoint previous = start;
    std::vector<nanoseconds> focusPerDay(summary.days.size());
    nanoseconds stretch{0};
    auto accrue = [&](TimePoint until) {
        if (state.focusing() && until > previous) {
            addFocus(focusPerDay, summary.firstDay, previous, until);
            stretch += until - previous;
            summary.longestStretchSeconds = std::max(summary.longestStretchSeconds, wholeSeconds(stretch));
        }
        previous = std::max(previous, until);
    };

    for (const HistoryEvent &event : events) {
        if (event.at > now)
            break;
        // A launch while the timer seemed to run: the last run ended unrecorded, at some
        // time after its last event; none of that gap is counted.
        if (event.kind == HistoryEventKind::launched)
            previous = std::max(previous, event.at);
        accrue(event.at);
        DayTally *day = nullptr;
        if (event.at >= start) {
            const sys_days date = m_calendar.dayOf(event.at);
            if (date >= summary.firstDay && date <= summary.lastDay)
                day = &summary.days[static_cast<std::size_t>((date - summary.firstDay).count())];
        }
        switch (event.kind) {
        case HistoryEventKind::launched:
            state = TimerState{.running = true};
            stretch = nanoseconds(0);
            break;
        case HistoryEventKind::quit:
            state.running = false;
            break;
        case HistoryEventKind::breakStarted:
            state.onBreak = true;
            state.paused = false;
            break;
        case HistoryEventKind::breakCompleted:
        case HistoryEventKind::breakTakenWhileAway:
            state.onBreak = false;
            stretch = nanoseconds(0);
            if (day)
                ++day->taken;
            break;
        case HistoryEventKind::breakSkipped:
        case HistoryEventKind::breakCancelled:
            state.onBreak = false;
            if (day)
                ++day->skipped;
            break;
        case HistoryEventKind::breakPostponed:
            state.onBreak = false;
            if (day)
                ++day->postponed;
            break;
        case HistoryEventKind::paused:
            state.paused = true;
            break;
        case HistoryEventKind::resumed:
            state.paused = false;
            break;
        case HistoryEventKind::away:
            state.away = true;
            break;
        case HistoryEventKind::back:
            // Time away from the computer is a rest of its own.
            if (state.away)
                stretch = nanoseconds(0);
            state.away = false;
            break;
        }
    }
    accrue(now);

    for (std::size_t i = 0; i < summary.days.size(); ++i)
        summary.days[i].focusSeconds = wholeSeconds(focusPerDay[i]);
    for (const DayTally &day : summary.days) {
        summary.taken += day.taken;
        summary.skipped += day.skipped;
        summary.postponed += day.postponed;
        summary.focusSeconds += day.focusSeconds;
    }
    if (summary.taken + summary.skipped > 0)
        summary.shareKept = static_cast<double>(summary.taken) / static_cast<double>(summary.taken + summary.skipped);
    return summary;
}

void HistoryStatistics::addFocus(std::vector<nanoseconds> &perDay, sys_days firstDay, TimePoint from,
                                 TimePoint to) const
{
    while (from < to) {
        const sys_days date = m_calendar.dayOf(from);
        const TimePoint dayEnd = std::min(to, m_calendar.startOf(date + std::chrono::days(1)));
        if (dayEnd <= from)
            break;
        const auto index = (date - firstDay).count();
        if (index >= 0 && static_cast<std::size_t>(index) < perDay.size())
            perDay[static_cast<std::size_t>(index)] += dayEnd - from;
        from = dayEnd;
    }
}

} // namespace tavelo
