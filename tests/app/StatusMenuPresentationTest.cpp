#include <ostream>

#include <gtest/gtest.h>

#include "app/ui/StatusMenuPresentation.h"
#include "core/BreakEngine.h"
#include "support/ManualClock.h"
#include "support/ManualMainLoop.h"

// Readable failure messages.
[[maybe_unused]] static void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace tavelo {
namespace {

StatusSnapshot focus(std::int64_t remaining = 750)
{
    StatusSnapshot s;
    s.phase = TimerPhase::focus;
    s.remainingSeconds = remaining;
    s.nextScheduledBreakType = BreakType::long_;
    s.phaseLengthSeconds = 1500;
    return s;
}

StatusSnapshot inBreak(BreakType type, std::int64_t remaining = 12)
{
    StatusSnapshot s = focus(remaining);
    s.phase = TimerPhase::breakTime;
    s.activeBreak = type;
    return s;
}

StatusSnapshot paused(StatusSnapshot s, std::int64_t elapsed, std::int64_t pauseLeft = 0)
{
    s.isPaused = true;
    s.pausedElapsedSeconds = elapsed;
    s.pauseRemainingSeconds = pauseLeft;
    return s;
}

// The pause comes first, then away, then the phase; the status line puts break time
// before the pause, and texts switch to elapsed minutes at sixty seconds.
TEST(StatusMenuPresentation, TextsFollowPauseAwayAndPhase)
{
    StatusSnapshot away = focus(600);
    away.isAway = true;
    StatusSnapshot awayInBreak = inBreak(BreakType::long_, 842);
    awayInBreak.isAway = true;
    StatusSnapshot unknown = inBreak(BreakType::long_, 3725);
    unknown.activeBreak.reset();
    struct Case {
        StatusSnapshot s;
        const char *menuTitle, *headline, *statusLine, *countdown, *resume;
    };
    const Case cases[] = {
        {focus(750), "12:30", "Focus in progress", "Next: Long break in 12:30", "12:30", "Resume Timer"},
        {inBreak(BreakType::micro, 12), "00:12", "Microbreak in progress", "Microbreak ends in 00:12", "00:12",
         "Resume Timer"},
        {unknown, "1:02:05", "Break in progress", "Break ends in 1:02:05", "1:02:05", "Resume Timer"},
        {away, "Away", "Away — timer frozen", "Away — focus resumes when you're back", "10:00", "Resume Timer"},
        {awayInBreak, "14:02", "Long break in progress", "Long break ends in 14:02", "14:02", "Resume Timer"},
        {paused(away, 30), "Paused", "Timer paused", "Paused — timer frozen", "10:00", "Resume Timer"},
        {paused(inBreak(BreakType::micro, 15), 120, 299), "Paused 2m", "Timer paused · 2m", "Microbreak ends in 00:15",
         "00:15", "Resume Timer (04:59)"},
        {paused(focus(), 59), "Paused", "Timer paused", "Paused — timer frozen", "12:30", "Resume Timer"},
        {paused(focus(), 60), "Paused 1m", "Timer paused · 1m", "Paused 1m ago — timer frozen", "12:30",
         "Resume Timer (paused 1m)"},
        {paused(focus(), 3 * 3600 + 5 * 60), "Paused 3h 05m", "Timer paused · 3h 05m",
         "Paused 3h 05m ago — timer frozen", "12:30", "Resume Timer (paused 3h 05m)"},
        {paused(focus(), 1, 299), "Paused", "Timer paused", "Paused — resumes in 04:59", "12:30",
         "Resume Timer (04:59)"},
    };
    for (const Case &c : cases) {
        const StatusMenuPresentation p(c.s);
        EXPECT_EQ(p.menuTitle(), c.menuTitle) << c.statusLine;
        EXPECT_EQ(p.headline(), c.headline) << c.statusLine;
        EXPECT_EQ(p.statusLine(), c.statusLine);
        EXPECT_EQ(p.countdown(), c.countdown) << c.statusLine;
        EXPECT_EQ(p.resumeLabel(), c.resume) << c.statusLine;
        EXPECT_EQ(p.showsResumeButton(), c.s.isPaused);
        EXPECT_EQ(p.skipTitle(),
                  c.s.phase == TimerPhase::breakTime ? "Skip Current Break" : "Skip Next Break (Long break)");
    }
}

TEST(StatusMenuPresentation, SessionLineCountsWithinTheCycle)
{
    struct Case {
        std::int64_t completed, every;
        const char *line;
    };
    for (const Case &c : {Case{6, 4, "Session 3 of 4 • 6 completed"}, Case{0, 4, "Session 1 of 4 • 0 completed"},
                          Case{7, 1, "Session 1 of 1 • 7 completed"}, Case{7, 0, "Session 1 of 1 • 7 completed"},
                          Case{7, -3, "Session 1 of 1 • 7 completed"},
                          Case{1'000'000'007, 4, "Session 4 of 4 • 1000000007 completed"}}) {
        StatusSnapshot s = focus();
        s.completedFocusSessions = c.completed;
        s.longBreakEvery = c.every;
        EXPECT_EQ(StatusMenuPresentation(s).sessionLine(), c.line);
    }
}

TEST(StatusMenuPresentation, StartButtonsDisableOnlyTheRunningKind)
{
    StatusSnapshot stale = focus(); // a leftover break kind outside break time
    stale.activeBreak = BreakType::micro;
    for (const StatusSnapshot &s : {focus(), stale, inBreak(BreakType::micro), inBreak(BreakType::long_)}) {
        const bool running = s.phase == TimerPhase::breakTime;
        EXPECT_EQ(StatusMenuPresentation(s).startMicrobreakEnabled(), !(running && s.activeBreak == BreakType::micro));
        EXPECT_EQ(StatusMenuPresentation(s).startLongBreakEnabled(), !(running && s.activeBreak == BreakType::long_));
    }
}

TEST(StatusMenuPresentation, SnapshotFollowsTheEngineAndItsPhaseLength)
{
    test::ManualClock clock;
    test::ManualMainLoop loop(clock);
    BreakSettings settings = BreakSettings::standard;
    settings.postponeMinutes = 7;
    BreakEngine engine(settings, clock, loop);
    engine.postpone();
    EXPECT_EQ(StatusSnapshot::of(engine).phaseLengthSeconds, 32 * 60) << "stretched by the postpone";

    engine.startBreakNow(BreakType::long_);
    loop.advance(std::chrono::seconds(61));
    const StatusSnapshot s = StatusSnapshot::of(engine);
    EXPECT_EQ(s.activeBreak, BreakType::long_);
    EXPECT_EQ(s.remainingSeconds, 15 * 60 - 61);
    EXPECT_EQ(s.phaseLengthSeconds, 15 * 60);

    settings.longBreakMinutes = INT64_MAX;
    engine.updateSettings(settings);
    engine.startBreakNow(BreakType::long_);
    EXPECT_EQ(StatusSnapshot::of(engine).phaseLengthSeconds, engine.remainingSeconds()) << "capped, not wrapped";
    engine.pauseFor(300);
    EXPECT_EQ(StatusSnapshot::of(engine).pauseRemainingSeconds, 300);
}

} // namespace
} // namespace tavelo
