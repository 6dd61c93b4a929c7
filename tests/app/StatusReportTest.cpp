#include <gtest/gtest.h>

#include "app/cli/StatusReport.h"

using namespace tavelo;

namespace {

constexpr std::int64_t kNow = 1'767'603'600;

TimerState focusEndingIn(std::int64_t seconds)
{
    TimerState s;
    s.remainingSeconds = 1500; // as read, before time moved on
    s.phaseEndsAt = kNow + seconds;
    s.phaseLengthSeconds = 1500;
    return s;
}

// A state read once serves until the next one: the countdowns follow from the instants.
TEST(StatusReport, CountsDownFromTheInstantsAndSaysWhenTheBarChanges)
{
    struct Case {
        const char *what;
        TimerState state;
        const char *text;
        const char *barClass;
        int percentage;
        std::optional<std::int64_t> nextChange;
    };
    TimerState paused = focusEndingIn(0);
    paused.paused = true;
    paused.phaseEndsAt = 0;
    paused.remainingSeconds = 600;
    TimerState pausedUntil = paused;
    pausedUntil.pauseEndsAt = kNow + 61;
    TimerState away = paused;
    away.paused = false;
    away.away = true;
    TimerState inBreak = focusEndingIn(7);
    inBreak.phase = "break";
    inBreak.activeBreak = "micro";
    inBreak.phaseLengthSeconds = 20;
    TimerState overdue = focusEndingIn(-5);

    const Case cases[] = {
        {"full focus", focusEndingIn(1500), "25 min", "focus", 100, 60},
        {"a second into the minute", focusEndingIn(1441), "25 min", "focus", 97, 1},
        {"last minute", focusEndingIn(59), "1 min", "focus", 4, 59},
        {"past its end", overdue, "0 min", "focus", 0, std::nullopt},
        {"paused without end", paused, "Paused", "paused", 40, std::nullopt},
        {"paused for a while", pausedUntil, "Paused 2 min", "paused", 40, 1},
        {"away", away, "Away", "away", 40, std::nullopt},
        {"break", inBreak, "Break 00:07", "break", 35, 1},
    };
    for (const Case &c : cases) {
        const StatusReport report(c.state, kNow);
        EXPECT_EQ(report.barText().toStdString(), c.text) << c.what;
        EXPECT_EQ(report.barClass(), c.barClass) << c.what;
        EXPECT_EQ(report.percentage(), c.percentage) << c.what;
        EXPECT_EQ(report.secondsToNextChange(), c.nextChange) << c.what;
    }
}

} // namespace
