#include <gtest/gtest.h>

#include "core/HistoryStatistics.h"

using namespace tavelo;
using namespace std::chrono;
using K = HistoryEventKind;

namespace {

TimePoint utc(year_month_day date, int hour, int minute = 0, int second = 0)
{
    return sys_days(date) + hours(hour) + minutes(minute) + seconds(second);
}

HistoryEvent at(TimePoint t, K kind)
{
    return {t, kind, kind == K::paused || kind == K::resumed ? std::nullopt : std::optional(BreakType::micro), 20};
}

UtcOffsetFunction fixed(hours offset)
{
    return [offset](TimePoint) { return duration_cast<seconds>(offset); };
}

constexpr year_month_day d1 = 2026y / 6 / 10;
constexpr year_month_day d2 = 2026y / 6 / 11;

// Local time is UTC+2: local 22:00 on d1 is 20:00 UTC.
const std::vector<HistoryEvent> kEvening{
    at(utc(d1, 20), K::launched),
    at(utc(d1, 21, 30), K::breakStarted),
    at(utc(d1, 21, 30, 20), K::breakCompleted),
    at(utc(d1, 22, 30), K::breakSkipped),   // 00:30 local, the next day
    at(utc(d1, 22, 35), K::breakPostponed), // in focus: no change of state
    at(utc(d1, 22, 40), K::paused),
    at(utc(d1, 23, 0), K::resumed),
    at(utc(d1, 23, 10), K::away),
    at(utc(d1, 23, 40), K::back),
    at(utc(d2, 0, 0), K::quit),
};

} // namespace

// Focus stops for breaks, pauses, absences and the quit, and is split at local midnight.
TEST(HistoryStatisticsTest, CountsAndFocusTimeFollowTheLocalDays)
{
    const HistoryStatistics statistics{LocalCalendar(fixed(hours(2)))};
    const TimePoint now = utc(d2, 10);
    const HistorySummary both = statistics.summarize(kEvening, now, 2);
    ASSERT_EQ(both.days.size(), 2u);
    EXPECT_EQ(both.days[0], (DayTally{sys_days(d1), 1, 0, 0, 5400 + 1780}));
    EXPECT_EQ(both.days[1], (DayTally{sys_days(d2), 0, 1, 1, 2400 + 600 + 1200}));
    EXPECT_EQ(both.focusSeconds, 7180 + 4200);
    EXPECT_EQ(both.shareKept, 0.5);
    // The first stretch ends with the break; the second runs through the pause and ends with the absence.
    EXPECT_EQ(both.longestStretchSeconds, 5400);

    // Today alone: only what lies after local midnight counts, the stretch included.
    const HistorySummary today = statistics.summarize(kEvening, now, 1);
    EXPECT_EQ(today.firstDay, sys_days(d2));
    EXPECT_EQ(today.focusSeconds, 4200);
    EXPECT_EQ(today.skipped, 1);
    EXPECT_EQ(today.shareKept, 0.0);
    EXPECT_EQ(today.longestStretchSeconds, 2400 + 600);
    EXPECT_EQ(statistics.rangeStart(now, 1), utc(d1, 22));
}

// A timer that is still running counts up to now; a launch with no quit before it counts
// nothing of the gap; an empty history has no share.
TEST(HistoryStatisticsTest, OpenEndsAndCrashes)
{
    const HistoryStatistics statistics{LocalCalendar(fixed(hours(0)))};
    const std::vector<HistoryEvent> crashed{at(utc(d1, 9), K::launched), at(utc(d1, 9, 10), K::breakStarted),
                                            at(utc(d1, 12), K::launched)};
    const HistorySummary summary = statistics.summarize(crashed, utc(d1, 12, 30), 1);
    EXPECT_EQ(summary.focusSeconds, 600 + 1800);
    EXPECT_EQ(summary.longestStretchSeconds, 1800);
    EXPECT_FALSE(statistics.summarize({}, utc(d1, 12), 30).shareKept);
    EXPECT_EQ(statistics.summarize({}, utc(d1, 12), 30).days.size(), 30u);
}

struct DstCase {
    const char *name;
    TimePoint change;
    hours before, after;
    year_month_day day;
    int dayHours;
};

class HistoryStatisticsDstTest : public ::testing::TestWithParam<DstCase> {};

// A day with a clock change has 23 or 25 hours of focus when the timer ran through it,
// and an event near midnight lands on the day its local time says.
TEST_P(HistoryStatisticsDstTest, ADayWithAClockChangeHasItsOwnLength)
{
    const DstCase c = GetParam();
    const UtcOffsetFunction offset = [c](TimePoint t) {
        return duration_cast<seconds>(t < c.change ? c.before : c.after);
    };
    const LocalCalendar calendar(offset);
    const TimePoint dayStart = calendar.startOf(sys_days(c.day));
    const TimePoint dayEnd = calendar.startOf(sys_days(c.day) + days(1));
    EXPECT_EQ(dayEnd - dayStart, hours(c.dayHours));

    const std::vector<HistoryEvent> events{
        at(dayStart - minutes(30), K::launched),   at(dayStart + minutes(10), K::breakSkipped),
        at(dayEnd - minutes(10), K::breakSkipped), at(dayEnd + minutes(10), K::breakSkipped),
        at(dayEnd + minutes(30), K::quit),
    };
    const HistorySummary summary = HistoryStatistics(calendar).summarize(events, dayEnd + hours(5), 3);
    ASSERT_EQ(summary.days.size(), 3u);
    EXPECT_EQ(summary.days[0].focusSeconds, 1800);
    EXPECT_EQ(summary.days[1].focusSeconds, c.dayHours * 3600);
    EXPECT_EQ(summary.days[2].focusSeconds, 1800);
    EXPECT_EQ(summary.days[1].skipped, 2);
    EXPECT_EQ(summary.days[2].skipped, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, HistoryStatisticsDstTest,
    ::testing::Values(DstCase{"spring", utc(2026y / 3 / 29, 1), hours(1), hours(2), 2026y / 3 / 29, 23},
                      DstCase{"autumn", utc(2026y / 10 / 25, 1), hours(2), hours(1), 2026y / 10 / 25, 25},
                      DstCase{"westOfUtc", utc(2026y / 3 / 8, 10), hours(-8), hours(-7), 2026y / 3 / 8, 23},
                      // Far east, the change comes before midnight counted as UTC would.
                      DstCase{"eastOfUtc", utc(2026y / 4 / 4, 16), hours(11), hours(10), 2026y / 4 / 5, 25}),
    [](const auto &info) { return std::string(info.param.name); });
